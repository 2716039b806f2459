#pragma once
#include "base/LineFile.h"
#include "render/HostRecord.h"
#include "render/HostSheet.h"
#include "settings/SessionMode.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The header the host writes into jwc_temp.txt before it starts the program.
namespace tagler::host {

// The host starts the program in the same modes the program knows.
using HostMode = SessionMode;

// "normal" or "T1".."T5" in either case.
std::optional<HostMode> hostModeFromName(std::string_view name);
const char* hostModeName(HostMode mode); // "normal", "T1".."T5"
bool handsOverSelection(HostMode mode);  // T1..T3: records instead of points

struct HeaderRequest {
    HostMode mode = HostMode::normal;
    render::HostSheet sheet = render::defaultHostSheet(); // scales, text types, group, layer, colour, text type, font
    // Numbered as the program names them: 1 tip, 2 leader end, 3 direction,
    // 4 bend (four-point only). Text mode hands over 1 and 3 only; the program
    // reads its point 2 from point 1's line.
    render::Point p1, p2, p3, p4;
};

// A point line of the header, in the order the host asked for the point.
struct HeaderPoint {
    render::Point at;
    bool rubberBand = false; // tagged "hpn-"
};

// The request's points as the mode's own batch file asks for them.
std::vector<HeaderPoint> askedPoints(const HeaderRequest& request);

// Every line at the position the program reads for the mode. In the
// selection modes (T1..T3) the records follow the returned lines.
Lines buildHeader(const HeaderRequest& request);
// The same with the points a batch file asked for, whatever the mode reads.
Lines buildHeader(const HeaderRequest& request, const std::vector<HeaderPoint>& points);

// A number as the host writes it: plain decimal, up to 15 significant digits,
// more only when 15 would not read back to the same single-precision value.
std::string hostDecimal(double value);

} // namespace tagler::host
