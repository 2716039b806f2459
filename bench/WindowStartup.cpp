// The window's start-up over a drawing folder, from the session to the first
// painted frame with the quick-select memos in: how long the folder's data
// files hold it up (an oversized PJDATA.tx or memo file, for one).
// usage: tagler_window_startup FOLDER [RUNS]; prints the milliseconds of each run.
#include "app/Session.h"
#include "base/Clock.h"
#include "base/Prompts.h"
#include "ui/Choosers.h"
#include "ui/MainWindow.h"
#include "ui/QtImeControl.h"
#include "ui/TaglerApplication.h"
#include "ui/WindowLook.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <iostream>

namespace {

// The boxes a drafter would see, counted and said on stderr instead of shown.
class CountedPrompts final : public tagler::Prompts {
public:
    void information(const std::string& text) override { say(text); }
    void warning(const std::string& text) override { say(text); }
    void say(const std::string& text)
    {
        ++shown;
        std::cerr << text << "\n";
    }
    bool question(const std::string&) override { return false; }
    std::optional<std::string> chooseFolder(const std::string&) override { return std::nullopt; }
    int shown = 0;
};

} // namespace

int main(int argc, char** argv)
{
    tagler::TaglerApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: tagler_window_startup FOLDER [RUNS]\n";
        return 2;
    }
    app.setFont(tagler::windowFont());
    const std::string folder = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const QDir source(QString::fromStdString(folder));
    for (int run = 0; run < runs; ++run) {
        // Each run starts from the same files: closing writes some of them back.
        QTemporaryDir copy;
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), copy.filePath(name));
        QElapsedTimer timer;
        timer.start();
        CountedPrompts prompts;
        tagler::SystemClock clock;
        tagler::QtImeControl ime;
        tagler::QtChoosers choosers;
        tagler::Session session(copy.path().toStdString(), tagler::SessionMode::normal, prompts, clock);
        tagler::MainWindow window(session, ime, choosers);
        window.show();
        // The memos come in on the first turn of the event loop after showing.
        QTimer::singleShot(0, &app, [] {});
        app.processEvents();
        app.processEvents();
        window.grab();
        std::cout << "run " << run + 1 << ": " << timer.elapsed() << " ms, " << prompts.shown << " boxes\n";
    }
    return 0;
}
