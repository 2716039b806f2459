#include "host/RenderCommand.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "host/ExchangeFolder.h"
#include "host/RenderFile.h"
#include "render/HandOver.h"

#include <QFileInfo>

#include <iostream>
#include <iterator>

namespace tagler::host {

using namespace tagler::render;
namespace {

constexpr int notExecutedExit = 3;

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

} // namespace

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

int reportRun(const RunOutcome& outcome, const std::string& program)
{
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
        std::cout << "tagler-host: not executed (未実行)\n";
        return outcome.exitCode != 0 ? outcome.exitCode : notExecutedExit;
    }
    return outcome.exitCode;
}

} // namespace tagler::host
