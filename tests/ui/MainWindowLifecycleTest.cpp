// Registering, completing and closing through the window, checked on disk.
#include "UiTestSupport.h"

#include "app/Messages.h"
#include "support/FileSizeLimit.h"
#include "ui/GridPopupMenu.h"
#include "ui/InputBox.h"
#include "ui/RegisterFeedback.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

using namespace tagler;
using namespace tagler::test;

namespace {

bool hasLineStartingWith(const Lines& lines, const std::string& prefix)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

QColor captionColour(const QPushButton* b) { return b->palette().color(QPalette::ButtonText); }

} // namespace

class MainWindowLifecycleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void registerSettingsWritesTheStateFile();
    void registerBasicSettingsRenamesThePattern();
    void patternNameBoxRefusesWhatTheCodePageCannotHold();
    void altEnterCompletesAndWritesTheExchangeFile();
    void menuCompletionWritesTheExchangeFile();
    void closingSavesTheStateAndLeavesTheExchangeFile();
    void missingExchangeFileDisablesCompletion();
    void aFailedCompletionKeepsTheWindowAndItsText();
    void importedTextArrivesInTheBox();
};

void MainWindowLifecycleTest::registerSettingsWritesTheStateFile()
{
    Folder folder(Folder::withDataFiles);
    Lines state = folder.read("PLDATA.tx");
    state[25] = "12.5"; // a remembered leader length, which registering clears
    folder.write("PLDATA.tx", state);
    WindowUnderTest w(folder);
    w.window.show();
    w.c().frameType->setCurrentIndex(7);
    w.c().tipSymbol->setCurrentIndex(3);
    w.c().textType->setCurrentIndex(2);
    const QColor normal = captionColour(w.c().registerSettings);

    QTest::mouseClick(w.c().registerSettings, Qt::LeftButton);
    const Lines saved = folder.read("PLDATA.tx");
    QCOMPARE(saved.size(), std::size_t(30));
    QCOMPARE(saved[0], std::string("3"));
    QCOMPARE(saved[2], std::string("7"));
    QCOMPARE(saved[6], std::string("2"));
    QCOMPARE(saved[25], std::string("0"));
    QCOMPARE(saved[16], std::to_string(w.window.pos().x()));

    // The caption confirms in dark green, then returns to normal.
    QCOMPARE(captionColour(w.c().registerSettings), QColor(0, 128, 0));
    QVERIFY(w.window.feedback().running());
    QTRY_COMPARE(captionColour(w.c().registerSettings), normal);
    QVERIFY(!w.window.feedback().running());
}

void MainWindowLifecycleTest::registerBasicSettingsRenamesThePattern()
{
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    QVERIFY(w.shown());
    w.c().basicSettings->click();
    w.c().arrowLength->setValue(33);
    w.c().patternName->setFocus();
    typeText(w.c().patternName, QStringLiteral("図面A"));
    QTest::mouseClick(w.c().registerPattern, Qt::LeftButton);

    const Lines patterns = folder.read("PKDATA.tx");
    QCOMPARE(patterns[0], std::string("33"));
    QCOMPARE(patterns[120], sjis("図面A"));
    QCOMPARE(w.c().patternList->item(0)->text(), QStringLiteral("図面A"));
    QVERIFY(w.c().patternName->text().isEmpty());
    QTRY_COMPARE(w.window.feedback().running(), false);

    // An empty name box keeps the name.
    w.c().arrowLength->setValue(34);
    QTest::mouseClick(w.c().registerPattern, Qt::LeftButton);
    QCOMPARE(folder.read("PKDATA.tx")[120], sjis("図面A"));
    QCOMPARE(folder.read("PKDATA.tx")[0], std::string("34"));
}

void MainWindowLifecycleTest::patternNameBoxRefusesWhatTheCodePageCannotHold()
{
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    w.window.show();
    w.c().basicSettings->click();
    QLineEdit* name = w.c().patternName;
    name->setFocus();
    typeText(name, QStringLiteral("名前"));
    typeText(name, QStringLiteral("\U0001F600"));
    QCOMPARE(name->text(), QStringLiteral("名前"));
    // At most 24 characters, a double-byte one counting once.
    typeText(name, QString(30, QChar(0x3042)));
    QCOMPARE(name->text(), QStringLiteral("名前") + QString(22, QChar(0x3042)));
}

void MainWindowLifecycleTest::altEnterCompletesAndWritesTheExchangeFile()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    WindowUnderTest w(folder);
    QSignalSpy finished(&w.window, &MainWindow::finished);
    w.window.show();
    w.c().input->setFocus();
    QTest::keyClicks(w.c().input, QStringLiteral("ABC"));
    QTest::keyClick(w.c().input, Qt::Key_Return);
    QTest::keyClicks(w.c().input, QStringLiteral("DEF"));
    QTest::keyClick(w.c().input, Qt::Key_Return, Qt::AltModifier);

    QCOMPARE(finished.count(), 1);
    const Lines records = folder.read("jwc_temp.txt");
    QVERIFY(hasLineStartingWith(records, "ch "));
    QVERIFY(hasLineStartingWith(records, "lg"));
    QVERIFY(std::any_of(records.begin(), records.end(),
                        [](const std::string& l) { return l.rfind("ch ", 0) == 0 && l.ends_with("\"DEF"); }));
    QCOMPARE(records.front() == "hq", false);
    QVERIFY(w.prompts.shown.empty());
}

