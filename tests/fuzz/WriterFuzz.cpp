// The writer end to end: a header as the host writes it in the normal, text
// (T4) or four-point (T5) mode, every settings field within its range, the
// date, and up to five lines of text as the input box takes them, through
// runAnnotation to the exchange file.
#include "fuzz/FuzzSupport.h"

#include "app/HostHeader.h"
#include "app/InputText.h"
#include "base/CodePage.h"
#include "base/TextGate.h"
#include "host/ExchangeHeader.h"

#include <cmath>

using namespace tagler;

namespace {

render::Point point(fuzz::Bytes& in)
{
    const double x = in.number();
    return {x, in.number()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes in(data, size);
    const SessionMode modes[] = {SessionMode::normal, SessionMode::textMode, SessionMode::fourPoint};
    const SessionMode mode = modes[in.byte() % 3];

    AnnotationSettings settings;
    fuzz::readSettingsFields(in, settings);

    const int month = in.inRange(1, 12), day = in.inRange(1, 28);
    const FixedClock clock({in.inRange(1990, 2089), month, day, in.inRange(0, 23), in.inRange(0, 59), in.inRange(0, 59),
                            in.inRange(1, 7)});

    host::HeaderRequest r;
    r.mode = mode;
    for (double& s : r.sheet.groupScales) {
        const double v = std::fabs(in.number());
        s = v > 0 ? v : 1;
    }
    for (render::TextType& t : r.sheet.textTypes) {
        t.width = std::fabs(in.number());
        t.height = std::fabs(in.number());
        t.spacing = std::fabs(in.number());
    }
    r.sheet.group = in.inRange(0, 15);
    r.sheet.layer = in.inRange(0, 15);
    r.sheet.lineColor = in.inRange(1, 8);
    r.sheet.textType = in.inRange(1, 10);
    // A font name is one line of the header.
    r.sheet.font = toCp932Text(QString::fromStdString(fuzz::userText(in.text(32)))).value_or(std::string());
    std::erase_if(r.sheet.font, [](char c) { return c == '\r' || c == '\n'; });
    r.p1 = point(in);
    r.p2 = point(in);
    r.p3 = point(in);
    r.p4 = point(in);
    Lines header;
    if (!fuzz::guarded("writing the header", [&] { header = host::buildHeader(r); }))
        return 0;

    ExchangeState x;
    x.mode = mode;
    try {
        x.header = parseHostHeader(header, mode);
    } catch (const std::exception& e) {
        fuzz::violation("a header as the host writes it cannot be read", e.what());
    }
    if (x.header.state != HeaderState::accepted)
        fuzz::violation("a header as the host writes it is refused");

    // Text the input box would refuse never reaches the writer.
    const auto text = inputLinesFromText(QString::fromStdString(fuzz::userText(in.rest())));
    if (!text)
        return 0;
    fuzz::runAndCheck(x, settings, *text, clock, header);
    return 0;
}
