#include "app/ExchangeStartup.h"

#include "app/Messages.h"

namespace tagler {

std::string exchangeFilePath(const std::string& folder) { return folder + "/jwc_temp.txt"; }

ExchangeState loadExchangeFile(const std::string& folder, SessionMode mode, Prompts& prompts)
{
    ExchangeState x;
    x.mode = mode;
    const std::string path = exchangeFilePath(folder);
    auto refuse = [&](const char* text, bool warning) {
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

    x.exchangeLines = readLines(path);
    const SessionModeTraits& traits = tagler::traits(mode);
    if (traits.handsOverSelection) {
        // Records written back by an earlier run, or the emptied file an import leaves, are no
        // selection: taking them would replace the host's records with nothing.
        if (x.exchangeLines.empty() || x.exchangeLines[0] != "hq") {
            refuse(messages::kExchangeTransformed, false);
            return x;
        }
        if (x.exchangeLines.size() < header_line::kShortestSelection) {
            refuse(messages::kExchangeInvalid, true);
            return x;
        }
        x.importedText = importTextRecords(x.exchangeLines);
        x.importedIntoBox = true;
        if (traits.framesExistingText)
            x.header = parseHostHeader(x.exchangeLines, mode);
        else
            writeLines(path, {}); // importing hands the host back nothing: the texts go to the input box
        return x;
    }
    x.header = parseHostHeader(x.exchangeLines, mode);
    if (x.header.state == HeaderState::transformed)
        refuse(messages::kExchangeTransformed, false);
    else if (x.header.state == HeaderState::tooShort)
        refuse(messages::kExchangeDataError, false);
    return x;
}

} // namespace tagler
