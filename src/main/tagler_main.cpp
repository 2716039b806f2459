#include "app/Messages.h"
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
#include <memory>

int main(int argc, char** argv)
{
    tagler::TaglerApplication app(argc, argv);
    app.setApplicationName(QString::fromUtf8(tagler::messages::kTitle));
    app.setFont(tagler::windowFont());

    const tagler::SessionMode mode = tagler::sessionModeFromArgument(argc > 1 ? argv[1] : "");
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
        QMessageBox::critical(nullptr, QString::fromUtf8(tagler::messages::kTitle), QString::fromLocal8Bit(e.what()));
        return 1;
    }
    prompts.setParent(window.get());
    choosers.setParent(window.get());
    // Without its state file the program has nothing to show; it ends where
    // the window would appear, and writes nothing.
    if (session.terminateRequested())
        return 0;
    QObject::connect(window.get(), &tagler::MainWindow::finished, &app, &QCoreApplication::quit);
    window->show();
    return app.exec();
}
