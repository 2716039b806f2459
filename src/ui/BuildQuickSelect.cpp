#include "ui/Builders.h"
#include "ui/Placement.h"

#include <QCheckBox>

namespace tagler {

namespace {

constexpr int kLeft = 575;
constexpr int kRight = 720;
constexpr int kRow = 17;
constexpr int kTop = 105;
constexpr int kSlotWidth = (kRight - kLeft) / 5;

QCheckBox* check(QWidget* parent, const QString& text, int x, int y, int width)
{
    return place::at(new QCheckBox(text, parent), x, y, width, kRow);
}

} // namespace

void buildQuickSelect(QWidget* w, MainControls& c)
{
    c.quickSelectLabel = place::label(w, QStringLiteral("簡単選択"), kLeft, kTop, 50, kRow);
    c.continuous = check(w, QStringLiteral("連続"), 627, kTop, 46);
    c.slotSave = place::button(w, QStringLiteral("保存"), 674, kTop, kRight - 674, kRow, true);
    for (int k = 0; k < 10; ++k) {
        const int x = kLeft + (k % 5) * kSlotWidth;
        const int y = kTop + kRow * (1 + k / 5);
        c.slotButtons[static_cast<std::size_t>(k)] =
            place::button(w, QString::number(k + 1), x, y, kSlotWidth, kRow, true);
    }
    c.fixedLeaderLength = check(w, QStringLiteral("引出線長固定"), kLeft, kTop + 3 * kRow, 92);
    c.rememberLength = place::button(w, QStringLiteral("長さ記憶"), 668, kTop + 3 * kRow, kRight - 668, kRow);

    // Shown for a moment over the label after storing or applying a slot.
    for (QLabel** label : {&c.savedLabel, &c.nothingSavedLabel}) {
        *label = place::label(w, label == &c.savedLabel ? QStringLiteral("保存完了") : QStringLiteral("保存なし"),
                              kLeft, kTop, 50, kRow);
        (*label)->setAutoFillBackground(true);
        (*label)->setAlignment(Qt::AlignCenter);
        (*label)->hide();
    }
}

} // namespace tagler