void MainWindowLifecycleTest::menuCompletionWritesTheExchangeFile()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    WindowUnderTest w(folder);
    QSignalSpy finished(&w.window, &MainWindow::finished);
    w.c().input->setCp932Lines({sjis("注釈")});
    QCOMPARE(w.window.gridMenu().completeAction()->text(), QStringLiteral("入力完了  "));
    w.window.gridMenu().completeAction()->trigger();
    QCOMPARE(finished.count(), 1);
    QVERIFY(hasLineStartingWith(folder.read("jwc_temp.txt"), "ch "));
}

void MainWindowLifecycleTest::closingSavesTheStateAndLeavesTheExchangeFile()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    const std::string exchange = folder.bytes("jwc_temp.txt");
    const Lines before = folder.read("PLDATA.tx");
    WindowUnderTest w(folder);
    QVERIFY(w.shown());
    QTest::mouseClick(w.c().fixedLeaderLength, Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(w.settings().fixedLeaderLength);
    w.c().frameType->setCurrentIndex(9); // not a line close saves
    QTest::keyClicks(w.c().input, QStringLiteral("text"));

    QVERIFY(w.window.close());
    QCOMPARE(folder.bytes("jwc_temp.txt"), exchange);
    const Lines saved = folder.read("PLDATA.tx");
    QCOMPARE(saved[24], std::string("1"));
    QCOMPARE(saved[2], before[2]);
    QCOMPARE(saved[16], std::to_string(w.window.pos().x()));
    QCOMPARE(saved[17], std::to_string(w.window.pos().y()));
}

void MainWindowLifecycleTest::missingExchangeFileDisablesCompletion()
{
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    QSignalSpy finished(&w.window, &MainWindow::finished);
    QVERIFY(w.prompts.saw(messages::kExchangeMissing));
    QVERIFY(!w.c().complete->isEnabled());
    QVERIFY(!w.window.gridMenu().completeAction()->isEnabled());
    w.window.show();
    QTest::keyClicks(w.c().input, QStringLiteral("x"));
    QTest::keyClick(w.c().input, Qt::Key_Return, Qt::AltModifier);
    w.window.complete();
    QCOMPARE(finished.count(), 0);
    QVERIFY(!folder.exists("jwc_temp.txt"));
    // The window stays usable and closing still saves.
    w.c().fixedLeaderLength->setChecked(true);
    QVERIFY(w.window.close());
    QCOMPARE(folder.read("PLDATA.tx")[24], std::string("1"));
    QVERIFY(!folder.exists("jwc_temp.txt"));
}

void MainWindowLifecycleTest::aFailedCompletionKeepsTheWindowAndItsText()
{
#ifndef _WIN32
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    const std::string exchange = folder.bytes("jwc_temp.txt");
    WindowUnderTest w(folder);
    QSignalSpy finished(&w.window, &MainWindow::finished);
    QVERIFY(w.shown());
    QTest::keyClicks(w.c().input, QStringLiteral("ABC"));
    {
        const test::FileSizeLimit full(0); // nothing can be written
        QTest::mouseClick(w.c().complete, Qt::LeftButton);
    }
    QCOMPARE(finished.count(), 0);
    QVERIFY(w.prompts.saw(messages::kIoError));
    QCOMPARE(folder.bytes("jwc_temp.txt"), exchange);
    QCOMPARE(w.c().input->toPlainText(), QStringLiteral("ABC"));
    // With room on the disk again, pressing again hands the text over.
    QTest::mouseClick(w.c().complete, Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QVERIFY(hasLineStartingWith(folder.read("jwc_temp.txt"), "ch "));
#endif
}

void MainWindowLifecycleTest::importedTextArrivesInTheBox()
{
    Folder folder(Folder::withDataFiles);
    Lines file = headerLines({}, SessionMode::importText);
    for (const char* text : {"一行目", "二行目"})
        file.push_back("ch 0 0 10 0 \"" + sjis(text));
    folder.write("jwc_temp.txt", file);
    WindowUnderTest w(folder, SessionMode::importText);
    QCOMPARE(w.c().input->toPlainText(), QStringLiteral("一行目\n二行目"));
    QCOMPARE(w.c().complete->text(), QStringLiteral("取込完了"));
    QCOMPARE(w.window.gridMenu().completeAction()->text(), QStringLiteral("取込完了"));
    QSignalSpy finished(&w.window, &MainWindow::finished);
    QTest::mouseClick(w.c().complete, Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    // Importing emptied the exchange file at start; completion writes nothing into it.
    QVERIFY(folder.read("jwc_temp.txt").empty());
}

QTEST_MAIN(MainWindowLifecycleTest)
#include "MainWindowLifecycleTest.moc"
