#include "ui/Builders.h"
#include "ui/ItemIcons.h"
#include "ui/Placement.h"
#include "ui/TextBookGrid.h"
#include "ui/TextGateValidator.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableView>

namespace tagler {

namespace {

constexpr int kPages = 20;
constexpr int kListTop = 212;
constexpr int kListHeight = 304;
constexpr int kTitleRowHeight = 14;

QTableView* tableOfContents(QWidget* parent)
{
    auto* t = place::at(new QTableView(parent), 593, kListTop, 132, kListHeight);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    t->verticalHeader()->setMinimumSectionSize(1);
    t->verticalHeader()->setDefaultSectionSize(kTitleRowHeight);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                       QAbstractItemView::DoubleClicked);
    t->setMouseTracking(true);
    t->setTabKeyNavigation(false); // Tab moves on to the buttons below; the arrows move between titles
    t->setItemDelegate(new TextGateDelegate(t));
    return t;
}

void buildBlockView(QWidget* w, MainControls& c)
{
    c.blockViewPanel = place::at(new QFrame(w), 0, 48, 462, 104);
    c.blockViewPanel->setFrameShape(QFrame::Panel);
    c.blockViewPanel->setFrameShadow(QFrame::Raised);
    c.blockViewPanel->setAutoFillBackground(true);
    QPalette grey = c.blockViewPanel->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    c.blockViewPanel->setPalette(grey);
    place::label(c.blockViewPanel, QStringLiteral("登録文字帳　選択ブロックの内容"), 17, 82, 300);
    QLabel* numbers = place::label(c.blockViewPanel, QStringLiteral("１\n２\n３\n４\n５"), 2, 6, 14, 72);
    numbers->setAlignment(Qt::AlignCenter);
    c.blockView = place::at(new QPlainTextEdit(c.blockViewPanel), 17, 6, 437, 72);
    c.blockView->setReadOnly(true);
    c.blockView->setLineWrapMode(QPlainTextEdit::NoWrap);
    c.blockView->setFocusPolicy(Qt::NoFocus);
    // Five lines fill the box; a scroll bar would only hide their ends.
    c.blockView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.blockView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.blockView->document()->setDocumentMargin(1);
    QPalette blue = c.blockView->palette();
    blue.setColor(QPalette::Base, QColor(0xCC, 0xEE, 0xFF));
    c.blockView->setPalette(blue);
    c.blockViewPanel->hide();
}

void buildDeleteConfirmPanel(QWidget* w, MainControls& c)
{
    c.deleteConfirmPanel = place::at(new QFrame(w), 380, 415, 188, 86);
    c.deleteConfirmPanel->setFrameShape(QFrame::Panel);
    c.deleteConfirmPanel->setFrameShadow(QFrame::Raised);
    c.deleteConfirmPanel->setAutoFillBackground(true);
    QLabel* title = place::label(c.deleteConfirmPanel, QStringLiteral("　　警告"), 2, 2, 184, 16);
    title->setAutoFillBackground(true);
    QPalette navy = title->palette();
    navy.setColor(QPalette::Window, QColor(0, 0, 128));
    navy.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(navy);
    QLabel* image = place::label(c.deleteConfirmPanel, QString(), 8, 24, 32, 32);
    image->setPixmap(icons::warningSign(32));
    place::label(c.deleteConfirmPanel, QStringLiteral("文字帳から削除します"), 46, 32, 136);
    c.deleteYes = place::button(c.deleteConfirmPanel, QStringLiteral("はい"), 30, 60, 60);
    c.deleteNo = place::button(c.deleteConfirmPanel, QStringLiteral("いいえ"), 100, 60, 60);
    c.deleteConfirmPanel->hide();
}

} // namespace

void buildTextBookArea(QWidget* w, MainControls& c)
{
    c.textBookGrid = place::at(new TextBookGrid(w), 1, 162, 566, 353);
    c.textBookGrid->setContextMenuPolicy(Qt::CustomContextMenu);

    // The page numbers stand beside the titles, one row each.
    c.pageNumbers = place::at(new QFrame(w), 572, kListTop, 24, kListHeight);
    for (int page = 1; page <= kPages; ++page) {
        QLabel* number = place::label(c.pageNumbers, QStringLiteral("%1").arg(page, 2), 0,
                                      1 + (page - 1) * kTitleRowHeight, 22, kTitleRowHeight);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    c.tableOfContents = tableOfContents(w);

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

    buildBlockView(w, c);
    buildDeleteConfirmPanel(w, c);
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
