#include "app/Messages.h"
#include "app/ProgramArguments.h"
#include "app/ProgramStart.h"
#include "app/Session.h"
#include "base/Clock.h"
#include "settings/SessionMode.h"
#include "ui/Choosers.h"
#include "ui/MainWindow.h"
#include "ui/QtImeControl.h"
#include "ui/QtPrompts.h"
#include "ui/TaglerApplication.h"
#include "ui/WindowLook.h"

#include <QDir>
#include <QMessageBox>
#include <exception>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    // Help and version need no display, so they are answered before the application opens one.
    const tagler::ProgramArguments early =
        tagler::parseProgramArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (early.help) {
        std::cout << tagler::kProgramUsage;
        return 0;
    }
    if (early.version) {
        std::cout << "tagler " TAGLER_VERSION "\n";
        return 0;
    }
    // Single-dash options may be Qt's own (-platform, -style); double-dash ones are ours alone.
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]).rfind("--", 0) == 0) {
            std::cerr << "tagler: unknown option " << argv[i] << "\n" << tagler::kProgramUsage;
            return 2;
        }

    tagler::TaglerApplication app(argc, argv);
    app.setApplicationName(QString::fromUtf8(tagler::messages::kTitle));
    app.setFont(tagler::windowFont());
    if (const auto problem = tagler::codePageProblem()) {
        QMessageBox::critical(nullptr, QString::fromUtf8(tagler::messages::kTitle), QString::fromUtf8(*problem));
        return 1;
    }

    // Qt has taken its own options from the list by now.
    std::vector<std::string> args;
    for (const QString& a : app.arguments().mid(1))
        args.push_back(a.toStdString());
    const tagler::ProgramArguments parsed = tagler::parseProgramArguments(args);
    if (parsed.usageError) {
        std::cerr << "tagler: " << *parsed.usageError << "\n" << tagler::kProgramUsage;
        return 2;
    }
    if (parsed.notice)
        std::cerr << "tagler: " << *parsed.notice << "\n";
    const tagler::SessionMode mode = parsed.mode;
    tagler::QtPrompts prompts;
    tagler::SystemClock clock;
    tagler::QtImeControl ime;
    tagler::QtChoosers choosers;
    tagler::Session session(QDir::currentPath().toStdString(), mode, prompts, clock);

    std::unique_ptr<tagler::MainWindow> window;
    try {
        window = std::make_unique<tagler::MainWindow>(session, ime, choosers);
    } catch (const std::exception& e) {
        // Start-up reports the errors it knows; anything else ends here, visibly.
        QMessageBox::critical(nullptr, QString::fromUtf8(tagler::messages::kTitle), QString::fromUtf8(e.what()));
        return 1;
    }
    prompts.setParent(window.get());
    ime.attach(window.get());
    choosers.setParent(window.get());
    // Without its state file the program has nothing to show; it ends where
    // the window would appear, and writes nothing.
    if (session.terminateRequested())
        return 0;
    QObject::connect(window.get(), &tagler::MainWindow::finished, &app, &QCoreApplication::quit);
    // A fixed-size tool window: nothing to maximise.
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    window->show();
    return app.exec();
}
