#pragma once
#include "render/HostSheet.h"
#include "render/RealSizePicture.h"

namespace tagler {

class Session;

// The real-size picture of a session: what the hand-over fixes (sizes,
// selected texts, indicated points) is read once, at the first refresh, so a
// session whose preview stays closed never pays for a large selection; the
// records completion would write are drawn again on every refresh.
class RealSizeSource final {
public:
    explicit RealSizeSource(const Session& session);

    void refresh();
    const render::RealSizeScene& scene() const { return scene_; }

private:
    void readHandOver();

    const Session& session_;
    bool handOverRead_ = false;
    render::HostSheet sheet_;
    render::RealSizeScene scene_;
};

} // namespace tagler
