#pragma once
#include "app/HostHeader.h"
#include "settings/AnnotationSettings.h"
#include "writer/OutputList.h"
#include "writer/WriterInput.h"

#include <span>
#include <string>
#include <vector>

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

// A point the host indicated, numbered as the program names them (1 tip,
// 2 leader end, 3 direction, 4 bend).
struct IndicatedPoint {
    int number = 0;
    Point at;
};

// The points the mode reads from the header, in number order; an unreadable
// point line is a conversion error. Text mode's point 2 is point 1 and is
// left out; the frame-writing modes have none.
std::vector<IndicatedPoint> indicatedPoints(const HostHeader& header, SessionMode mode);

// Hexadecimal group digit: "A"–"F"/"a"–"f" → 10–15, otherwise the character as an integer.
int groupOfRecord(const std::string& record);

} // namespace tagler
