#include "app/ExchangeStartup.h"

#include "app/InputText.h"
#include "app/Messages.h"
#include "base/LineReader.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace tagler {

namespace {

// A streamed selection keeps its lines up to the one 枠書込１ takes its group from, and reads
// on only for the texts the input box takes.
constexpr std::size_t kSelectionHeadLines = header_line::kFrameWrite1Group + 1;

struct SelectionHead {
    Lines lines;
    Lines texts;
    std::size_t lineCount = 0;
};

SelectionHead readSelectionHead(const std::string& path)
{
    SelectionHead head;
    LineReader reader(path);
    for (std::string line; reader.next(line); ++head.lineCount) {
        if (head.lineCount == 0 && line != "hq")
            break; // refused: nothing more is needed
        if (head.lineCount >= header_line::kFirstSelectedRecord)
            if (auto text = textOfRecord(line))
                head.texts.push_back(std::move(*text));
        if (head.lineCount < kSelectionHeadLines)
            head.lines.push_back(line);
        else if (head.texts.size() > std::size_t(kInputMaxLines))
            break; // one text past what the box takes is enough to say some are left out
    }
    return head;
}

// Taken before the file is read, so a change while it is read counts too.
ExchangeStamp stampOf(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    if (!info.isFile())
        return {};
    return {info.size(), info.lastModified().toMSecsSinceEpoch(), {}};
}

// The header, or the selection's first lines: enough to tell one handed-over file from another.
constexpr std::size_t kStampLines = header_line::kHeaderLinesRead;

} // namespace

bool stillAsRead(const ExchangeState& x)
{
    ExchangeStamp now = stampOf(x.path);
    if (now.size != x.stamp.size || now.modifiedMs != x.stamp.modifiedMs)
        return false;
    return readLeadingLines(x.path, x.stamp.head.size()) == x.stamp.head;
}

std::string exchangeFilePath(const std::string& folder) { return folder + "/jwc_temp.txt"; }

namespace {

ExchangeState readExchangeFile(const std::string& folder, SessionMode mode, Prompts& prompts, SelectionReading reading)
{
    ExchangeState x;
    x.mode = mode;
    const std::string path = exchangeFilePath(folder);
    x.path = path;
    auto refuse = [&](const std::string& text, bool warning) {
        if (warning)
            prompts.warning(text);
        else
            prompts.information(text);
        x.completionEnabled = false;
        x.refusal = text;
    };
    if (!fileExists(path)) {
        refuse(messages::kExchangeMissing, false);
        return x;
    }
    x.stamp = stampOf(path);
    const auto keepHead = [&x] {
        x.stamp.head.assign(x.exchangeLines.begin(),
                            x.exchangeLines.begin() + std::ptrdiff_t(std::min(x.exchangeLines.size(), kStampLines)));
    };

    const SessionModeTraits& traits = tagler::traits(mode);
    if (traits.handsOverSelection) {
        x.selectionStreamed = reading == SelectionReading::streamed;
        SelectionHead head;
        if (x.selectionStreamed) {
            head = readSelectionHead(path);
        } else {
            head.lines = readLeadingLines(path, std::numeric_limits<std::size_t>::max());
            head.lineCount = head.lines.size();
        }
        x.exchangeLines = std::move(head.lines);
        keepHead();
        // Records written back by an earlier run, or the emptied file an import leaves, are no
        // selection: taking them would replace the host's records with nothing.
        if (x.exchangeLines.empty() || x.exchangeLines[0] != "hq") {
            refuse(messages::kExchangeTransformed, false);
            return x;
        }
        if (head.lineCount < header_line::kShortestSelection) {
            refuse(messages::kExchangeInvalid, true);
            return x;
        }
        x.importedText = x.selectionStreamed ? std::move(head.texts) : importTextRecords(x.exchangeLines);
        x.importedTextsLeftOut = x.importedText.size() > std::size_t(kInputMaxLines);
        x.importedText.resize(std::min(x.importedText.size(), std::size_t(kInputMaxLines)));
        x.importedIntoBox = true;
        if (traits.framesExistingText)
            x.header = parseHostHeader(x.exchangeLines, mode);
        else
            writeLines(path, {}); // importing hands the host back nothing: the texts go to the input box
        return x;
    }
    // Only the header is used: a file of any length costs its header lines.
    x.exchangeLines = readLeadingLines(path, header_line::kHeaderLinesRead);
    keepHead();
    x.header = parseHostHeader(x.exchangeLines, mode);
    if (x.header.state == HeaderState::transformed)
        refuse(messages::kExchangeTransformed, false);
    else if (x.header.state == HeaderState::tooShort)
        refuse(messages::kExchangeDataError, false);
    return x;
}

} // namespace

ExchangeState loadExchangeFile(const std::string& folder, SessionMode mode, Prompts& prompts, SelectionReading reading)
{
    try {
        return readExchangeFile(folder, mode, prompts, reading);
    } catch (const LineTooLong&) {
        ExchangeState x;
        x.mode = mode;
        x.path = exchangeFilePath(folder);
        x.completionEnabled = false;
        x.refusal = messages::exchangeLineTooLong();
        prompts.warning(x.refusal);
        return x;
    }
}

} // namespace tagler
