#include "host/HostCommands.h"

#include "base/DataFolder.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "host/BatchCommands.h"
#include "host/ExchangeFolder.h"
#include "host/Gallery.h"
#include "host/HostCommandLine.h"
#include "host/ProgramRun.h"
#include "host/RenderCommand.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <iostream>

namespace tagler::host {

using namespace tagler::render;
namespace {

constexpr int usageExit = 2;

int newFolder(const NewCommand& c, const std::string& binFolder)
{
    if (c.batchFile)
        return newFolderFromBatch(c, binFolder);
    std::optional<Lines> records;
    if (c.recordsFile)
        records = readUtf8Records(*c.recordsFile);
    return writeHandOver(c.folder, c.request.mode, buildHeader(c.request), records, binFolder);
}

int runFolder(const RunCommand& c, const std::string& binFolder)
{
    if (c.batchFile)
        return runBatch(c, binFolder);
    std::string program =
        c.program ? *c.program
                  : QDir(QString::fromStdString(binFolder)).filePath(QStringLiteral("tagler")).toStdString();
    if (!fileExists(QDir(QString::fromStdString(c.folder)).filePath(QLatin1String(exchangeFileName)).toStdString()))
        std::cerr << "tagler-host: note: " << c.folder << " holds no " << exchangeFileName << "\n";
    return reportRun(runProgram(program, c.folder, c.argument), program);
}

int galleryCommand(const QStringList& args)
{
    if (args.size() != 1 || !args[0].endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
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

bool commandNeedsGui(const QString& command)
{
    // run --batch draws what the program wrote.
    return command == QLatin1String("render") || command == QLatin1String("gallery") || command == QLatin1String("run");
}

int runHostCommand(const QStringList& args, const std::string& binFolder)
{
    // The command's own options are read by its parser.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(QStringList{QStringLiteral("tagler-host")} + args)) {
        std::cerr << "tagler-host: " << parser.errorText().toStdString() << "\n" << hostUsage;
        return usageExit;
    }
    if (parser.isSet(help)) {
        std::cout << hostUsage;
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << "tagler-host " TAGLER_VERSION "\n";
        return 0;
    }
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        std::cerr << hostUsage;
        return usageExit;
    }
    const QString& command = words[0];
    const QStringList rest = words.mid(1);
    try {
        if (command == QLatin1String("new"))
            return newFolder(parseNewCommand(rest), binFolder);
        if (command == QLatin1String("select"))
            return newFolder(parseSelectCommand(rest), binFolder);
        if (command == QLatin1String("run"))
            return runFolder(parseRunCommand(rest), binFolder);
        if (command == QLatin1String("render"))
            return renderFile(parseRenderCommand(rest));
        if (command == QLatin1String("check-batch"))
            return checkBatchFiles(rest);
        if (command == QLatin1String("write-batches"))
            return writeModeBatches(rest);
        if (command == QLatin1String("gallery"))
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
