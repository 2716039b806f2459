#include "host/HostCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

int main(int argc, char** argv)
{
    // Rendering needs fonts but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    bool gui = argc > 1 && tagler::host::commandNeedsGui(QString::fromLocal8Bit(argv[1]));
    std::unique_ptr<QCoreApplication> app;
    if (gui)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    return tagler::host::runHostCommand(app->arguments().mid(1), QCoreApplication::applicationDirPath().toStdString());
}
