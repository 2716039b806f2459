#include "ui/TextBookPanel.h"

#include "app/Session.h"
#include "base/CodePage.h"
#include "ui/InputBox.h"
#include "ui/MainControls.h"
#include "ui/TableOfContentsModel.h"
#include "ui/TextBookGrid.h"
#include "ui/TextBookModel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QTextBlock>

namespace tagler {

TextBookPanel::TextBookPanel(MainControls& controls, Session& session, QObject* parent)
    : QObject(parent), c_(controls), session_(session)
{
    model_ = new TextBookModel(session_.textBook(), this);
    table_ = new TableOfContentsModel(session_.textBook(), this);
    c_.textBookGrid->setTextBookModel(model_);
    c_.textBookGrid->setDetectionRange([this] { return session_.settings().detectionRange; });
    c_.tableOfContents->setModel(table_);
    // A question about a missing page is asked over the emptied grid, not the old page.
    session_.textBook().setPageEmptied([this] { c_.textBookGrid->refresh(); });
    connectControls();
}

// The session outlives the window.
TextBookPanel::~TextBookPanel() { session_.textBook().setPageEmptied({}); }

void TextBookPanel::connectControls()
{
    TextBookGrid* grid = c_.textBookGrid;
    connect(grid, &TextBookGrid::blockPicked, this, [this] {
        if (blockViewOpen())
            showBlock(BlockViewRule::markAll);
    });
    connect(grid, &QAbstractItemView::activated, this, &TextBookPanel::copySelectedBlock);
    connect(grid, &TextBookGrid::blockViewToggled, this, &TextBookPanel::toggleBlockView);
    connect(c_.tableOfContents->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    switchPage(current.row());
            });
    tableViewport_ = c_.tableOfContents->viewport();
    tableViewport_->installEventFilter(this);

    connect(c_.registerBlock, &QPushButton::clicked, this, [this] {
        session_.textBook().registerBlock(c_.textBookGrid->currentBlock(), c_.input->cp932Lines());
        c_.textBookGrid->refresh();
        table_->refresh();
    });
    // Left click asks first; any other button deletes at once.
    connect(c_.deleteBlock, &QPushButton::clicked, c_.deleteConfirmPanel, &QWidget::show);
    c_.deleteBlock->installEventFilter(this);
    connect(c_.deleteYes, &QPushButton::clicked, this, [this] {
        deleteSelected();
        c_.deleteConfirmPanel->hide();
    });
    connect(c_.deleteNo, &QPushButton::clicked, c_.deleteConfirmPanel, &QWidget::hide);
    connect(c_.switchTextBook, &QPushButton::clicked, this, &TextBookPanel::chooseFolder);
}

// The panel outlives the widgets it watches: while the window is torn down, a watched widget
// still sends events here after others are gone, so only the watched object itself is touched.
bool TextBookPanel::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == c_.deleteBlock && e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton && c_.deleteBlock->isEnabled()) {
        deleteSelected();
        return true;
    }
    if (watched == tableViewport_ && e->type() == QEvent::MouseMove)
        tableViewport_->parentWidget()->setFocus(Qt::MouseFocusReason);
    return QObject::eventFilter(watched, e);
}

void TextBookPanel::showAll()
{
    table_->refresh();
    selectCurrentPageRow();
    c_.textBookGrid->refresh();
}

void TextBookPanel::selectCurrentPageRow()
{
    const QSignalBlocker blocker(c_.tableOfContents->selectionModel());
    const QModelIndex row = table_->index(session_.textBook().currentPage() - 1, 0);
    c_.tableOfContents->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    c_.tableOfContents->viewport()->update();
}

void TextBookPanel::switchPage(int row)
{
    TextBookStore& book = session_.textBook();
    book.switchPage(row + 1);
    // A page that could not be left keeps its row.
    if (book.currentPage() != row + 1)
        selectCurrentPageRow();
    table_->refresh();
    c_.textBookGrid->refresh();
    if (blockViewOpen())
        showBlock(BlockViewRule::markFilled);
}

void TextBookPanel::deleteSelected()
{
    session_.textBook().deleteBlock(c_.textBookGrid->currentBlock());
    c_.textBookGrid->refresh();
}

void TextBookPanel::chooseFolder()
{
    session_.textBook().chooseFolder();
    showAll();
    if (blockViewOpen())
        showBlock(BlockViewRule::markFilled);
    Q_EMIT folderChanged();
}

bool TextBookPanel::blockViewOpen() const { return c_.blockViewPanel->isVisibleTo(c_.blockViewPanel->parentWidget()); }

void TextBookPanel::toggleBlockView()
{
    if (blockViewOpen()) {
        c_.blockViewPanel->hide();
        return;
    }
    c_.blockViewPanel->show();
    c_.blockViewPanel->raise();
    showBlock(BlockViewRule::markFilled);
}

void TextBookPanel::showBlock(BlockViewRule rule)
{
    const BlockLines shown = blockViewLines(session_.textBook().blockLines(c_.textBookGrid->currentBlock()), rule);
    QStringList lines;
    for (const std::string& line : shown)
        lines << fromCp932(line);
    c_.blockView->setPlainText(lines.join(QLatin1Char('\n')));
}

void TextBookPanel::copySelectedBlock()
{
    InputBox* input = c_.input;
    const int caret = input->textCursor().blockNumber();
    const CopiedInput copied =
        copyBlockIntoInput(input->cp932Lines(), caret, session_.textBook().blockLines(c_.textBookGrid->currentBlock()),
                           static_cast<CopyMode>(session_.settings().copyMode), blockViewOpen());
    if (copied.lines != input->cp932Lines())
        input->setCp932Lines(copied.lines);
    const QTextBlock line = input->document()->findBlockByNumber(copied.caretLine);
    QTextCursor cursor = input->textCursor();
    cursor.setPosition(line.isValid() ? line.position() : input->document()->characterCount() - 1);
    input->setTextCursor(cursor);
}

} // namespace tagler
