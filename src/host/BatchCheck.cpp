#include "host/BatchCheck.h"

#include "base/CodePage.h"
#include "host/BatchFile.h"

#include <algorithm>

namespace tagler::host {

namespace {

// Each adds or removes a header line, so the program would read its values at the wrong lines.
constexpr std::string_view kShifting[] = {"hf", "zs", "zw", "zk", "bz", "0", "jw"};
constexpr std::string_view kSelection[] = {"h3", "hc", "g1"};

std::string at(int line, const std::string& what) { return "line " + std::to_string(line) + ": " + what; }

std::string folded(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

void checkBytes(std::string_view bytes, std::vector<std::string>& faults)
{
    const QString text = fromCp932(bytes);
    if (text.contains(QChar::ReplacementCharacter) || toCp932Strict(text) != std::string(bytes))
        faults.push_back("not CP932: the host reads its prompts and description in that code page");
    int line = 1;
    bool reported = false;
    for (std::size_t i = 0; i < bytes.size() && !reported; ++i) {
        const bool crlf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if ((bytes[i] == '\r' && !crlf) || bytes[i] == '\n') {
            faults.push_back(at(line, "ends in a lone CR or LF; the host and cmd need CR LF"));
            reported = true;
        }
        if (crlf)
            ++i, ++line;
    }
    if (!reported && !bytes.empty() && !bytes.ends_with("\r\n"))
        faults.push_back(at(line, "the last line has no CR LF"));
}

void checkPoints(const BatchFile& b, SessionMode mode, std::vector<std::string>& faults)
{
    const SessionModeTraits& t = traits(mode);
    std::vector<const BatchDirective*> points;
    for (const BatchDirective& d : b.directives)
        if (pointNumber(d) > 0)
            points.push_back(&d);
    const std::string modeName = t.argument[0] ? t.argument : "normal";
    if (points.size() != t.points.size())
        faults.push_back("asks for " + std::to_string(points.size()) + " point(s); mode " + modeName + " reads " +
                         std::to_string(t.points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        const BatchDirective& d = *points[i];
        const std::string wanted = std::to_string(i + 1) + (i < t.points.size() && t.points[i].rubberBand ? "-" : "");
        if (i < t.points.size() && d.name != wanted)
            faults.push_back(at(d.line, "#" + d.name + " where mode " + modeName + " needs #" + wanted));
        if (d.text.empty())
            faults.push_back(at(d.line, "#" + d.name + " has no prompt"));
    }
    const bool selects = hasDirective(b, "h3");
    if (t.handsOverSelection) {
        for (std::string_view name : kSelection)
            if (!hasDirective(b, name))
                faults.push_back("no #" + std::string(name) + ": mode " + modeName +
                                 " frames or imports selected texts");
        const auto h3 = std::find_if(b.directives.begin(), b.directives.end(),
                                     [](const BatchDirective& d) { return d.name == "h3"; });
        if (selects && (h3 + 1 == b.directives.end() || (h3 + 1)->name != "hc" || (h3 + 1)->text.empty()))
            faults.push_back(at(h3->line, "#h3 is not followed by #hc with its prompt"));
    } else {
        for (std::string_view name : kSelection)
            if (hasDirective(b, name))
                faults.push_back("#" + std::string(name) + ": mode " + modeName + " reads points, not a selection");
    }
}

} // namespace

std::vector<std::string> checkBatch(std::string_view bytes)
{
    std::vector<std::string> faults;
    checkBytes(bytes, faults);
    const BatchFile b = readBatch(bytes);
    if (b.description.empty())
        faults.push_back(at(1, "no REM description: the host's 外部変形 dialog lists the first line's text"));
    for (const char* name : {"jww", "cd", "e"})
        if (!hasDirective(b, name))
            faults.push_back(std::string("no #") + name +
                             (name == std::string_view("jww") ? ": the host does not take it as an external "
                                                                "transformation"
                              : name == std::string_view("cd")
                                  ? ": the host would write jwc_temp.txt into its own folder, away from the data files"
                                  : ": the directives have no end"));
    for (int line : b.farDirectiveLines)
        faults.push_back(at(line, "'#' stands past byte " + std::to_string(directiveReach) +
                                      ": the host does not read it as a directive"));
    for (int line : b.lateDirectiveLines)
        faults.push_back(at(line, "a directive after #e or the program line: the host does not read it"));
    for (const BatchDirective& d : b.directives) {
        if (std::find(std::begin(kShifting), std::end(kShifting), d.name) != std::end(kShifting))
            faults.push_back(at(d.line, "#" + d.name +
                                            " adds or removes a header line: every later value is read "
                                            "from the wrong line"));
        else if (pointNumber(d) == 0 && d.name != "jww" && d.name != "cd" && d.name != "e" &&
                 std::find(std::begin(kSelection), std::end(kSelection), d.name) == std::end(kSelection))
            faults.push_back(at(d.line, "#" + d.name + " is no directive Tagler's batch files use"));
    }
    if (b.programLine == 0) {
        faults.push_back("no program line");
        return faults;
    }
    const std::string program = folded(b.program);
    if (!program.ends_with("tagler.exe") && !program.ends_with("tagler"))
        faults.push_back(at(b.programLine, "does not start tagler.exe: " + toUtf8(b.program)));
    if (b.arguments.size() > 1)
        faults.push_back(at(b.programLine, "Tagler takes at most one argument"));
    // Only the normal row has no argument: a word that selects it is no mode.
    if (!b.arguments.empty() && traits(batchMode(b)).argument[0] == '\0')
        faults.push_back(at(b.programLine, "'" + toUtf8(b.arguments.front()) + "' is no mode (T1..T5)"));
    checkPoints(b, batchMode(b), faults);
    return faults;
}

} // namespace tagler::host
