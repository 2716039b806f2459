#pragma once
#include "app/HostHeader.h"
#include "base/Prompts.h"

#include <string>

namespace tagler {

// What start-up takes from the exchange file, by session mode.
struct ExchangeState {
    SessionMode mode = SessionMode::normal;
    HostHeader header;
    Lines exchangeLines; // the file as handed over: header, then the selected records
    Lines importedText;  // texts of the handed-over text records, for the input box
    bool importedIntoBox = false;
    bool completionEnabled = true;
    std::string refusal; // the start-up message that disabled completion
};

std::string exchangeFilePath(const std::string& folder);

// Reads and checks the exchange file, showing the start-up messages. Errors of
// the header's token scans propagate with their kind.
ExchangeState loadExchangeFile(const std::string& folder, SessionMode mode, Prompts& prompts);

} // namespace tagler
