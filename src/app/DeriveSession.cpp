#include "app/DeriveSession.h"

#include "base/Error.h"
#include "base/Number.h"
#include "settings/FrameType.h"
#include "writer/LineMeasure.h"
#include "writer/Records.h"

#include <algorithm>
#include <cmath>

namespace tagler {

int groupOfRecord(const std::string& record)
{
    if (record.empty())
        fail(ErrorKind::Conversion, "empty group record");
    const char c = record.back();
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return parseInteger(std::string(1, c));
}

namespace {

// Tokens after the first blank; every blank advances the index, so two blanks
// make an empty token.
std::vector<std::string> blankSeparatedTokens(const std::string& line, std::size_t wanted)
{
    std::vector<std::string> tokens(1);
    const auto first = line.find(' ');
    if (first == std::string::npos)
        return tokens;
    for (std::size_t i = first + 1; i < line.size() && tokens.size() <= wanted; ++i) {
        if (line[i] == ' ')
            tokens.emplace_back();
        else
            tokens.back().push_back(line[i]);
    }
    return tokens;
}

float tokenValue(const std::vector<std::string>& tokens, int index)
{
    const std::string token = index < static_cast<int>(tokens.size()) ? tokens[static_cast<std::size_t>(index)] : "";
    return parseFloat(token);
}

Point pointOf(const std::string& line)
{
    std::vector<std::string> runs;
    const auto first = line.find(' ');
    std::size_t i = first == std::string::npos ? line.size() : first;
    while (i < line.size() && runs.size() < 2) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        std::size_t start = i;
        while (i < line.size() && line[i] != ' ')
            ++i;
        if (i > start)
            runs.push_back(line.substr(start, i - start));
    }
    if (runs.size() < 2)
        fail(ErrorKind::Conversion, "not a point: " + line);
    return Point{parseFloat(runs[0]), parseFloat(runs[1])};
}

int effectiveSlideOf(int s, int k)
{
    int e = s;
    if (s > 3 && k == 1)
        e = 0;
    if (s > 3 && k == 2)
        e = 1;
    if (s == 4 && k > 2)
        e = 1;
    if (s == 5 && k >= 3)
        e = 2;
    if (s == 6 && k == 3)
        e = 2;
    if (s == 6 && k > 3)
        e = 3;
    return e;
}

// Text before the first blank, or all of it when there is none.
std::string beforeBlank(std::string text, std::string* rest = nullptr)
{
    const auto blank = text.find(' ');
    if (rest)
        *rest = blank == std::string::npos ? "" : text.substr(blank + 1);
    return text.substr(0, blank);
}

void measureTextType(WriterInput& in, const HostHeader& header, const std::string& fullRecord)
{
    TextBlockMetrics& m = in.metrics;
    if (in.textTypeNumber == "0 ") {
        in.textTypeNumber = "0";
        std::string rest;
        std::string sizes = fullRecord.size() > 4 ? fullRecord.substr(4, 23) : "";
        m.halfCharWidth = parseDecimal(beforeBlank(sizes, &rest)) / 2;
        rest = rest.substr(0, 17);
        m.charHeight = parseDecimal(beforeBlank(rest, &rest));
        rest = rest.substr(0, 10);
        m.charSpacing = parseDecimal(beforeBlank(rest));
        return;
    }
    const int t = parseInteger(in.textTypeNumber);
    if (t < 1 || t > 10)
        fail(ErrorKind::Range, "text type " + in.textTypeNumber + " outside 1..10");
    const HostTextType& type = header.textTypes[static_cast<std::size_t>(t - 1)];
    m.halfCharWidth = parseDecimal(type.widthToken) / 2;
    m.charHeight = parseDecimal(type.heightToken);
    m.charSpacing = tokenValue(blankSeparatedTokens(header.textTypeSpacings, static_cast<std::size_t>(t)), t - 1);
}

void measureBlock(WriterInput& in, const AnnotationSettings& set, const Lines& lines)
{
    TextBlockMetrics& m = in.metrics;
    const LineMeasures measured = measureLines(lines, set.useEmbeddedText);
    m.maxLineBytes = measured.maxLineBytes;
    m.widestMark = measured.widestMark;
    m.memoLineCount = measured.memoLineCount;
    m.lineCount = static_cast<int>(lines.size());
    m.effectiveSlide = effectiveSlideOf(set.textSlide, m.writtenLines());
    m.lineSpacing = static_cast<float>(set.lineSpacing / 10.0);

    const double hw = m.halfCharWidth, cs = m.charSpacing, ch = m.charHeight, ls = m.lineSpacing;
    double w = (cs / 2 + hw) * m.maxLineBytes - cs / 2;
    if (w == 0)
        w = hw;
    if (m.widestMark == 1)
        w += 0.3 * hw;
    else if (m.widestMark == 2)
        w += 0.7 * hw;
    m.textWidth = finite(w);
    m.gapH = set.noFrameGap ? 0 : set.frameGapHorizontal * 0.2 + hw / 2.4 + 1.3;
    m.frameWidth = finite((double(m.textWidth) + m.gapH) * in.scale);

    double h = (ch + ls) * m.writtenLines();
    if (h == 0)
        h = ch;
    m.textHeight = h;
    m.gapV = set.noFrameGap ? 0 : set.frameGapVertical * 0.2 + ch / 7 + 1.2;
    m.frameHeight = finite((h + m.gapV - ls) * in.scale);
}

} // namespace

