#include "ui/WindowLook.h"

#include "settings/ColourItems.h"
#include "ui/IconSizedCombo.h"
#include "ui/WindowStyle.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QPushButton>
#include <QStyle>

namespace tagler {

QStringList fontCandidates(const QString& family)
{
    QStringList families{family};
    for (const char* standIn : {"ＭＳ ゴシック", "MS Gothic", "IPAGothic", "Noto Sans Mono CJK JP"})
        if (!families.contains(QString::fromUtf8(standIn)))
            families << QString::fromUtf8(standIn);
    return families;
}

QFont namedFont(const QString& family)
{
    QFont font;
    font.setPixelSize(kFontPixels);
    const QStringList candidates = fontCandidates(family);
#ifdef Q_OS_WIN
    font.setFamilies(candidates);
#else
    // Two costs of FreeType's font engines that the window's start would pay: given more than
    // one family, each engine looks up its fallback fonts at once rather than at the first
    // missing glyph; and hinting runs the auto-hinter over every new glyph.
    // The installed families themselves: hasFamily would ask fontconfig for an alias of each missing name.
    const QStringList families = QFontDatabase::families();
    const auto installed = std::find_if(candidates.cbegin(), candidates.cend(), [&](const QString& name) {
        return families.contains(name, Qt::CaseInsensitive);
    });
    font.setFamilies(installed == candidates.cend() ? candidates : QStringList{*installed});
    font.setHintingPreference(QFont::PreferNoHinting);
#endif
    return font;
}

QFont windowFont() { return namedFont(QStringLiteral("ＭＳ ゴシック")); }

namespace {

void followCheckedState(QPushButton* toggle)
{
    if (toggle->font().bold() == toggle->isChecked())
        return;
    QFont f = toggle->font();
    f.setBold(toggle->isChecked());
    toggle->setFont(f);
}

class BoldWhileDown final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            followCheckedState(static_cast<QPushButton*>(watched));
        return false;
    }
};

} // namespace

void showDownPlainly(QPushButton* toggle)
{
    // The window's style draws it down; up stays the platform's own button, and the caption
    // keeps its palette colour (the slots' maroon while 保存 is down).
    markDownPlainly(toggle);
    QObject::connect(toggle, &QPushButton::toggled, toggle, [toggle] { followCheckedState(toggle); });
    // The window often sets a toggle with its signals blocked; painting catches up then.
    toggle->installEventFilter(new BoldWhileDown(toggle));
}

void fitListsToItems(QWidget* window)
{
    for (QComboBox* box : window->findChildren<QComboBox*>()) {
        const QFontMetrics metrics(box->font());
        int text = 0;
        bool icons = false;
        for (int i = 0; i < box->count(); ++i) {
            text = std::max(text, metrics.horizontalAdvance(box->itemText(i)));
            icons = icons || !box->itemIcon(i).isNull();
        }
        const auto* sized = qobject_cast<IconSizedCombo*>(box);
        const int icon = icons ? (sized ? sized->itemIconSize() : box->iconSize()).width() + 8 : 0;
        const QStyle* style = box->style();
        const int scrollBar =
            box->count() > box->maxVisibleItems() ? style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box) : 0;
        box->view()->setMinimumWidth(text + icon + scrollBar + 4 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                                     12);
    }
}

QColor toQColor(std::int32_t c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

std::int32_t fromQColor(const QColor& c) { return colourValue(c.red(), c.green(), c.blue()); }

} // namespace tagler
