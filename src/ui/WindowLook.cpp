#include "ui/WindowLook.h"

#include "settings/ColourItems.h"

namespace tagler {

QFont namedFont(const QString& family)
{
    QFont font;
    QStringList families{family};
    for (const char* standIn : {"ＭＳ ゴシック", "MS Gothic", "IPAGothic", "Noto Sans Mono CJK JP"})
        if (!families.contains(QString::fromUtf8(standIn)))
            families << QString::fromUtf8(standIn);
    font.setFamilies(families);
    font.setPixelSize(kFontPixels);
    return font;
}

QFont windowFont() { return namedFont(QStringLiteral("ＭＳ ゴシック")); }

QColor toQColor(std::int32_t c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

std::int32_t fromQColor(const QColor& c) { return colourValue(c.red(), c.green(), c.blue()); }

} // namespace tagler
