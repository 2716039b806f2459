// The window's controls edit the session's settings, and settings loaded
// from the data files show on the controls.
#include "UiTestSupport.h"

#include "settings/ColourItems.h"
#include "ui/ColorBox.h"
#include "ui/GridPopupMenu.h"
#include "ui/InputBox.h"
#include "ui/WindowLook.h"
#include "ui/WindowStyle.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace tagler;
using namespace tagler::test;

namespace {

struct ComboRow {
    const char* name;
    QComboBox* MainControls::*control;
    int AnnotationSettings::*field;
    int frameFirst; // a frame under which the control is enabled
    int index;
};

const ComboRow kComboRows[] = {
    {"tip symbol", &MainControls::tipSymbol, &AnnotationSettings::tipSymbol, 7, 6},
    {"extension mode", &MainControls::extensionLengthMode, &AnnotationSettings::extensionLengthMode, 7, 1},
    {"frame", &MainControls::frameType, &AnnotationSettings::frameType, 0, 12},
    {"attach position", &MainControls::attachPosition, &AnnotationSettings::attachPosition, 7, 2},
    {"text slide", &MainControls::textSlide, &AnnotationSettings::textSlide, 6, 5},
    {"line type", &MainControls::lineType, &AnnotationSettings::lineType, 7, 7},
    {"text type", &MainControls::textType, &AnnotationSettings::textType, 7, 10},
    {"copy mode", &MainControls::copyMode, &AnnotationSettings::copyMode, 7, 3},
    {"arrow angle", &MainControls::arrowAngle, &AnnotationSettings::arrowAngle, 7, 9},
    {"arrow colour", &MainControls::arrowColor, &AnnotationSettings::arrowColor, 7, 8},
    {"dot colour", &MainControls::dotColor, &AnnotationSettings::dotColor, 7, 2},
    {"extension colour", &MainControls::extensionColor, &AnnotationSettings::extensionColor, 7, 5},
    {"frame colour", &MainControls::frameColor, &AnnotationSettings::frameColor, 7, 6},
    {"write group", &MainControls::writeGroup, &AnnotationSettings::writeGroup, 7, 16},
    {"line layer", &MainControls::lineLayer, &AnnotationSettings::lineLayer, 7, 11},
    {"text layer", &MainControls::textLayer, &AnnotationSettings::textLayer, 7, 3},
};

struct SpinRow {
    const char* name;
    QSpinBox* MainControls::*control;
    int AnnotationSettings::*field;
    int value;
};

const SpinRow kSpinRows[] = {
    {"extension length", &MainControls::extensionLength, &AnnotationSettings::extensionLength, 42},
    {"arrow length", &MainControls::arrowLength, &AnnotationSettings::arrowLength, 60},
    {"line spacing", &MainControls::lineSpacing, &AnnotationSettings::lineSpacing, -9},
    {"frame gap vertical", &MainControls::frameGapVertical, &AnnotationSettings::frameGapVertical, 99},
    {"frame gap horizontal", &MainControls::frameGapHorizontal, &AnnotationSettings::frameGapHorizontal, -3},
    {"fill gap", &MainControls::fillGap, &AnnotationSettings::fillGap, 10},
};

struct ToggleRow {
    const char* name;
    QAbstractButton* (*control)(const MainControls&);
    bool AnnotationSettings::*field;
};

const ToggleRow kToggleRows[] = {
    {"embedded text", [](const MainControls& c) -> QAbstractButton* { return c.useEmbeddedText; },
     &AnnotationSettings::useEmbeddedText},
    {"fill inside", [](const MainControls& c) -> QAbstractButton* { return c.fillInside; },
     &AnnotationSettings::fillInside},
    {"tilt", [](const MainControls& c) -> QAbstractButton* { return c.tiltFrame; }, &AnnotationSettings::tiltFrame},
    {"no frame gap", [](const MainControls& c) -> QAbstractButton* { return c.noFrameGap; },
     &AnnotationSettings::noFrameGap},
    {"fixed leader length", [](const MainControls& c) -> QAbstractButton* { return c.fixedLeaderLength; },
     &AnnotationSettings::fixedLeaderLength},
};

QColor windowColourOf(const QWidget& w) { return w.palette().color(QPalette::Window); }

double meanLightness(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += QColor(image.pixel(x, y)).lightness();
    return sum / (image.width() * image.height());
}

} // namespace

class MainWindowSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(new WindowStyle); } // as the program does
    void combosEditTheirFields_data();
    void combosEditTheirFields();
    void spinBoxesEditTheirFields_data();
    void spinBoxesEditTheirFields();
    void togglesEditTheirFields_data();
    void togglesEditTheirFields();
    void loadedSettingsShowOnTheControls();
    void textTypesComeFromTheHost();
    void dotRadiusDigitsAndTheirMenus();
    void leaderColourMenuResetsTheDependentColours();
    void patternSwitchAppliesThePattern();
    void windowColourRecoloursTheWindow();
    void customColourComesFromTheDialog();
    void fillColourBoxWidensWhileOpen();
    void fontSwitchAndFontChoice();
    void imeButtonFollowsClicks();
    void downTogglesLookDown();
    void iconListsHaveTheirIconsWhereShown();
};

void MainWindowSettingsTest::combosEditTheirFields_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(std::size(kComboRows)); ++i)
        QTest::newRow(kComboRows[i].name) << i;
}

void MainWindowSettingsTest::combosEditTheirFields()
{
    QFETCH(int, row);
    const ComboRow& r = kComboRows[row];
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    w.c().frameType->setCurrentIndex(r.frameFirst);
    QComboBox* box = w.c().*(r.control);
    QVERIFY(box->isEnabled());
    QVERIFY(w.settings().*(r.field) != r.index);
    box->setCurrentIndex(r.index);
    QCOMPARE(w.settings().*(r.field), r.index);
}

void MainWindowSettingsTest::spinBoxesEditTheirFields_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(std::size(kSpinRows)); ++i)
        QTest::newRow(kSpinRows[i].name) << i;
}

void MainWindowSettingsTest::spinBoxesEditTheirFields()
{
    QFETCH(int, row);
    const SpinRow& r = kSpinRows[row];
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    w.c().frameType->setCurrentIndex(7);
    w.c().extensionLengthMode->setCurrentIndex(1);
    QSpinBox* box = w.c().*(r.control);
    QVERIFY(box->isEnabled());
    box->setValue(r.value);
    QCOMPARE(w.settings().*(r.field), r.value);
}

void MainWindowSettingsTest::togglesEditTheirFields_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(std::size(kToggleRows)); ++i)
        QTest::newRow(kToggleRows[i].name) << i;
}

void MainWindowSettingsTest::togglesEditTheirFields()
{
    QFETCH(int, row);
    const ToggleRow& r = kToggleRows[row];
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    w.c().basicSettings->click(); // some toggles live on the basic-settings panel
    QVERIFY(w.shown());
    QAbstractButton* button = r.control(w.c());
    const bool before = w.settings().*(r.field);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    QCOMPARE(w.settings().*(r.field), !before);
    QCOMPARE(button->isChecked(), !before);
}

void MainWindowSettingsTest::loadedSettingsShowOnTheControls()
{
    Folder folder(Folder::withDataFiles);
    Lines state = folder.read("PLDATA.tx");
    state[0] = "6";  // 矢印３
    state[2] = "11"; // 雲　等片
    state[6] = "3";
    state[19] = "-3"; // fill colour index 2, 枠内着色 down
    folder.write("PLDATA.tx", state);
    WindowUnderTest w(folder);
    QCOMPARE(w.c().tipSymbol->currentIndex(), 6);
    QCOMPARE(w.c().frameType->currentText(), QStringLiteral("雲　等片"));
    QCOMPARE(w.c().textType->currentIndex(), 3);
    QCOMPARE(w.c().fillColor->currentIndex(), 2);
    QVERIFY(w.c().fillInside->isChecked());
    QCOMPARE(w.c().arrowLength->value(), w.settings().arrowLength);
    QCOMPARE(w.c().windowColor->currentIndex(), 17);
    QCOMPARE(windowColourOf(w.window), toQColor(12639424));
}

