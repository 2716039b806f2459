#include "ui/Builders.h"
#include "ui/Placement.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QTableWidget>

namespace tagler {

namespace {

constexpr int kPages = 20;
constexpr int kListTop = 212;
constexpr int kListHeight = 304;

QTableWidget* grid(QWidget* parent, int rows, int columns, const QRect& place)
{
    auto* t = place::at(new QTableWidget(rows, columns, parent), place.x(), place.y(), place.width(), place.height());
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return t;
}

} // namespace

void buildTextBookArea(QWidget* w, MainControls& c)
{
    c.textBookGrid = grid(w, 18, 2, QRect(1, 162, 566, 353));
    c.textBookGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    c.textBookGrid->verticalHeader()->setDefaultSectionSize(19);

    // The page numbers stand beside the titles, one row each.
    c.pageNumbers = place::at(new QFrame(w), 572, kListTop, 24, kListHeight);
    for (int page = 1; page <= kPages; ++page) {
        const int top = (page - 1) * kListHeight / kPages;
        const int bottom = page * kListHeight / kPages;
        QLabel* number = place::label(c.pageNumbers, QStringLiteral("%1").arg(page, 2), 0, top, 22, bottom - top);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    c.tableOfContents = grid(w, kPages, 1, QRect(593, kListTop, 132, kListHeight));
    c.tableOfContents->verticalHeader()->setMinimumSectionSize(1);
    c.tableOfContents->verticalHeader()->setDefaultSectionSize((kListHeight - 4) / kPages);

    constexpr int kBottom = 524;
    constexpr int kButtonHeight = 24;
    c.hintMode = place::button(w, QStringLiteral("簡易説明"), 4, kBottom, 76, kButtonHeight, true);
    c.help = place::button(w, QStringLiteral("ヘルプ"), 84, kBottom, 60, kButtonHeight);
    c.registerBlock = place::button(w, QStringLiteral("登録"), 372, kBottom, 64, kButtonHeight);
    c.deleteBlock = place::button(w, QStringLiteral("削除"), 440, kBottom, 64, kButtonHeight);
    c.switchTextBook = place::button(w, QStringLiteral("文字帳切替"), 593, kBottom, 132, kButtonHeight);

    c.statusBar = place::label(w, QString(), 0, 552, 731, 24);
    c.statusBar->setFrameShape(QFrame::Panel);
    c.statusBar->setFrameShadow(QFrame::Sunken);
    c.statusBar->setIndent(4);
}

void buildCharacterModePanel(QWidget* w, MainControls& c)
{
    // Text mode draws no leader, so the panel may cover the tip symbol.
    c.characterModePanel = place::at(new QFrame(w), 0, 0, 101, 37);
    c.characterModePanel->setFrameShape(QFrame::Panel);
    c.characterModePanel->setFrameShadow(QFrame::Raised);
    c.characterModePanel->setAutoFillBackground(true);
    place::label(c.characterModePanel, QStringLiteral("文字モード"), 4, 2, 90, 14);
    c.textCenterBase = place::at(new QCheckBox(QStringLiteral("文字中基点"), c.characterModePanel), 4, 17, 94, 17);
    c.characterModePanel->hide();
}

} // namespace tagler
