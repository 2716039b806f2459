// Every place a drafter types, fed the table of characters: what reaches the
// files, and what the status line says of a character kept out.
#include "UiTestSupport.h"
#include "support/TextGateTable.h"

#include "ui/InputBox.h"
#include "ui/TextBookGrid.h"

#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <algorithm>
#include <functional>

using namespace tagler;
using namespace tagler::test;

class TextGateWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyEditorWritesTheHostsBytesOrSaysWhatItKeptOut();
};

namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

// The characters the gate takes, as one text, and the bytes they must become.
std::pair<QString, std::string> acceptedRows()
{
    std::pair<QString, std::string> all{QStringLiteral("W"), "W"};
    for (const GateRow& row : textGateTable())
        if (row.bytes) {
            all.first += utf8(row.typed);
            all.second += *row.bytes;
        }
    return all;
}

// Each character the code page lacks, typed into the editor, stays out and is named on the status line.
void refusesWhatTheCodePageLacks(const MainControls& c, QWidget* editor)
{
    for (const GateRow& row : textGateTable()) {
        if (row.bytes)
            continue;
        c.statusBar->clear();
        typeText(editor, utf8(row.typed));
        QVERIFY2(c.statusBar->text().startsWith(QStringLiteral("「%1」").arg(utf8(row.typed))), row.name);
        const QString held = editor->property(qobject_cast<QLineEdit*>(editor) ? "text" : "plainText").toString();
        QVERIFY2(!held.contains(utf8(row.typed)), row.name);
    }
}

// The host's bytes in every file an editor writes, and nowhere the code page's stand-in.
void filesHold(const Folder& folder, const std::string& bytes)
{
    const Lines records = folder.read("jwc_temp.txt");
    QVERIFY(std::ranges::any_of(records, [&](const std::string& r) { return r.ends_with("\"" + bytes); }));
    QVERIFY(std::ranges::find(records, "cn\"$<" + bytes + ">") != records.end());
    QCOMPARE(folder.read("PMDATA1.tx")[0], bytes);
    QCOMPARE(folder.read("PJDATA.tx")[0], bytes);
    QCOMPARE(folder.read("SENTAKUMEMO.TX")[0], bytes);
    QCOMPARE(folder.read("PKDATA.tx")[120], bytes);
    for (QDirIterator files(QString::fromStdString(folder.path()), QDir::Files); files.hasNext();)
        QVERIFY2(fileBytes(files.next().toStdString()).find("\xFC\xFC") == std::string::npos,
                 qPrintable(files.fileName()));
}

} // namespace

void TextGateWindowTest::everyEditorWritesTheHostsBytesOrSaysWhatItKeptOut()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    WindowUnderTest w(folder);
    QVERIFY(w.shown());
    const MainControls& c = w.c();
    const auto [accepted, bytes] = acceptedRows();

    // Each editor as the drafter reaches it; every character is a key of its own.
    const auto typeInto = [&](QWidget* editor, const QString& text) {
        for (const uint code : text.toUcs4())
            typeText(editor, QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1));
    };
    const auto editorOf = [&](QAbstractItemView* view, const QModelIndex& index) -> QWidget* {
        view->setCurrentIndex(index);
        view->edit(index);
        return view->indexWidget(index);
    };
    QTest::mouseClick(c.textBookGrid->viewport(), Qt::LeftButton, {},
                      c.textBookGrid->visualRect(c.textBookGrid->model()->index(0, 0)).center());
    c.memoPanel->show();
    const struct {
        const char* name;
        std::function<QWidget*()> open;
        QKeyCombination commit; // the key that ends the edit, if one does
    } editors[] = {
        {"input box", [&]() -> QWidget* { return c.input; }, {}},
        {"text-book cell", [&] { return editorOf(c.textBookGrid, c.textBookGrid->model()->index(0, 0)); },
         Qt::ControlModifier | Qt::Key_Return},
        {"folder title", [&] { return editorOf(c.tableOfContents, c.tableOfContents->model()->index(0, 0)); },
         QKeyCombination(Qt::Key_Return)},
        {"memo", [&] { return editorOf(c.memoGrid, c.memoGrid->model()->index(0, 0)); },
         QKeyCombination(Qt::Key_Return)},
        {"pattern name", [&]() -> QWidget* { return c.patternName; }, {}},
    };
    for (const auto& e : editors) {
        QWidget* editor = e.open();
        QVERIFY2(editor, e.name);
        refusesWhatTheCodePageLacks(c, editor);
        if (QTest::currentTestFailed())
            return;
        if (auto* cell = qobject_cast<QPlainTextEdit*>(editor); cell && editor != c.input)
            cell->selectAll();
        typeInto(editor, accepted);
        if (e.commit.key() == Qt::Key_unknown)
            continue;
        const QPointer<QWidget> open = editor;
        QTest::keyClick(editor, e.commit.key(), e.commit.keyboardModifiers());
        QTRY_VERIFY(!open || !open->isVisible());
    }
    // A grid's line editor hands its text over once the Enter key is through.
    QTRY_COMPARE(c.memoGrid->item(0, 0)->text(), accepted);
    QTest::mouseClick(c.saveMemos, Qt::LeftButton);
    QTest::mouseClick(c.registerPattern, Qt::LeftButton);
    w.choosers.font = utf8("\U00020BB7");
    QTest::mouseClick(c.fontName, Qt::LeftButton);
    QVERIFY(c.statusBar->text().startsWith(QStringLiteral("フォント名の「\U00020BB7」")));
    w.choosers.font = accepted;
    QTest::mouseClick(c.fontName, Qt::LeftButton);
    QTest::mouseClick(c.fontSwitch, Qt::LeftButton);
    w.window.complete();

    filesHold(folder, bytes);
}

QTEST_MAIN(TextGateWindowTest)
#include "TextGateWindowTest.moc"
