#include "ui/Builders.h"
#include "ui/Placement.h"
#include "ui/TextGateValidator.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QTableWidget>

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

// Beside the quick select, over the text book; hidden until 保存's context menu is asked for.
void buildMemoPanel(QWidget* w, MainControls& c)
{
    constexpr int kWidth = 190;
    c.memoPanel = place::at(new QFrame(w), kLeft - kWidth - 4, kTop, kWidth, 292);
    c.memoPanel->setFrameShape(QFrame::Panel);
    c.memoPanel->setFrameShadow(QFrame::Raised);
    c.memoPanel->setAutoFillBackground(true);
    place::label(c.memoPanel, QStringLiteral("簡単選択メモ"), 6, 4, 120);
    c.memoGrid = place::at(new QTableWidget(10, 1, c.memoPanel), 4, 20, kWidth - 8, 10 * 19 + 4);
    c.memoGrid->horizontalHeader()->hide();
    c.memoGrid->horizontalHeader()->setStretchLastSection(true);
    c.memoGrid->verticalHeader()->setDefaultSectionSize(19);
    c.memoGrid->verticalHeader()->setMinimumSectionSize(19);
    c.memoGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.memoGrid->setItemDelegate(new TextGateDelegate(c.memoGrid));
    c.memoGrid->setTabKeyNavigation(false); // Tab moves on to the check boxes; the arrows move between memos
    for (int row = 0; row < 10; ++row)
        c.memoGrid->setItem(row, 0, new QTableWidgetItem);
    c.showMemos = place::at(new QCheckBox(QStringLiteral("メモを表示する"), c.memoPanel), 6, 218, kWidth - 12, kRow);
    c.hoverPreview =
        place::at(new QCheckBox(QStringLiteral("マウスカーソル移動で"), c.memoPanel), 6, 236, kWidth - 12, kRow);
    place::label(c.memoPanel, QStringLiteral("イメージを表示する"), 26, 253, kWidth - 30);
    c.saveMemos = place::button(c.memoPanel, QStringLiteral("保存 && 閉じる"), 40, 268, kWidth - 80, 20);
    c.memoPanel->hide();
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
    // Both captions whole: the check box starts a little left of the column.
    c.fixedLeaderLength = check(w, QStringLiteral("引出線長固定"), kLeft - 2, kTop + 3 * kRow, 91);
    c.rememberLength = place::button(w, QStringLiteral("長さ記憶"), 665, kTop + 3 * kRow, kRight - 665, kRow);

    // Shown for a moment over the label after storing or applying a slot.
    for (QLabel** label : {&c.savedLabel, &c.nothingSavedLabel}) {
        *label = place::label(w, label == &c.savedLabel ? QStringLiteral("保存完了") : QStringLiteral("保存なし"),
                              kLeft, kTop, 50, kRow);
        (*label)->setAutoFillBackground(true);
        (*label)->setAlignment(Qt::AlignCenter);
        (*label)->hide();
    }
    buildMemoPanel(w, c);
}

} // namespace tagler
