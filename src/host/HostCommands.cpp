#include "host/HostCommands.h"

#include "base/DataFolder.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "host/ExchangeFolder.h"
#include "host/Gallery.h"
#include "host/HostCommandLine.h"
#include "host/ProgramRun.h"
#include "host/RenderFile.h"
#include "render/HandOver.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <iostream>
#include <iterator>

namespace tagler::host {

using namespace tagler::render;
namespace {

constexpr int usageExit = 2;
constexpr int notExecutedExit = 3;

int newFolder(const NewCommand& c, const std::string& binFolder)
{
    Lines records;
    if (c.recordsFile)
        records = readUtf8Records(*c.recordsFile);
    Lines header = buildHeader(c.request);
    std::vector<std::string> copied = prepareExchangeFolder(c.folder, header, records, defaultDataFolder(binFolder));
    std::cout << "tagler-host: wrote "
              << QDir(QString::fromStdString(c.folder)).filePath(QLatin1String(exchangeFileName)).toStdString() << " ("
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
        c.program ? *c.program
                  : QDir(QString::fromStdString(binFolder)).filePath(QStringLiteral("tagler")).toStdString();
    if (!fileExists(QDir(QString::fromStdString(c.folder)).filePath(QLatin1String(exchangeFileName)).toStdString()))
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

// The records of one file as drawn, and where their lines are.
struct DrawnFile {
    std::string path;
    Drawing drawing;
};

void reportSkipped(const DrawnFile& drawn)
{
    for (const SkippedRecord& s : drawn.drawing.skipped)
        std::cerr << "tagler-host: " << drawn.path << " line " << s.lineNumber << " skipped (" << s.reason
                  << "): " << toUtf8(s.line) << "\n";
}

int renderFile(const RenderCommand& c)
{
    // A file still beginning with its header is a hand-over: its header sizes
    // the text and its selection is what there is to see. A processed file
    // holds the program's records alone; the kept hand-over gives the sizes,
    // and its selection is drawn first, as the host's drawing still holds it.
    const Lines file = readLines(c.recordFile);
    const std::optional<HandOver> own = splitHandOver(file);
    const std::string keptPath = c.header ? *c.header : handOverCopyBeside(c.recordFile);
    std::optional<HandOver> kept;
    if (c.header || !own) {
        if (fileExists(keptPath)) {
            Lines lines = readLines(keptPath);
            kept = splitHandOver(lines).value_or(HandOver{lines, {}}); // a header typed by hand may lack "hq"
        } else if (c.header) {
            fail(ErrorKind::InputOutput, "no header file " + keptPath);
        } else {
            std::cerr << "tagler-host: note: no " << handOverCopyName
                      << " beside the records; default scales and text sizes\n";
        }
    }
    HostSheet sheet = defaultHostSheet();
    if (kept)
        sheet = readHostSheet(kept->header);
    else if (own)
        sheet = readHostSheet(own->header);

    std::vector<DrawnFile> layers;
    if (own) {
        layers.push_back({c.recordFile, buildDrawing(own->selection, sheet, static_cast<int>(own->header.size()) + 1)});
    } else {
        if (kept && !kept->selection.empty())
            layers.push_back(
                {keptPath, buildDrawing(kept->selection, sheet, static_cast<int>(kept->header.size()) + 1)});
        layers.push_back({c.recordFile, buildDrawing(file, sheet)});
    }
    Drawing drawing;
    std::size_t skipped = 0;
    for (DrawnFile& layer : layers) {
        reportSkipped(layer);
        skipped += layer.drawing.skipped.size();
        std::move(layer.drawing.shapes.begin(), layer.drawing.shapes.end(), std::back_inserter(drawing.shapes));
    }
    renderToFile(drawing, c.out, QFileInfo(QString::fromStdString(c.recordFile)).fileName());

    if (skipped > 0)
        std::cerr << "tagler-host: " << skipped << " record(s) skipped\n";
    std::cout << "tagler-host: drew " << drawing.shapes.size() << " shapes from ";
    if (own)
        std::cout << own->selection.size() << " records after a " << own->header.size() << "-line header";
    else
        std::cout << file.size() << " records";
    if (layers.size() > 1)
        std::cout << " over the " << kept->selection.size() << " selected records kept in " << keptPath;
    std::cout << " into " << c.out << "\n";
    return 0;
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
    return command == QLatin1String("render") || command == QLatin1String("gallery");
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
