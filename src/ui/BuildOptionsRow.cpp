#include "settings/FrameType.h"
#include "settings/SettingsFields.h"
#include "settings/TipSymbol.h"
#include "ui/Builders.h"
#include "ui/IconSizedCombo.h"
#include "ui/ItemIcons.h"
#include "ui/Placement.h"

#include <QAbstractItemView>

namespace tagler {

namespace {

constexpr int kLabelTop = 1;
constexpr int kControlTop = 14;

// Drawing every item's icon and measuring the list took a tenth of the start-up;
// the closed box needs only its current item's icon, the rest wait for the list.
class IconCombo final : public IconSizedCombo {
public:
    IconCombo(QWidget* parent, QIcon (*icon)(int)) : IconSizedCombo(icons::kSize, parent), icon_(icon) {}

    void showPopup() override
    {
        if (!listReady_) {
            listReady_ = true;
            setIconSize(itemIconSize()); // before the list is measured
            for (int i = 0; i < count(); ++i)
                drawIcon(i);
            // The list may be wider than the closed box, so no item is cut.
            view()->setMinimumWidth(view()->sizeHintForColumn(0) + 8);
        }
        IconSizedCombo::showPopup();
    }

protected:
    // The current item may be set with the signals blocked, so the closed box draws its icon when painted.
    void paintEvent(QPaintEvent* event) override
    {
        drawIcon(currentIndex());
        IconSizedCombo::paintEvent(event);
    }

private:
    void drawIcon(int index)
    {
        if (index >= 0 && itemIcon(index).isNull())
            setItemIcon(index, icon_(index));
    }

    QIcon (*icon_)(int);
    bool listReady_ = false;
};

QComboBox* comboWithIcons(QWidget* parent, const QStringList& items, QIcon (*icon)(int), int x, int width)
{
    auto* box = place::at(new IconCombo(parent, icon), x, kControlTop, width);
    box->addItems(items);
    box->setMaxVisibleItems(static_cast<int>(items.size()));
    return box;
}

QLabel* labelAbove(QWidget* parent, const QString& text, int x, int width)
{
    return place::label(parent, text, x + 2, kLabelTop, width, 13);
}

} // namespace

void buildOptionsRow(QWidget* w, MainControls& c)
{
    c.tipSymbolLabel = labelAbove(w, QStringLiteral("先端記号"), 2, 95);
    QStringList tipNames;
    for (const TipTraits& t : tip_symbols::kTraits)
        tipNames << QString::fromUtf8(t.name);
    c.tipSymbol = comboWithIcons(w, tipNames, icons::tipSymbol, 2, 97);

    c.extensionLengthLabel = labelAbove(w, QStringLiteral("延長線長さ"), 100, 100);
    c.extensionLengthMode = place::combo(w, {QStringLiteral("任意"), QStringLiteral("指定")}, 100, kControlTop, 56);
    const FieldRange extension = fieldRange(&AnnotationSettings::extensionLength);
    c.extensionLength = place::spin(w, extension.min, extension.max, 158, kControlTop, 43);

    c.frameTypeLabel = labelAbove(w, QStringLiteral("文字枠"), 203, 105);
    QStringList frameNames;
    for (const FrameTraits& t : frame_catalogue::kTraits)
        frameNames << QString::fromUtf8(t.name);
    c.frameType = comboWithIcons(w, frameNames, icons::frame, 203, 107);

    c.attachPositionLabel = labelAbove(w, QStringLiteral("アタッチ位置"), 312, 109);
    c.attachPosition =
        comboWithIcons(w,
                       {QStringLiteral("最上行上"), QStringLiteral("最上行中央"), QStringLiteral("全体中央"),
                        QStringLiteral("最下行中央"), QStringLiteral("最下行下")},
                       icons::attachPosition, 312, 111);

    c.textSlideLabel = labelAbove(w, QStringLiteral("文字スライド"), 425, 105);
    c.textSlide =
        comboWithIcons(w,
                       {QStringLiteral("なし"), QStringLiteral("１行"), QStringLiteral("２行"), QStringLiteral("３行"),
                        QStringLiteral("最大１行"), QStringLiteral("最大２行"), QStringLiteral("最大３行")},
                       icons::textSlide, 425, 107);

    c.lineTypeLabel = labelAbove(w, QStringLiteral("線種"), 534, 67);
    c.lineType = place::combo(w,
                              {QStringLiteral("実線"), QStringLiteral("点線1"), QStringLiteral("点線2"),
                               QStringLiteral("点線3"), QStringLiteral("1点鎖1"), QStringLiteral("1点鎖2"),
                               QStringLiteral("2点鎖1"), QStringLiteral("2点鎖2")},
                              534, kControlTop, 69);

    c.textTypeLabel = labelAbove(w, QStringLiteral("文字種"), 605, 120);
    // The ten host text types are added once the exchange file has been read.
    c.textType = place::combo(w, {QStringLiteral("JWW書込文字")}, 605, kControlTop, 122);
}

} // namespace tagler