void MainWindowSettingsTest::textTypesComeFromTheHost()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    WindowUnderTest w(folder);
    QCOMPARE(w.c().textType->count(), 11);
    QCOMPARE(w.c().textType->itemText(0), QStringLiteral("JWW書込文字"));
    QCOMPARE(w.c().textType->itemText(2), QStringLiteral("h2.5 w2.5 "));
}

void MainWindowSettingsTest::dotRadiusDigitsAndTheirMenus()
{
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    w.c().dotRadiusOnes->setCurrentIndex(3);
    w.c().dotRadiusTenths->setCurrentIndex(7);
    QCOMPARE(w.settings().dotRadius, 37);
    GridPopupMenu& menu = w.window.gridMenu();
    QVERIFY(menu.dotRadiusOnesMenu()->actions()[3]->isChecked());
    QVERIFY(menu.dotRadiusTenthsMenu()->actions()[7]->isChecked());

    menu.dotRadiusTenthsMenu()->actions()[0]->trigger();
    QCOMPARE(w.settings().dotRadius, 30);
    QCOMPARE(w.c().dotRadiusTenths->currentIndex(), 0);
}

void MainWindowSettingsTest::leaderColourMenuResetsTheDependentColours()
{
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    w.c().arrowColor->setCurrentIndex(5);
    w.c().frameColor->setCurrentIndex(2);
    QMenu* colours = w.window.gridMenu().leaderColourMenu();
    QCOMPARE(colours->actions()[3]->text(), QStringLiteral("線色 3　"));
    colours->actions()[3]->trigger();
    const AnnotationSettings& s = w.settings();
    QCOMPARE(s.leaderColor, 3);
    QCOMPARE(s.arrowColor + s.dotColor + s.extensionColor + s.frameColor, 0);
    QCOMPARE(w.c().leaderColor->currentIndex(), 3);
    QCOMPARE(w.c().arrowColor->currentIndex(), 0);
    // And the other way: the panel's list checks the menu item.
    w.c().leaderColor->setCurrentIndex(0);
    QVERIFY(colours->actions()[0]->isChecked());
}

