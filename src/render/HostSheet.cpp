#include "render/HostSheet.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "base/Number.h"

#include <sstream>

namespace tagler::render {
namespace {

std::vector<double> valuesAfterTag(const std::string& line, std::size_t count)
{
    std::vector<double> values;
    std::istringstream fields(line.substr(line.find(' ') == std::string::npos ? line.size() : line.find(' ')));
    std::string field;
    while (fields >> field)
        values.push_back(parseDecimal(field));
    if (values.size() != count)
        fail(ErrorKind::Conversion, "header line '" + line + "' should hold " + std::to_string(count) + " values");
    return values;
}

bool hasTag(const std::string& line, std::string_view tag)
{
    return line.size() > tag.size() && line.compare(0, tag.size(), tag) == 0 && line[tag.size()] == ' ';
}

} // namespace

HostSheet defaultHostSheet()
{
    HostSheet sheet;
    sheet.groupScales.fill(1.0);
    const double sizes[10] = {2, 2.5, 3, 4, 5, 6, 7, 8, 9, 10};
    const double spacings[10] = {0, 0, 0.5, 0.5, 0.5, 0.5, 1, 1, 1, 1};
    const int colors[10] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5};
    for (std::size_t i = 0; i < 10; ++i)
        sheet.textTypes[i] = {sizes[i], sizes[i], spacings[i], colors[i]};
    sheet.font = sjis("ＭＳ ゴシック");
    return sheet;
}

HostSheet readHostSheet(const Lines& header)
{
    HostSheet sheet = defaultHostSheet();
    for (const std::string& line : header) {
        if (line.rfind('#', 0) == 0)
            break;
        if (hasTag(line, "hs")) {
            std::vector<double> v = valuesAfterTag(line, 16);
            std::copy(v.begin(), v.end(), sheet.groupScales.begin());
        } else if (hasTag(line, "hcw") || hasTag(line, "hch") || hasTag(line, "hcd") || hasTag(line, "hcc")) {
            std::vector<double> v = valuesAfterTag(line, 10);
            for (std::size_t i = 0; i < 10; ++i) {
                TextType& t = sheet.textTypes[i];
                switch (line[2]) {
                case 'w': t.width = v[i]; break;
                case 'h': t.height = v[i]; break;
                case 'd': t.spacing = v[i]; break;
                default: t.color = static_cast<int>(v[i]); break;
                }
            }
        } else if (line.rfind("lg", 0) == 0 || line.rfind("ly", 0) == 0 || line.rfind("lc", 0) == 0 ||
                   line.rfind("cn", 0) == 0) {
            HostRecord record = parseRecord(line);
            if (auto* g = std::get_if<GroupRecord>(&record))
                sheet.group = g->group;
            else if (auto* l = std::get_if<LayerRecord>(&record))
                sheet.layer = l->layer;
            else if (auto* c = std::get_if<ColorRecord>(&record))
                sheet.lineColor = c->number;
            else if (auto* t = std::get_if<TextTypeRecord>(&record)) {
                sheet.textType = t->number;
                sheet.freeText.reset();
            } else if (auto* f = std::get_if<FreeTextSizeRecord>(&record))
                sheet.freeText = *f;
            else if (auto* font = std::get_if<FontRecord>(&record))
                sheet.font = font->name;
            else
                fail(ErrorKind::Conversion, "header line '" + toUtf8(line) + "' is not understood");
        }
    }
    return sheet;
}

} // namespace tagler::render
