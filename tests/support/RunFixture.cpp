#include "support/RunFixture.h"

#include "base/CodePage.h"
#include "writer/AnnotationWriter.h"

namespace tagler::test {

AnnotationRun runAnnotation(const HeaderSpec& spec, const AnnotationSettings& settings,
                            const std::vector<std::string>& utf8, SessionMode mode)
{
    const HostHeader header = parseHostHeader(headerLines(spec, mode), mode);
    Lines lines;
    for (const auto& l : utf8)
        lines.push_back(sjis(l));
    OutputList out;
    AnnotationRun run;
    run.input = deriveSession(header, mode, settings, lines, out);
    const FixedClock clock(parseLocalDateTime("2026-01-01T09:00:00"));
    runAnnotationWriter(run.input, clock, out);
    for (const auto& r : out.records())
        run.records.push_back(toUtf8(r));
    return run;
}

std::vector<std::string> afterPrologue(const AnnotationRun& run)
{
    std::size_t skip = 2 + (run.input.settings.writeGroup != 0 ? 2 : 0);
    return std::vector<std::string>(run.records.begin() + static_cast<long>(skip), run.records.end());
}

} // namespace tagler::test
