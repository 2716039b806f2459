#include "app/Messages.h"
#include "app/ProgramArguments.h"
#include "app/ProgramStart.h"
#include "app/Session.h"
#include "base/Clock.h"
#include "settings/SessionMode.h"
#include "ui/Choosers.h"
#include "ui/FontConfigWarmUp.h"
#include "ui/MainWindow.h"
#include "ui/QtImeControl.h"
#include "ui/QtPrompts.h"
#include "ui/TaglerApplication.h"
#include "ui/WindowLook.h"

#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <exception>
#include <iostream>
#include <memory>
#include <new>

int main(int argc, char** argv)
{
    tagler::useBinaryStandardStreams();
    tagler::ignoreFileSizeSignal();
    // Read before the application opens a display: help, version and a wrong option need none.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(QString::fromLocal8Bit(argv[i]));
    const tagler::ProgramArguments parsed = tagler::parseProgramArguments(arguments);
    if (parsed.usageError) {
        std::cerr << "tagler: " << *parsed.usageError << "\n" << tagler::kProgramUsage;
        return 2;
    }
    if (parsed.help) {
        std::cout << tagler::kProgramUsage;
        return 0;
    }
    if (parsed.version) {
        std::cout << "tagler " TAGLER_VERSION "\n";
        return 0;
    }
    if (parsed.notice)
        std::cerr << "tagler: " << *parsed.notice << "\n";

    tagler::FontConfigWarmUp fontConfig;
    tagler::TaglerApplication app(argc, argv);
    fontConfig.finish();
    app.setApplicationName(QString::fromUtf8(tagler::messages::kTitle));
    app.setWindowIcon(QIcon(QStringLiteral(":/tagler-64.png")));
    app.setFont(tagler::windowFont());
    if (const auto problem = tagler::codePageProblem()) {
        QMessageBox::critical(nullptr, QString::fromUtf8(tagler::messages::kTitle), QString::fromUtf8(*problem));
        return 1;
    }

    const tagler::SessionMode mode = parsed.mode;
    tagler::QtPrompts prompts;
    tagler::SystemClock clock;
    tagler::QtImeControl ime;
    tagler::QtChoosers choosers;
    tagler::Session session(QDir::currentPath().toStdString(), mode, prompts, clock);

    std::unique_ptr<tagler::MainWindow> window;
    try {
        window = std::make_unique<tagler::MainWindow>(session, ime, choosers);
    } catch (const std::bad_alloc&) {
        QMessageBox::critical(nullptr, QString::fromUtf8(tagler::messages::kTitle),
                              QString::fromUtf8(tagler::messages::kOutOfMemory));
        return 1;
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
