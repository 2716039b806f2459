#include "ui/WindowLook.h"

#include "settings/ColourItems.h"

#include <QPushButton>

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

void showDownPlainly(QPushButton* toggle)
{
    // Only the down state is styled; up stays the platform's own button.
    toggle->setStyleSheet(QStringLiteral("QPushButton:checked { border: 2px inset #4a4a4a; border-radius: 2px;"
                                         " background-color: #9a9a9a; color: black; }"
                                         // The style sheet draws a down toggle whole: its focus mark too.
                                         "QPushButton:checked:focus { border: 2px solid palette(highlight); }"));
    QObject::connect(toggle, &QPushButton::toggled, toggle, [toggle](bool down) {
        QFont f = toggle->font();
        f.setBold(down);
        toggle->setFont(f);
    });
}

QColor toQColor(std::int32_t c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

std::int32_t fromQColor(const QColor& c) { return colourValue(c.red(), c.green(), c.blue()); }

} // namespace tagler
