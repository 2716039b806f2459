#pragma once
#include "app/TextBookPick.h"

#include <QTableView>
#include <functional>

namespace tagler {

class TextBookModel;

// The text-book grid: two columns of 18 blocks, the selected row expanded.
// Picks a block by click, arrow keys, the wheel or the mouse along an edge;
// the middle button toggles the block view; a double click or Enter
// activates the block (copies it).
class TextBookGrid final : public QTableView {
    Q_OBJECT
public:
    explicit TextBookGrid(QWidget* parent = nullptr);

    void setTextBookModel(TextBookModel* model);
    // 検知範囲 as the settings hold it: 0 無し … 3 広い.
    void setDetectionRange(std::function<int()> range) { detectionRange_ = std::move(range); }

    const GridPick& pick() const { return pick_; }
    int selectedRow() const { return pick_.selectedRow; }
    int currentBlock() const;
    // Row heights and texts from the store.
    void refresh();

Q_SIGNALS:
    // The cell editor kept a character out; the message names it and says why.
    void refused(const QString& message);
    void blockPicked();      // the block view shows it by rule B
    void blockViewToggled(); // middle button

protected:
    bool event(QEvent* e) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void moveTo(int row, int column);
    void select(int row);

    TextBookModel* model_ = nullptr;
    GridPick pick_;
    std::function<int()> detectionRange_ = [] { return 0; };
    bool moving_ = false; // the program moves the current cell
};

} // namespace tagler
