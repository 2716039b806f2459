#include "ui/TextBookGrid.h"

#include "store/TextBookPage.h"
#include "ui/MultiLineCellDelegate.h"
#include "ui/TextBookModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace tagler {

namespace {

constexpr int kRowHeight = 15;
constexpr int kColumnWidth = 280;

} // namespace

TextBookGrid::TextBookGrid(QWidget* parent) : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setMouseTracking(true);
    setTabKeyNavigation(false);
    auto* delegate = new MultiLineCellDelegate(this);
    setItemDelegate(delegate);
    connect(delegate, &MultiLineCellDelegate::refused, this, &TextBookGrid::refused);
    connect(delegate, &MultiLineCellDelegate::cellMoveRequested, this, [this](int key) {
        const QModelIndex at = currentIndex();
        const int row = at.row() + (key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0);
        const int column = at.column() + (key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0);
        if (row >= 0 && row < kRowsPerColumn && column >= 0 && column < 2 && pick_.cellSelectAllowed)
            moveTo(row, column);
    });
}

void TextBookGrid::setTextBookModel(TextBookModel* model)
{
    model_ = model;
    setModel(model);
    for (int column = 0; column < 2; ++column)
        setColumnWidth(column, kColumnWidth);
    moveTo(pick_.selectedRow, 0);
    refresh();
}

int TextBookGrid::currentBlock() const
{
    const QModelIndex at = currentIndex();
    return at.isValid() ? blockNumber(at.column(), at.row()) : blockNumber(0, pick_.selectedRow);
}

void TextBookGrid::refresh()
{
    if (!model_)
        return;
    model_->setSelectedRow(pick_.selectedRow);
    model_->refresh();
    for (int row = 0; row < kRowsPerColumn; ++row)
        setRowHeight(row, row == pick_.selectedRow ? kLinesPerBlock * kRowHeight : kRowHeight);
}

void TextBookGrid::moveTo(int row, int column)
{
    if (!model_)
        return;
    moving_ = true;
    setCurrentIndex(model_->index(row, column));
    moving_ = false;
    select(row);
}

void TextBookGrid::select(int row)
{
    pick_.selectedRow = row;
    refresh();
    Q_EMIT blockPicked();
}

void TextBookGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (!current.isValid())
        return;
    pick_.column = current.column();
    if (!moving_)
        select(current.row());
}

void TextBookGrid::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::MiddleButton) {
        Q_EMIT blockViewToggled();
        return;
    }
    if (e->button() == Qt::LeftButton && !pick_.cellSelectAllowed)
        return;
    if (e->button() != Qt::LeftButton) {
        QTableView::mousePressEvent(e);
        return;
    }
    const QModelIndex before = currentIndex();
    QTableView::mousePressEvent(e);
    // A click on the block already current is reported too (the view shows it by rule B).
    if (currentIndex() == before && before.isValid())
        select(before.row());
}

void TextBookGrid::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && currentIndex().isValid())
        Q_EMIT activated(currentIndex());
}

void TextBookGrid::mouseMoveEvent(QMouseEvent* e)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint at = e->position().toPoint();
    const int row = rowAt(at.y());
    const std::optional<int> underMouse = row >= 0 ? std::optional<int>(row) : std::nullopt;
    const int column = pick_.column;
    // The zones are measured on the whole grid, its frame included.
    if (pointAt(pick_, at.x() + frameWidth(), underMouse, width(), detectionRange_()))
        moveTo(pick_.selectedRow, pick_.column);
    else if (pick_.column != column && currentIndex().isValid())
        moveTo(currentIndex().row(), pick_.column);
    QTableView::mouseMoveEvent(e);
}

void TextBookGrid::wheelEvent(QWheelEvent* e)
{
    const int delta = e->angleDelta().y();
    if (delta == 0)
        return;
    if (turnWheel(pick_, delta < 0 ? 1 : -1))
        moveTo(pick_.selectedRow, pick_.column);
    e->accept();
}

bool TextBookGrid::event(QEvent* e)
{
    // F2 edits the current cell here; the window's F2 (the preview) yields to it.
    if (e->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_F2 && key->modifiers() == Qt::NoModifier &&
            (currentIndex().flags() & Qt::ItemIsEditable) && state() != QAbstractItemView::EditingState) {
            e->accept();
            return true;
        }
    }
    return QTableView::event(e);
}

void TextBookGrid::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    const bool arrow = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
    if (arrow && !pick_.cellSelectAllowed)
        return;
    // Enter does what a double click does; F2 or typing edits.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && state() != QAbstractItemView::EditingState) {
        if (currentIndex().isValid())
            Q_EMIT activated(currentIndex());
        return;
    }
    QTableView::keyPressEvent(e);
}

} // namespace tagler
