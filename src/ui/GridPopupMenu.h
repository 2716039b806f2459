#pragma once
#include "settings/ControlEnabling.h"
#include "settings/PopupMenus.h"

#include <QMenu>
#include <array>

class QActionGroup;

namespace tagler {

// The text-book grid's right-button menu: completion, clearing the input box,
// and the radio sub-menus that mirror the leader colour and the dot radius.
class GridPopupMenu final : public QMenu {
    Q_OBJECT
public:
    explicit GridPopupMenu(QWidget* parent = nullptr);

    void setCompletionCaption(const QString& caption);
    void showChecks(const PopupMenuChecks& checks);
    void applyEnabling(const ControlEnabling& enabling);

    QAction* completeAction() const { return complete_; }
    QMenu* leaderColourMenu() const { return leaderColour_; }
    QMenu* dotRadiusOnesMenu() const { return ones_; }
    QMenu* dotRadiusTenthsMenu() const { return tenths_; }

Q_SIGNALS:
    void completeChosen();
    void clearChosen();
    void leaderColourChosen(int item);
    void dotRadiusOnesChosen(int digit);
    void dotRadiusTenthsChosen(int digit);

private:
    QMenu* radioMenu(const QString& title, const QStringList& items, void (GridPopupMenu::*chosen)(int));

    QAction* complete_ = nullptr;
    QAction* clear_ = nullptr;
    QMenu* leaderColour_ = nullptr;
    QMenu* ones_ = nullptr;
    QMenu* tenths_ = nullptr;
};

} // namespace tagler
