#pragma once
#include "app/HostHeader.h"
#include "settings/AnnotationSettings.h"
#include "writer/OutputList.h"
#include "writer/WriterInput.h"

#include <span>
#include <string>

namespace tagler {

// What the frame-writing modes add: the record being framed.
struct FramingContext {
    std::string currentRecord;
    std::span<const std::string> exchangeLines; // as handed over, owned by the exchange state
};

// Reads the header, the settings and the input box; appends the prologue
// records (group and scale ratio, line type, layer) and fills the writer's input.
WriterInput deriveSession(const HostHeader& header, SessionMode mode, const AnnotationSettings& settings,
                          const Lines& inputLines, OutputList& out, const FramingContext* framing = nullptr);

// Hexadecimal group digit: "A"–"F"/"a"–"f" → 10–15, otherwise the character as an integer.
int groupOfRecord(const std::string& record);

} // namespace tagler
