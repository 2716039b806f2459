#include "writer/LineMeasure.h"

#include "base/CodePage.h"
#include "writer/EmbeddedText.h"

namespace tagler {

bool isMemoLine(std::string_view line) { return line.substr(0, 2) == "~~"; }

namespace {

// Bytes a date or time code adds over its two typed characters.
int embeddedCodeGrowth(std::string_view line)
{
    int growth = 0;
    for (const EmbeddedToken& t : tokenizeEmbeddedText(embeddedTextRest(line))) {
        if (!t.isCode || (t.marker != '=' && t.marker != '_'))
            continue;
        if (t.letter == "f")
            growth += 8;
        else if (t.letter == "F")
            growth += 17;
    }
    return growth;
}

} // namespace

LineMeasures measureLines(const std::vector<std::string>& lines, bool useEmbeddedText)
{
    LineMeasures out;
    int marker = 0;
    for (int m = 0; m < static_cast<int>(lines.size()); ++m) {
        const std::string& line = lines[static_cast<std::size_t>(m)];
        int n = byteLength(line);
        const int last = n < 1 ? n : n - 1;
        if (useEmbeddedText && isEmbeddedTextLine(line))
            n = n + embeddedCodeGrowth(line) - 2;

        if (isMemoLine(line)) {
            ++out.memoLineCount;
            n = 0;
        } else if (n > 3 && last > 0) {
            // Positions are 1-based as the host counts them; a '^' that is the
            // trail byte of a double-byte character is not markup.
            for (int a = 1; a <= last; ++a) {
                const std::size_t i = static_cast<std::size_t>(a - 1);
                if (line[i] != '^' || !startsCharacter(line, i) || i + 1 >= line.size())
                    continue;
                const char c = line[i + 1];
                const bool wideAfter = i + 2 < line.size() && isLeadByte(static_cast<unsigned char>(line[i + 2]));
                if (c == 'u' || c == 'd' || c == 'c') {
                    n -= wideAfter ? 3 : 2;
                } else if (c == 'B' || c == 'o') {
                    n -= wideAfter ? 4 : 3;
                    marker = m + 5;
                } else if (c == 'b') {
                    n -= wideAfter ? 4 : 3;
                    marker = m + 10;
                } else if (c >= '1' && c <= '9') {
                    const int k = c - '0';
                    if (n > k + 3)
                        n -= k + 2;
                }
            }
        }
        out.lineBytes.push_back(n);
        if (n > out.maxLineBytes) {
            out.maxLineBytes = n;
            out.widestMark = marker == m + 5 ? 1 : marker == m + 10 ? 2 : 0;
        }
    }
    return out;
}

} // namespace tagler