WriterInput deriveSession(const HostHeader& header, SessionMode mode, const AnnotationSettings& set, const Lines& lines,
                          OutputList& out, const FramingContext* framing)
{
    WriterInput in;
    in.mode = mode;
    in.settings = set;
    in.lines = lines;

    const bool framingMode = traits(mode).framesExistingText;
    const int hostGroup = groupOfRecord(header.hostGroupRecord);
    const int targetGroup = set.writeGroup == 0 ? hostGroup : set.writeGroup - 1;

    std::string currentRecord = framing ? framing->currentRecord : std::string();
    if (traits(mode).completion == Completion::frameAll) {
        constexpr std::size_t at = header_line::kFrameWrite1Group;
        const bool groupLine =
            framing && framing->exchangeLines.size() > at && framing->exchangeLines[at].rfind("lg", 0) == 0;
        currentRecord = groupLine ? framing->exchangeLines[at] : header.hostGroupRecord;
    }
    const bool recordGroup = framingMode && currentRecord.rfind("lg", 0) == 0;
    const int group = recordGroup ? groupOfRecord(currentRecord) : hostGroup;

    const auto scales = blankSeparatedTokens(header.groupScales,
                                             static_cast<std::size_t>(std::max({hostGroup, targetGroup, group})) + 1);
    in.scale = tokenValue(scales, hostGroup);
    if (set.writeGroup != 0) {
        out.append(groupRecord(targetGroup));
        out.append("by" + formatNumber(divide(tokenValue(scales, targetGroup), in.scale)));
    }
    if (recordGroup) {
        const float recordScale = tokenValue(scales, group);
        if (traits(mode).completion == Completion::frameAll)
            out.append("by" + formatNumber(divide(tokenValue(scales, targetGroup), recordScale)));
        else
            out.append("by" + formatNumber(divide(in.scale, recordScale)));
        in.scale = recordScale;
    }
    out.append("lt" + std::to_string(set.lineType + 1));
    out.append(set.lineLayer != 0 ? layerRecord(set.lineLayer) : header.hostLayerRecord);

    in.host = HostRecords{header.hostGroupRecord, header.hostLayerRecord, header.hostColorRecord, header.hostFontName};
    if (framingMode) {
        const auto spacings = blankSeparatedTokens(header.textTypeSpacings, header.textTypes.size());
        for (std::size_t i = 0; i < header.textTypes.size(); ++i) {
            in.hostTextSizes.widths[i] = header.textTypes[i].widthToken;
            in.hostTextSizes.heights[i] = header.textTypes[i].heightToken;
            in.hostTextSizes.spacings[i] = i < spacings.size() ? spacings[i] : std::string();
        }
        return in;
    }

    in.point1 = pointOf(header.point1Line);
    if (traits(mode).bendsLeader)
        in.point4 = pointOf(header.point4Line);
    in.point2 = pointOf(header.point2Line);
    in.point3 = pointOf(header.point3Line);

    const bool bends = traits(frameTypeAt(set.frameType)).bendsThroughPoint4;
    const Point far = traits(mode).bendsLeader && bends ? in.point4 : in.point2;
    in.leaderDx = double(far.x) - in.point1.x;
    in.leaderDy = double(far.y) - in.point1.y;
    const double a = (set.arrowLength - 1) * double(in.scale) / 10;
    in.leaderVisible = !(-a < in.leaderDx && in.leaderDx < a && -a < in.leaderDy && in.leaderDy < a);

    const std::string fullRecord = header.hostTextTypeRecord;
    in.textTypeNumber = set.textType == 0 ? fullRecord.substr(std::min<std::size_t>(2, fullRecord.size()), 2)
                                          : std::to_string(set.textType);
    // The header keeps the full record: a second derivation (a remembered
    // length before completion, or one per group in frame writing) reads it again.
    measureTextType(in, header, fullRecord);
    measureBlock(in, set, lines);
    return in;
}

std::vector<IndicatedPoint> indicatedPoints(const HostHeader& header, SessionMode mode)
{
    if (traits(mode).handsOverSelection)
        return {};
    std::vector<IndicatedPoint> points{{1, pointOf(header.point1Line)}};
    if (!traits(mode).textOnly)
        points.push_back({2, pointOf(header.point2Line)});
    points.push_back({3, pointOf(header.point3Line)});
    if (traits(mode).bendsLeader)
        points.push_back({4, pointOf(header.point4Line)});
    return points;
}

} // namespace tagler
