#pragma once
#include "app/CompletionPreview.h"
#include "render/HostSheet.h"
#include "render/RealSizePicture.h"

#include <memory>
#include <vector>

namespace tagler {

class Session;

// What the hand-over fixes for the real-size picture: the sizes, the selected
// texts as the host's drawing holds them, the indicated points.
struct HandOverPicture {
    render::HostSheet sheet = render::defaultHostSheet();
    std::shared_ptr<const render::Drawing> selection;
    std::vector<render::PointMark> points;
};

HandOverPicture readHandOverPicture(const ExchangeState& exchange, SessionMode mode);

struct RealSizePicture {
    render::RealSizeScene scene;
    std::shared_ptr<const HandOverPicture> handOver;
};

// The records completion would write, drawn over the hand-over (read here
// when none is given). Touches nothing but its arguments, so it may run on
// another thread.
RealSizePicture makeRealSizePicture(const CompletionInputs& inputs, std::shared_ptr<const HandOverPicture> handOver);

// The real-size picture of a session made here and now. The hand-over is
// read at the first refresh, so a session whose preview stays closed never
// pays for a large selection.
class RealSizeSource final {
public:
    explicit RealSizeSource(const Session& session) : session_(session) {}

    void refresh();
    const render::RealSizeScene& scene() const { return scene_; }

private:
    const Session& session_;
    std::shared_ptr<const HandOverPicture> handOver_;
    render::RealSizeScene scene_;
};

} // namespace tagler
