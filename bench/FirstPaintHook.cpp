// Preloaded (LD_PRELOAD) into a Qt program to time its start: when the first
// frame has reached the X server it writes the nanoseconds since
// TAGLER_BENCH_START (CLOCK_MONOTONIC, set by the caller just before exec)
// to the file TAGLER_BENCH_OUT and ends the process at once. The program
// itself knows nothing of it, so tagler and a bare window are timed alike.
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

void firstFrameShown()
{
    // A round trip: the server has handled the frame's image requests before it answers.
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        xcb_connection_t* c = x11->connection();
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    }
    const long long now = monotonicNs();
    const char* start = std::getenv("TAGLER_BENCH_START");
    const char* out = std::getenv("TAGLER_BENCH_OUT");
    if (start && out) {
        if (FILE* f = std::fopen(out, "w")) {
            std::fprintf(f, "%lld\n", now - std::atoll(start));
            std::fclose(f);
        }
    }
    _exit(0);
}

class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // A window's tree is painted and its backing store flushed before the event loop goes on.
            QTimer::singleShot(0, firstFrameShown);
        }
        return false;
    }

private:
    bool seen_ = false;
};

void install() { QCoreApplication::instance()->installEventFilter(new FirstPaint); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
