#include "app/ProgramStart.h"
#include "host/HostCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <vector>

int main(int argc, char** argv)
{
    tagler::useBinaryStandardStreams();
    tagler::ignoreFileSizeSignal();
    bool gui = argc > 1 && tagler::host::commandNeedsGui(QString::fromLocal8Bit(argv[1]));
    std::unique_ptr<QCoreApplication> app;
    // Rendering needs fonts but never a display. The platform is chosen on the command line, not
    // in the environment, so a program the host starts sees the user's own environment.
    std::vector<char*> args(argv, argv + argc);
    char platformOption[] = "-platform";
    char offscreen[] = "offscreen";
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        args.insert(args.begin() + 1, {platformOption, offscreen});
        argc = static_cast<int>(args.size());
    }
    args.push_back(nullptr);
    if (gui)
        app = std::make_unique<QGuiApplication>(argc, args.data());
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    if (const auto problem = tagler::codePageProblem()) {
        std::cerr << "tagler-host: " << *problem << "\n";
        return 1;
    }
    return tagler::host::runHostCommand(app->arguments().mid(1), QCoreApplication::applicationDirPath().toStdString());
}