void MainWindowSettingsTest::patternSwitchAppliesThePattern()
{
    Folder folder(Folder::withDataFiles);
    Lines patterns = folder.read("PKDATA.tx");
    const std::size_t b = 40; // pattern 2
    patterns[b + 0] = "35";
    patterns[b + 1] = "4";
    patterns[b + 14] = "255";
    patterns[b + 15] = "10"; // red
    patterns[b + 16] = "12";
    patterns[122] = sjis("図面用");
    folder.write("PKDATA.tx", patterns);
    WindowUnderTest w(folder);
    QVERIFY(w.shown());
    w.c().basicSettings->click();
    QVERIFY(w.c().basicPanel->isVisible());

    QListWidget* list = w.c().patternList;
    QCOMPARE(list->item(2)->text(), QStringLiteral("図面用"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QCOMPARE(w.settings().selectedPattern, 2);
    QCOMPARE(w.c().arrowLength->value(), 35);
    QCOMPARE(w.settings().arrowLength, 35);
    QCOMPARE(w.c().leaderColor->currentIndex(), 4);
    QCOMPARE(w.c().dotRadiusOnes->currentIndex(), 1);
    QCOMPARE(w.c().dotRadiusTenths->currentIndex(), 2);
    QCOMPARE(windowColourOf(w.window), QColor(Qt::red));
    QVERIFY(w.c().statusBar->text().startsWith(QStringLiteral("[ 図面用 ]　文字帳フォルダ = ")));
}

void MainWindowSettingsTest::windowColourRecoloursTheWindow()
{
    Folder folder(Folder::withDataFiles);
    Lines patterns = folder.read("PKDATA.tx");
    patterns[14] = std::to_string(colourValue(1, 2, 3)); // the first pattern's custom colour
    folder.write("PKDATA.tx", patterns);
    WindowUnderTest w(folder);
    w.window.show();
    w.c().basicSettings->click();
    ColorBox* box = w.c().windowColor;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down); // money green → sky blue
    QCOMPARE(w.settings().windowColorIndex, 18);
    QCOMPARE(windowColourOf(w.window), QColor(166, 202, 240));
    // The font-name box wears the window colour while the host font is used.
    QCOMPARE(w.c().fontName->palette().color(QPalette::Base), QColor(166, 202, 240));

    // Registering stores the selection, and the custom entry's colour stays the user's.
    QTest::mouseClick(w.c().registerPattern, Qt::LeftButton);
    patterns = folder.read("PKDATA.tx");
    QCOMPARE(patterns[14], std::to_string(colourValue(1, 2, 3)));
    QCOMPARE(patterns[15], std::string("18"));
}

void MainWindowSettingsTest::customColourComesFromTheDialog()
{
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    w.window.show();
    ColorBox* box = w.c().fillColor;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End); // medium gray
    QCOMPARE(w.settings().fillColorIndex, 20);

    w.choosers.colour = QColor(1, 2, 3);
    QTest::keyClick(box, Qt::Key_Home); // the custom entry asks for a colour
    QCOMPARE(w.choosers.coloursAsked, 1);
    QCOMPARE(w.settings().fillColorIndex, 0);
    QCOMPARE(w.settings().fillColor, colourValue(1, 2, 3));

    // A standard colour leaves the custom one alone, for the fill and for the state file.
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Down); // maroon
    QCOMPARE(w.settings().fillColorIndex, 2);
    QCOMPARE(w.settings().fillColor, colourValue(1, 2, 3));
    QTest::mouseClick(w.c().registerSettings, Qt::LeftButton);
    const Lines state = folder.read("PLDATA.tx");
    QCOMPARE(state[18], std::to_string(colourValue(1, 2, 3)));
    QCOMPARE(state[19], std::string("3"));

    // Cancelling keeps the custom colour.
    w.choosers.colour.reset();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home);
    QCOMPARE(w.choosers.coloursAsked, 2);
    QCOMPARE(w.settings().fillColor, colourValue(1, 2, 3));
}

void MainWindowSettingsTest::fillColourBoxWidensWhileOpen()
{
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    QVERIFY(w.shown());
    ColorBox* box = w.c().fillColor;
    QCOMPARE(box->geometry(), QRect(468, 133, 38, 22));
    box->showPopup();
    QCOMPARE(box->geometry(), QRect(404, 133, 102, 22));
    box->hidePopup();
    QCOMPARE(box->geometry(), QRect(468, 133, 38, 22));
    // Closed, it lies under the basic-settings panel again.
    QTest::mouseClick(w.c().basicSettings, Qt::LeftButton);
    QVERIFY(w.c().basicPanel->isVisible());
    QWidget* top = w.window.childAt(box->geometry().center());
    QVERIFY(top == w.c().basicPanel || w.c().basicPanel->isAncestorOf(top));
}

void MainWindowSettingsTest::fontSwitchAndFontChoice()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    WindowUnderTest w(folder);
    QVERIFY(w.shown());
    const QString hostFont = namedFont(QStringLiteral("ＭＳ ゴシック")).family();
    QCOMPARE(w.c().input->font().family(), hostFont);

    w.choosers.font = QStringLiteral("Noto Sans Mono CJK JP");
    QTest::mouseClick(w.c().fontName, Qt::LeftButton);
    QCOMPARE(w.settings().chosenFontName, std::string("Noto Sans Mono CJK JP"));
    QCOMPARE(w.c().fontName->text(), QStringLiteral("Noto Sans Mono CJK JP"));

    QTest::mouseClick(w.c().fontSwitch, Qt::LeftButton);
    QCOMPARE(w.settings().fontSwitch, 1);
    QCOMPARE(w.c().fontName->palette().color(QPalette::Base), QColor(0, 255, 0));
    QCOMPARE(w.c().input->font().family(), QStringLiteral("Noto Sans Mono CJK JP"));

    // A cancelled dialog and a name the code page cannot hold change nothing.
    w.choosers.font.reset();
    QTest::mouseClick(w.c().fontName, Qt::LeftButton);
    w.choosers.font = QStringLiteral("Font\U0001F600");
    QTest::mouseClick(w.c().fontName, Qt::LeftButton);
    QCOMPARE(w.choosers.fontAsked.size(), std::size_t(3));
    QCOMPARE(w.settings().chosenFontName, std::string("Noto Sans Mono CJK JP"));

    QTest::mouseClick(w.c().fontSwitch, Qt::LeftButton);
    QCOMPARE(w.settings().fontSwitch, 0);
    QCOMPARE(w.c().input->font().family(), hostFont);
}

