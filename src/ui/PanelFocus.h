#pragma once
#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

namespace tagler {

// The panels laid over the window (基本設定, the memo panel) as a drafter
// at the keyboard meets them: opening one takes the focus into it, Tab and
// Ctrl+Tab stay among its controls, Esc closes it, and closing gives the
// focus back to the control that had it. While a panel is open, Tab from
// elsewhere passes over the controls it covers.
class PanelFocus final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // first takes the focus when the panel opens.
    void add(QWidget* panel, QWidget* first);

    // Where Tab (next) or Shift+Tab goes from the focused control; null
    // where no control qualifies.
    QWidget* tabTarget(QWidget* from, bool next) const;
    bool anyOpen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Panel {
        QWidget* panel;
        QWidget* first;
        QPointer<QWidget> opener;
    };
    Panel* openPanelHolding(const QWidget* w);
    const Panel* openPanelHolding(const QWidget* w) const;
    bool covered(const QWidget* w) const;

    std::vector<Panel> panels_;
};

} // namespace tagler
