#pragma once
#include "app/TextBookCopy.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tagler {

class Session;
class TableOfContentsModel;
class TextBookModel;
struct MainControls;

// Wires the text book's controls to the session's store: the grid and the
// table of contents, 登録, 削除 with its confirmation panel, 文字帳切替, the
// block view and copying a block into the input box.
class TextBookPanel final : public QObject {
    Q_OBJECT
public:
    TextBookPanel(MainControls& controls, Session& session, QObject* parent = nullptr);
    ~TextBookPanel() override;

    // After start-up: the titles, the row of the current page, the page.
    void showAll();
    // Double click, and the grid menu's first entry before it completes.
    void copySelectedBlock();
    bool blockViewOpen() const;

    TextBookModel& model() const { return *model_; }
    TableOfContentsModel& tableModel() const { return *table_; }

Q_SIGNALS:
    // The folder changed: the status line names it.
    void folderChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void selectCurrentPageRow();
    void switchPage(int row);
    void deleteSelected();
    void chooseFolder();
    void showBlock(BlockViewRule rule);
    void toggleBlockView();

    MainControls& c_;
    Session& session_;
    TextBookModel* model_ = nullptr;
    TableOfContentsModel* table_ = nullptr;
    QPointer<QWidget> tableViewport_; // null once the table of contents is gone
};

} // namespace tagler
