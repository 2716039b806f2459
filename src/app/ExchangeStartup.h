#pragma once
#include "app/HostHeader.h"
#include "base/Prompts.h"

#include <string>

namespace tagler {

// What start-up takes from the exchange file, by session mode.
// A selection is held whole where the window shows it; the batch program takes it a record at
// a time, so a sheet of texts costs a record, not the sheet.
enum class SelectionReading { held, streamed };

// The exchange file as start-up found it: another window on the same folder, or the host, may
// replace it before completion, and their records are not this window's to write over.
struct ExchangeStamp {
    long long size = -1;
    long long modifiedMs = 0;
    Lines head; // its first lines as read
};

struct ExchangeState {
    SessionMode mode = SessionMode::normal;
    HostHeader header;
    std::string path;
    // The file as handed over: the header lines a mode without a selection reads; a selection
    // whole, or when streamed its first lines only, the records read again at completion.
    Lines exchangeLines;
    bool selectionStreamed = false;
    Lines importedText; // texts of the handed-over text records, for the input box
    bool importedIntoBox = false;
    bool importedTextsLeftOut = false; // the selection held more texts than the box takes
    bool completionEnabled = true;
    std::string refusal; // the start-up message that disabled completion
    ExchangeStamp stamp;
};

std::string exchangeFilePath(const std::string& folder);

// Reads and checks the exchange file, showing the start-up messages. Errors of
// the header's token scans propagate with their kind.
ExchangeState loadExchangeFile(const std::string& folder, SessionMode mode, Prompts& prompts,
                               SelectionReading reading = SelectionReading::held);

// Whether the exchange file is still the one start-up read: same size, time and first lines.
bool stillAsRead(const ExchangeState& x);

} // namespace tagler
