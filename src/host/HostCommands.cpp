#include "host/HostCommands.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "host/ExchangeFolder.h"
#include "host/Gallery.h"
#include "host/HostCommandLine.h"
#include "host/ProgramRun.h"
#include "host/RenderFile.h"

#include <QDir>
#include <QFileInfo>

#include <iostream>

namespace tagler::host {
namespace {

constexpr int usageExit = 2;
constexpr int notExecutedExit = 3;

int newFolder(const NewCommand& c, const std::string& binFolder)
{
    Lines records;
    if (c.recordsFile)
        records = readUtf8Records(*c.recordsFile);
    Lines header = buildHeader(c.request);
    std::vector<std::string> copied = prepareExchangeFolder(c.folder, header, records, binFolder);
    std::cout << "tagler-host: wrote "
              << QDir(QString::fromStdString(c.folder)).filePath(exchangeFileName).toStdString() << " ("
              << hostModeName(c.request.mode) << ", " << header.size() << " header lines";
    if (c.recordsFile)
        std::cout << ", " << records.size() << " records";
    std::cout << ")\n";
    for (const std::string& name : copied)
        std::cout << "tagler-host: copied default " << name << "\n";
    return 0;
}

int runFolder(const RunCommand& c, const std::string& binFolder)
{
    std::string program =
        c.program ? *c.program : QDir(QString::fromStdString(binFolder)).filePath("tagler").toStdString();
    if (!fileExists(QDir(QString::fromStdString(c.folder)).filePath(exchangeFileName).toStdString()))
        std::cerr << "tagler-host: note: " << c.folder << " holds no " << exchangeFileName << "\n";
    RunOutcome outcome = runProgram(program, c.folder, c.argument);
    switch (outcome.status) {
    case RunOutcome::Status::FailedToStart:
        std::cerr << "tagler-host: cannot start " << program << ": " << outcome.message << "\n";
        return 127;
    case RunOutcome::Status::Crashed:
        std::cerr << "tagler-host: " << program << " crashed: " << outcome.message << "\n";
        return 134;
    case RunOutcome::Status::TimedOut:
        std::cerr << "tagler-host: " << program << ": " << outcome.message << "\n";
        return 124;
    case RunOutcome::Status::Ended: break;
    }
    std::cout << "tagler-host: program ended with exit code " << outcome.exitCode << "\n";
    if (!outcome.executed) {
        std::cout << "tagler-host: not executed\n";
        return outcome.exitCode != 0 ? outcome.exitCode : notExecutedExit;
    }
    return outcome.exitCode;
}

int renderFile(const RenderCommand& c)
{
    Lines records = readLines(c.recordFile);
    std::string headerPath = c.header ? *c.header : headerCopyBeside(c.recordFile);
    HostSheet sheet = defaultHostSheet();
    if (fileExists(headerPath))
        sheet = readHostSheet(readLines(headerPath));
    else if (c.header)
        fail(ErrorKind::InputOutput, "no header file " + headerPath);
    else
        std::cerr << "tagler-host: note: no " << headerCopyName
                  << " beside the records; default scales and text sizes\n";

    Drawing drawing = renderToFile(records, sheet, c.out, QFileInfo(QString::fromStdString(c.recordFile)).fileName());
    for (const SkippedRecord& s : drawing.skipped)
        std::cerr << "tagler-host: line " << s.lineNumber << " skipped (" << s.reason << "): " << toUtf8(s.line)
                  << "\n";
    if (!drawing.skipped.empty())
        std::cerr << "tagler-host: " << drawing.skipped.size() << " record(s) skipped\n";
    std::cout << "tagler-host: drew " << drawing.shapes.size() << " shapes from " << records.size() << " records into "
              << c.out << "\n";
    return 0;
}

int galleryCommand(const QStringList& args)
{
    if (args.size() != 1 || !args[0].endsWith(".png", Qt::CaseInsensitive)) {
        std::cerr << "usage: tagler-host gallery OUT.png\n";
        return usageExit;
    }
    const std::string out = args[0].toStdString();
    const int failures = writeGallery(out);
    std::cout << "tagler-host: wrote the frame gallery into " << out << "\n";
    if (failures > 0) {
        std::cerr << "tagler-host: " << failures << " tile(s) could not be written whole; see their captions\n";
        return 1;
    }
    return 0;
}

} // namespace

bool commandNeedsGui(const QString& command) { return command == "render" || command == "gallery"; }

int runHostCommand(const QStringList& args, const std::string& binFolder)
{
    if (args.isEmpty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << hostUsage;
        return args.isEmpty() ? usageExit : 0;
    }
    const QString& command = args[0];
    QStringList rest = args.mid(1);
    try {
        if (command == "new")
            return newFolder(parseNewCommand(rest), binFolder);
        if (command == "run")
            return runFolder(parseRunCommand(rest), binFolder);
        if (command == "render")
            return renderFile(parseRenderCommand(rest));
        if (command == "gallery")
            return galleryCommand(rest);
        std::cerr << "tagler-host: unknown command " << command.toStdString() << "\n" << hostUsage;
        return usageExit;
    } catch (const Error& e) {
        std::cerr << "tagler-host: " << e.what() << "\n";
        bool usage = e.kind() == ErrorKind::Range || e.kind() == ErrorKind::Conversion;
        return usage ? usageExit : 1;
    }
}

} // namespace tagler::host
