#include "ui/GridPopupMenu.h"

#include <QActionGroup>

namespace tagler {

namespace {

QStringList digits()
{
    QStringList d;
    for (int i = 0; i <= 9; ++i)
        d << QString::number(i);
    return d;
}

QStringList leaderColourItems()
{
    QStringList items{QStringLiteral("Jww    (J)")};
    for (int i = 1; i <= 8; ++i)
        items << QStringLiteral("線色 %1　").arg(i);
    return items;
}

void check(QMenu* menu, int item)
{
    const auto actions = menu->actions();
    if (item >= 0 && item < actions.size())
        actions[item]->setChecked(true);
}

} // namespace

GridPopupMenu::GridPopupMenu(QWidget* parent) : QMenu(parent)
{
    complete_ = addAction(QStringLiteral("入力完了  "));
    connect(complete_, &QAction::triggered, this, &GridPopupMenu::completeChosen);
    addSeparator();
    clear_ = addAction(QStringLiteral("注釈文字クリア "));
    connect(clear_, &QAction::triggered, this, &GridPopupMenu::clearChosen);
    addSeparator();
    leaderColour_ = radioMenu(QStringLiteral("引出し線色  "), leaderColourItems(), &GridPopupMenu::leaderColourChosen);
    addSeparator();
    ones_ = radioMenu(QStringLiteral("点半径 x1   "), digits(), &GridPopupMenu::dotRadiusOnesChosen);
    tenths_ = radioMenu(QStringLiteral("点半径 x0.1 "), digits(), &GridPopupMenu::dotRadiusTenthsChosen);
}

QMenu* GridPopupMenu::radioMenu(const QString& title, const QStringList& items, void (GridPopupMenu::*chosen)(int))
{
    QMenu* menu = addMenu(title);
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (int i = 0; i < items.size(); ++i) {
        QAction* a = menu->addAction(items[i]);
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, chosen, i] { Q_EMIT(this->*chosen)(i); });
    }
    return menu;
}

void GridPopupMenu::setCompletionCaption(const QString& caption) { complete_->setText(caption); }

void GridPopupMenu::showChecks(const PopupMenuChecks& checks)
{
    check(leaderColour_, checks.leaderColor);
    check(ones_, checks.dotRadiusOnes);
    check(tenths_, checks.dotRadiusTenths);
}

void GridPopupMenu::applyEnabling(const ControlEnabling& e)
{
    leaderColour_->menuAction()->setEnabled(e.popupLeaderColor);
    ones_->menuAction()->setEnabled(e.popupDotRadiusOnes);
    tenths_->menuAction()->setEnabled(e.popupDotRadiusTenths);
}

} // namespace tagler
