#pragma once
#include <thread>

namespace tagler {

// Reads the font configuration on a second thread while the application
// connects to the display, which is mostly waiting; otherwise the window's
// first text waits for it. Where fonts are not configured so, it does nothing.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Before the first font is used: the configuration is then complete.
    void finish();

private:
    std::thread thread_;
};

} // namespace tagler
