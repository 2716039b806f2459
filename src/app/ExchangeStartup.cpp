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

    switch (mode) {
    case SessionMode::importText: {
        x.exchangeLines = readLines(path);
        if (x.exchangeLines.size() <= 14) {
            refuse(messages::kExchangeInvalid, true);
            break;
        }
        x.importedText = importTextRecords(x.exchangeLines);
        x.importedIntoBox = true;
        // The host is handed back nothing: the text goes to the input box instead.
        writeLines(path, {});
        break;
    }
    case SessionMode::frameWrite1:
    case SessionMode::frameWrite2: {
        x.exchangeLines = readLines(path);
        if (x.exchangeLines.size() <= 14) {
            refuse(messages::kExchangeInvalid, true);
            break;
        }
        x.importedText = importTextRecords(x.exchangeLines);
        x.importedIntoBox = true;
        x.header = parseHostHeader(x.exchangeLines, mode);
        break;
    }
    default:
        x.exchangeLines = readLines(path);
        x.header = parseHostHeader(x.exchangeLines, mode);
        if (x.header.state == 1)
            refuse(messages::kExchangeTransformed, false);
        else if (x.header.state == 2)
            refuse(messages::kExchangeDataError, false);
        break;
    }
    return x;
}

} // namespace tagler