void MainWindowSettingsTest::imeButtonFollowsClicks()
{
    Folder folder(Folder::withDataFiles);
    Lines state = folder.read("PLDATA.tx");
    state[14] = "2";
    folder.write("PLDATA.tx", state);
    WindowUnderTest w(folder);
    QVERIFY(w.shown());
    QPushButton* ime = w.c().imeStartMode;
    QVERIFY(ime->isChecked());
    QCOMPARE(ime->text(), QStringLiteral("日本語全カナ"));
    QCOMPARE(w.ime.current(), ImeMode::katakanaFull);

    Q_EMIT ime->customContextMenuRequested(QPoint(5, 5)); // right button
    QCOMPARE(ime->text(), QStringLiteral("日本語半カナ"));
    QCOMPARE(w.settings().imeStartMode, 3);
    QCOMPARE(w.c().input->ownImeMode(), ImeMode::katakanaHalf);

    QTest::mouseClick(ime, Qt::LeftButton);
    QVERIFY(!ime->isChecked());
    QCOMPARE(w.settings().imeStartMode, 0);
    QCOMPARE(w.ime.current(), ImeMode::closed);

    Q_EMIT ime->customContextMenuRequested(QPoint(5, 5));
    QCOMPARE(ime->text(), QStringLiteral("日本語半カナ"));
    QCOMPARE(w.settings().imeStartMode, 0);
}

void MainWindowSettingsTest::downTogglesLookDown()
{
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    QVERIFY(w.shown());
    for (QPushButton* b : {w.c().tiltFrame, w.c().fillInside, w.c().useEmbeddedText, w.c().slotSave}) {
        b->setChecked(false);
        const QImage up = b->grab().toImage();
        QVERIFY(!b->font().bold());
        b->setChecked(true);
        const QImage down = b->grab().toImage();
        QVERIFY2(b->font().bold(), qPrintable(b->text()));
        QVERIFY2(meanLightness(down) + 60 < meanLightness(up), qPrintable(b->text()));
        // The window often sets a toggle with its signals blocked: the look follows all the same.
        {
            const QSignalBlocker quiet(b);
            b->setChecked(false);
        }
        b->grab();
        QVERIFY2(!b->font().bold(), qPrintable(b->text()));
    }
}

void MainWindowSettingsTest::iconListsHaveTheirIconsWhereShown()
{
    Folder folder(Folder::withDataFiles);
    WindowUnderTest w(folder);
    QVERIFY(w.shown());
    for (QComboBox* box : {w.c().tipSymbol, w.c().frameType, w.c().attachPosition, w.c().textSlide}) {
        // The closed box shows its current item's icon, however it was chosen.
        QVERIFY(!box->itemIcon(box->currentIndex()).isNull());
        {
            const QSignalBlocker quiet(box);
            box->setCurrentIndex(box->count() - 1);
        }
        box->repaint();
        QVERIFY(!box->itemIcon(box->count() - 1).isNull());
        box->showPopup();
        for (int i = 0; i < box->count(); ++i)
            QVERIFY(!box->itemIcon(i).isNull());
        QVERIFY(box->view()->minimumWidth() >= box->view()->sizeHintForColumn(0)); // no item cut
        box->hidePopup();
    }
}

QTEST_MAIN(MainWindowSettingsTest)
#include "MainWindowSettingsTest.moc"
