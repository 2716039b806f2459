#include "host/ProgramRun.h"

#include "base/LineFile.h"
#include "host/ExchangeFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace tagler::host {

bool exchangeFileUnprocessed(const std::string& folder)
{
    std::string path = QDir(QString::fromStdString(folder)).filePath(QLatin1String(exchangeFileName)).toStdString();
    if (!fileExists(path))
        return false;
    Lines lines = readLines(path);
    return !lines.empty() && lines[0].rfind("hq", 0) == 0;
}

RunOutcome runProgram(const std::string& program, const std::string& folder, const std::optional<std::string>& argument,
                      int timeoutMs)
{
    return runProgram(program, folder, argument ? std::vector<std::string>{*argument} : std::vector<std::string>{},
                      timeoutMs);
}

RunOutcome runProgram(const std::string& program, const std::string& folder, const std::vector<std::string>& arguments,
                      int timeoutMs)
{
    QProcess process;
    // A path names a file from our folder; the program starts in another one.
    QString path = QString::fromStdString(program);
    if (path.contains(u'/'))
        path = QFileInfo(path).absoluteFilePath();
    process.setProgram(path);
    QStringList args;
    for (const std::string& a : arguments)
        args << QString::fromStdString(a);
    process.setArguments(args);
    process.setWorkingDirectory(QString::fromStdString(folder));
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);

    RunOutcome outcome;
    process.start();
    if (!process.waitForStarted(-1)) {
        outcome.status = RunOutcome::Status::FailedToStart;
        outcome.message = process.errorString().toStdString();
        return outcome;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(-1);
        outcome.status = RunOutcome::Status::TimedOut;
        outcome.message = "no end after " + std::to_string(timeoutMs / 1000) + " s; killed";
    } else if (process.exitStatus() == QProcess::CrashExit) {
        outcome.status = RunOutcome::Status::Crashed;
        outcome.message = process.errorString().toStdString();
    } else {
        outcome.exitCode = process.exitCode();
    }
    outcome.executed = !exchangeFileUnprocessed(folder);
    return outcome;
}

} // namespace tagler::host
