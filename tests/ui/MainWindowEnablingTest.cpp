// Which controls the window offers, by frame type and by session mode.
#include "UiTestSupport.h"

#include "ui/GridPopupMenu.h"

#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QSpinBox>

using namespace tagler;
using namespace tagler::test;

namespace {

struct Row {
    const char* name;
    SessionMode mode;
    int frame;
    int extensionMode;
    bool tip, attach, slide, extensionModeOn, extensionLength;
    bool registerSettings, basicSettings, embedded, tilt;
    bool leaderMenu, dotMenus, characterPanel;
    const char* caption;
};

const Row kRows[] = {
    // name, mode, frame, ext | tip attach slide extMode extLen | register basic embedded tilt | leader dots panel
    {"cloud", SessionMode::normal, 11, 0, false, false, false, false, false, true, true, true, true, true, true, false,
     "入力完了"},
    {"underline with extension, length given", SessionMode::normal, 6, 1, true, false, true, true, true, true, true,
     true, true, true, true, false, "入力完了"},
    {"box with extension, length clicked", SessionMode::normal, 7, 0, true, true, false, true, false, true, true, true,
     true, true, true, false, "入力完了"},
    {"four points, box", SessionMode::fourPoint, 2, 0, true, true, false, false, false, true, true, true, true, true,
     true, false, "入力完了"},
    {"text mode", SessionMode::textMode, 7, 1, false, true, false, false, false, true, true, true, true, true, false,
     true, "入力完了"},
    {"import text", SessionMode::importText, 2, 0, false, false, false, false, false, false, false, false, false, false,
     false, false, "取込完了"},
    {"one frame around all", SessionMode::frameWrite1, 1, 0, false, false, false, false, false, false, true, false,
     false, true, false, false, "枠書込１"},
    {"one frame per text", SessionMode::frameWrite2, 6, 1, false, false, false, false, false, false, true, false, false,
     true, false, false, "枠書込２"},
};

Lines exchangeFor(SessionMode mode)
{
    Lines l = headerLines({}, mode);
    if (mode == SessionMode::importText || mode == SessionMode::frameWrite1 || mode == SessionMode::frameWrite2)
        for (const char* text : {"A", "B"})
            l.push_back(std::string("ch 0 0 10 0 \"") + text);
    return l;
}

} // namespace

class MainWindowEnablingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void byFrameAndMode_data();
    void byFrameAndMode();
    void changingTheFrameUpdatesTheControls();
};

void MainWindowEnablingTest::byFrameAndMode_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(std::size(kRows)); ++i)
        QTest::newRow(kRows[i].name) << i;
}

void MainWindowEnablingTest::byFrameAndMode()
{
    QFETCH(int, row);
    const Row& r = kRows[row];
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", exchangeFor(r.mode));
    Lines state = folder.read("PLDATA.tx");
    state[2] = std::to_string(r.frame);
    state[8] = std::to_string(r.extensionMode);
    folder.write("PLDATA.tx", state);
    WindowUnderTest w(folder, r.mode);
    w.window.show();
    QVERIFY2(w.prompts.shown.empty(), w.prompts.shown.empty() ? "" : w.prompts.shown.front().c_str());

    const MainControls& c = w.c();
    QCOMPARE(c.tipSymbol->isEnabled(), r.tip);
    QCOMPARE(c.attachPosition->isEnabled(), r.attach);
    QCOMPARE(c.textSlide->isEnabled(), r.slide);
    QCOMPARE(c.extensionLengthMode->isEnabled(), r.extensionModeOn);
    QCOMPARE(c.extensionLength->isEnabled(), r.extensionLength);
    QCOMPARE(c.registerSettings->isEnabled(), r.registerSettings);
    QCOMPARE(c.basicSettings->isEnabled(), r.basicSettings);
    QCOMPARE(c.useEmbeddedText->isEnabled(), r.embedded);
    QCOMPARE(c.tiltFrame->isEnabled(), r.tilt);
    QCOMPARE(w.window.gridMenu().leaderColourMenu()->menuAction()->isEnabled(), r.leaderMenu);
    QCOMPARE(w.window.gridMenu().dotRadiusOnesMenu()->menuAction()->isEnabled(), r.dotMenus);
    QCOMPARE(w.window.gridMenu().dotRadiusTenthsMenu()->menuAction()->isEnabled(), r.dotMenus);
    QCOMPARE(c.characterModePanel->isVisible(), r.characterPanel);
    QCOMPARE(c.complete->text(), QString::fromUtf8(r.caption));
    QVERIFY(c.complete->isEnabled());
}

void MainWindowEnablingTest::changingTheFrameUpdatesTheControls()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    WindowUnderTest w(folder);
    const MainControls& c = w.c();
    c.frameType->setCurrentIndex(11); // 雲　等片
    QVERIFY(!c.tipSymbol->isEnabled());
    QVERIFY(!c.attachPosition->isEnabled());
    QVERIFY(!c.extensionLengthMode->isEnabled());

    c.frameType->setCurrentIndex(6); // 下線延長
    QVERIFY(c.textSlide->isEnabled());
    QVERIFY(c.extensionLengthMode->isEnabled());
    QVERIFY(!c.extensionLength->isEnabled());
    c.extensionLengthMode->setCurrentIndex(1); // 指定
    QVERIFY(c.extensionLength->isEnabled());
    c.extensionLengthMode->setCurrentIndex(0);
    QVERIFY(!c.extensionLength->isEnabled());
}

QTEST_MAIN(MainWindowEnablingTest)
#include "MainWindowEnablingTest.moc"
