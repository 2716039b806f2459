// The real-size preview: the stand-in host's pixels, live changes, messages and what it remembers.
#include "UiTestSupport.h"

#include "app/CompletionPreview.h"
#include "app/InputText.h"
#include "app/Messages.h"
#include "base/Error.h"
#include "render/RealSizePicture.h"
#include "ui/InputBox.h"
#include "ui/RealSizePreviewWindow.h"
#include "ui/RealSizeSource.h"
#include "ui/TextBookPanel.h"
#include "ui/UserSettings.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QWheelEvent>

#include <span>

using namespace tagler;
using namespace tagler::test;

namespace {

int runProgram(const QString& name, const QStringList& args, const QString& folder = {})
{
    QProcess p;
    if (!folder.isEmpty())
        p.setWorkingDirectory(folder);
    p.start(QStringLiteral(TAGLER_BIN_DIR "/") + name, args);
    if (!p.waitForFinished(60000))
        return -1;
    if (p.exitCode() != 0)
        qWarning() << name << args << p.readAllStandardError();
    return p.exitCode();
}

void copyFolder(const QString& from, const QString& to)
{
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + "/" + name, to + "/" + name);
}

// One case: how the host hands over, what is typed and set.
struct PixelCase {
    const char* name;
    QStringList host; // tagler-host new / select arguments after the folder
    const char* selection;
    SessionMode mode;
    const char* modeArgument;
    QStringList sets;
    const char* text;
};

const PixelCase kPixelCases[] = {
    {"box, arrow, fill, two lines",
     {"--p1", "0,0", "--p2", "30,20", "--p3", "70,20", "--scale", "1", "--text-type", "3"},
     nullptr,
     SessionMode::normal,
     nullptr,
     {"frameType=2", "tipSymbol=2", "fillInside=1"},
     "防火戸 FD-1\nW=1200 H=2000"},
    {"cloud in text mode",
     {"--mode", "T4", "--p1", "10,10", "--p3", "60,10", "--scale", "50"},
     nullptr,
     SessionMode::textMode,
     "T4",
     {"frameType=11"},
     "特定防火設備"},
    {"balloon through a fourth point, write group at another scale",
     {"--mode", "T5", "--p1", "0,0", "--p2", "40,30", "--p3", "90,30", "--p4", "10,35", "--group-scales",
      "100,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50", "--group", "1"},
     nullptr,
     SessionMode::fourPoint,
     "T5",
     {"frameType=10", "writeGroup=1", "tipSymbol=6"},
     "PS-3"},
    {"long round around each selected text",
     {"--mode", "T3"},
     "cn3\nch 0 0 24 0 \"防火戸 FD-1\nch 0 20 24 8 \"排水管 VP100A\n",
     SessionMode::frameWrite2,
     "T3",
     {"frameType=3"},
     ""},
    {"imported texts", {"--mode", "T1"}, "cn2\nch 5 5 30 0 \"巾木 H=60\n", SessionMode::importText, "T1", {}, ""},
};

QImage previewImage(const RealSizeSource& source, QSize size, const render::RealSizeView& view)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    render::paintRealSize(painter, QRectF(QPointF(0, 0), QSizeF(size)), source.scene(), view);
    return image;
}

int inkPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

bool hasRecordStartingWith(const render::RealSizeScene& scene, const QString& text)
{
    if (!scene.records) // the next picture is being made
        return false;
    for (const render::Shape& s : scene.records->shapes)
        if (const auto* t = std::get_if<render::TextItem>(&s); t && fromCp932(t->text).startsWith(text))
            return true;
    return false;
}

void writeUtf8(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The child's part of the comparison: the preview of a case's session before
// completion, in the folder the host prepared.
int paintPreview(const QStringList& args)
{
    const PixelCase& c = kPixelCases[args[1].toInt()];
    RecordingPrompts prompts;
    FixedClock clock{kTestTime};
    Session session(args[0].toStdString(), c.mode, prompts, clock);
    session.startUp();
    for (const QString& s : c.sets) {
        const QStringList kv = s.split('=');
        if (setSettingsField(session.settings(), kv[0].toStdString(), kv[1].toStdString()))
            return 2;
    }
    if (c.mode != SessionMode::importText)
        session.setInputLines(*inputLinesFromText(QString::fromUtf8(c.text)));
    RealSizeSource source(session);
    source.refresh();
    if (!source.scene().message.isEmpty()) {
        qWarning() << source.scene().message;
        return 1;
    }
    const QImage image = previewImage(source, QSize(args[3].toInt(), args[4].toInt()),
                                      {false, false, QStringLiteral("jwc_temp.txt"), {}});
    return image.save(args[2]) ? 0 : 1;
}

} // namespace

class RealSizePreviewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // Never the user's own settings, even when run by hand.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(!userSettings()->fileName().startsWith(QDir::homePath() + "/.config/"));
    }
    void init() { userSettings()->clear(); }
    void drawsTheSamePixelsAsTheStandInHost();
    void f2OpensAndClosesItFromEitherWindow();
    void redrawsOnEveryKindOfChange();
    void showsTheMessageInsteadOfTheDrawing();
    void remembersWhetherItWasOpenAndWhereButNotInTheDataFiles();
    void opensWhereItCoversNoPartOfTheWindow();
    void zoomsAndPansAndKeepsTheViewWhileTyping();
    void wheelTurnsWhileAPictureIsMadeAllCount();
    void holdsASheetOfCloudsInAboutTheBytesOfItsRecords();
    void textsKeptAsPixelsLookAsIfPaintedAfresh();
};

void RealSizePreviewTest::drawsTheSamePixelsAsTheStandInHost()
{
    for (const PixelCase& c : kPixelCases) {
        Folder before, after;
        QStringList args = {"new", QString::fromStdString(before.path())};
        args += c.host;
        if (c.selection) {
            writeUtf8(QString::fromStdString(before.file("selection.txt")), c.selection);
            args << "--records" << QString::fromStdString(before.file("selection.txt"));
        }
        QCOMPARE(runProgram("tagler-host", args), 0);
        copyFolder(QString::fromStdString(before.path()), QString::fromStdString(after.path()));

        // The host's picture of what the batch program writes.
        writeUtf8(QString::fromStdString(after.file("text.txt")), c.text);
        QStringList batch;
        if (c.modeArgument)
            batch << c.modeArgument;
        batch << "--text"
              << "text.txt"
              << "--now"
              << "2024-05-06T07:08:09";
        for (const QString& s : c.sets)
            batch << "--set" << s;
        QCOMPARE(runProgram("tagler-batch", batch, QString::fromStdString(after.path())), 0);
        const QString png = QString::fromStdString(after.file("host.png"));
        QCOMPARE(runProgram("tagler-host", {"render", QString::fromStdString(after.file("jwc_temp.txt")), png}), 0);
        const QImage host = QImage(png).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(inkPixels(host) > 1000, c.name); // a picture, not a blank page

        // The preview of the same session before completion, painted by a
        // process of its own as the host's picture is: glyph edges of text
        // already drawn at another size may differ by a shade in a process
        // that has drawn much before.
        const QString previewPng = QString::fromStdString(after.file("preview.png"));
        QProcess paint;
        paint.start(QCoreApplication::applicationFilePath(),
                    {"--paint-preview", QString::fromStdString(before.path()), QString::number(&c - kPixelCases),
                     previewPng, QString::number(host.width()), QString::number(host.height())});
        QVERIFY(paint.waitForFinished(60000));
        QVERIFY2(paint.exitCode() == 0, paint.readAllStandardError().constData());
        const QImage preview = QImage(previewPng).convertToFormat(QImage::Format_RGB32);
        if (preview != host) {
            // Kept for looking into: the test's folders are removed.
            preview.save(QDir::temp().filePath(QStringLiteral("tagler-preview-%1.png").arg(&c - kPixelCases)));
            host.save(QDir::temp().filePath(QStringLiteral("tagler-host-%1.png").arg(&c - kPixelCases)));
            QFAIL(qPrintable(QStringLiteral("%1: the preview differs from the host's picture").arg(c.name)));
        }
    }
}

void RealSizePreviewTest::f2OpensAndClosesItFromEitherWindow()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    WindowUnderTest w(folder);
    QVERIFY(w.shown());
    RealSizePreviewWindow& preview = w.window.realSizePreview();
    QVERIFY(!preview.isVisible());

    QTest::keyClick(w.c().input, Qt::Key_F2);
    QVERIFY(preview.isVisible());
    QVERIFY(preview.windowTitle().startsWith(QStringLiteral("実寸プレビュー")));
    QVERIFY(preview.isWindow());
    QCOMPARE(w.c().input->toPlainText(), QString()); // the key is the shortcut's alone

    QTest::keyClick(&preview, Qt::Key_F2);
    QVERIFY(!preview.isVisible());
}

void RealSizePreviewTest::redrawsOnEveryKindOfChange()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    WindowUnderTest w(folder);
    w.window.show();
    RealSizePreviewWindow& preview = w.window.realSizePreview();

    // Hidden, it makes nothing; shown, it makes the current picture once.
    QTest::keyClicks(w.c().input, "A");
    QCoreApplication::processEvents();
    QCOMPARE(preview.refreshCount(), 0);
    preview.toggle();
    QTRY_COMPARE(preview.refreshCount(), 1);
    QVERIFY(hasRecordStartingWith(preview.scene(), "A"));

    QTest::keyClicks(w.c().input, "B");
    QTRY_VERIFY(hasRecordStartingWith(preview.scene(), "AB"));

    auto strokes = [&] {
        const auto& records = preview.scene().records;
        return records ? std::count_if(records->shapes.begin(), records->shapes.end(),
                                       [](const render::Shape& s) { return std::holds_alternative<render::Stroke>(s); })
                       : -1;
    };
    w.c().frameType->setCurrentIndex(0); // 枠無
    QTRY_VERIFY(preview.refreshCount() >= 3 && strokes() > 0);
    const auto withoutFrame = strokes();
    w.c().frameType->setCurrentIndex(2); // 四角: four more sides
    QTRY_COMPARE(strokes(), withoutFrame + 4);

    const int before = preview.refreshCount();
    w.window.textBook().copySelectedBlock();
    const QString copied = w.c().input->toPlainText().section('\n', 0, 0);
    QVERIFY(!copied.isEmpty());
    QTRY_VERIFY(hasRecordStartingWith(preview.scene(), copied));
    // The several edits of one copy make one picture.
    QCOMPARE(preview.refreshCount(), before + 1);
}

void RealSizePreviewTest::showsTheMessageInsteadOfTheDrawing()
{
    struct Case {
        const char* name;
        std::optional<Lines> exchange;
        int writeGroup;
        std::string message;
    };
    Lines badPoint = headerLines({});
    badPoint[8] = "hp1   x y";
    Lines zeroScale = headerLines({});
    zeroScale[2] = "hs 0 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
    const Case cases[] = {
        {"no readable points", badPoint, 0, *messages::writerErrorMessage(ErrorKind::Conversion)},
        {"a division by zero", zeroScale, 2, *messages::writerErrorMessage(ErrorKind::FloatDivideByZero)},
        {"no exchange file", std::nullopt, 0, messages::kExchangeMissing},
    };
    for (const Case& c : cases) {
        Folder folder(Folder::withDataFiles);
        if (c.exchange)
            folder.write("jwc_temp.txt", *c.exchange);
        WindowUnderTest w(folder);
        w.settings().writeGroup = c.writeGroup;
        w.window.show();
        w.window.realSizePreview().toggle();
        QTRY_COMPARE(w.window.realSizePreview().scene().message, QString::fromStdString(c.message));
        // The window goes on: typing is taken and the preview keeps saying why.
        QTest::keyClicks(w.c().input, "X");
        QCOMPARE(w.c().input->toPlainText(), QStringLiteral("X"));
        QTRY_COMPARE(w.window.realSizePreview().refreshCount(), 2);
        QCOMPARE(w.window.realSizePreview().scene().message, QString::fromStdString(c.message));
        QVERIFY2(w.window.isVisible(), c.name);

        QImage image(200, 120, QImage::Format_RGB32);
        QPainter painter(&image);
        render::paintRealSize(painter, QRectF(image.rect()), w.window.realSizePreview().scene(), {});
        painter.end();
        bool red = false;
        for (int y = 0; y < image.height() && !red; ++y)
            for (int x = 0; x < image.width() && !red; ++x)
                red = qRed(image.pixel(x, y)) > 120 && qGreen(image.pixel(x, y)) < 60;
        QVERIFY2(red, c.name); // the message's text, where the drawing would be
    }
}

void RealSizePreviewTest::remembersWhetherItWasOpenAndWhereButNotInTheDataFiles()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    const std::size_t stateLines = folder.read("PLDATA.tx").size();
    const std::size_t patternLines = folder.read("PKDATA.tx").size();
    QRect placed;
    {
        WindowUnderTest w(folder);
        w.window.show();
        QCoreApplication::processEvents();
        QVERIFY(!w.window.realSizePreview().isVisible()); // nothing remembered yet
        w.window.realSizePreview().toggle();
        w.window.realSizePreview().setGeometry(40, 50, 300, 220);
        placed = w.window.realSizePreview().geometry();
        w.window.close();
    }
    QCOMPARE(userSettings()->value("realSizePreview/open").toBool(), true);
    QCOMPARE(folder.read("PLDATA.tx").size(), stateLines);
    QCOMPARE(folder.read("PKDATA.tx").size(), patternLines);
    {
        WindowUnderTest w(folder);
        w.window.show();
        QTRY_VERIFY(w.window.realSizePreview().isVisible());
        QCOMPARE(w.window.realSizePreview().geometry(), placed);
        w.window.realSizePreview().toggle(); // closed this time
        w.window.complete();
    }
    QCOMPARE(userSettings()->value("realSizePreview/open").toBool(), false);
    {
        WindowUnderTest w(folder);
        w.window.show();
        QCoreApplication::processEvents();
        QVERIFY(!w.window.realSizePreview().isVisible());
    }
}

void RealSizePreviewTest::opensWhereItCoversNoPartOfTheWindow()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    const auto clear = [](const WindowUnderTest& w) {
        const QRect preview = w.window.realSizePreview().frameGeometry();
        return w.window.screen()->availableGeometry().contains(preview) &&
               !preview.intersects(w.window.frameGeometry());
    };
    {
        WindowUnderTest w(folder);
        w.window.move(100, 60); // as on the 1280 × 1024 screen: 439 free on the right, 360 below
        QVERIFY(w.shown());
        QTest::keyClick(w.c().input, Qt::Key_F2);
        QTRY_VERIFY(w.window.realSizePreview().isVisible());
        QVERIFY(clear(w));
        // Moved over the window by hand, it stays there on the same screen...
        w.window.realSizePreview().move(w.window.pos() + QPoint(40, 40));
        w.window.close();
    }
    {
        WindowUnderTest w(folder);
        w.window.show();
        QTRY_VERIFY(w.window.realSizePreview().isVisible());
        QVERIFY(!clear(w));
        w.window.close();
    }
    // ...but a screen of another size places it anew.
    userSettings()->setValue("realSizePreview/screen", QRect(0, 0, 1920, 1080));
    WindowUnderTest w(folder);
    w.window.show();
    QTRY_VERIFY(w.window.realSizePreview().isVisible());
    QVERIFY(clear(w));
    // Dragged half off the screen, it opens within it again.
    RealSizePreviewWindow& preview = w.window.realSizePreview();
    preview.move(w.window.screen()->availableGeometry().bottomRight() - QPoint(60, 60));
    QTest::keyClick(w.c().input, Qt::Key_F2);
    QVERIFY(!preview.isVisible());
    QTest::keyClick(w.c().input, Qt::Key_F2);
    QTRY_VERIFY(preview.isVisible());
    QVERIFY(w.window.screen()->availableGeometry().contains(preview.frameGeometry()));
}

namespace {

// The ink's bounding box: where the picture holds anything but white.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

void RealSizePreviewTest::zoomsAndPansAndKeepsTheViewWhileTyping()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    WindowUnderTest w(folder);
    w.window.show();
    RealSizePreviewWindow& preview = w.window.realSizePreview();
    QTest::keyClicks(w.c().input, "FD-1");
    preview.toggle();
    QTRY_COMPARE(preview.refreshCount(), 1);

    // The picture is a function of the records and the view: its whole view
    // given as a place draws the same, and 1.1 times about the middle draws the
    // annotation 1.1 times as wide.
    const QSize size(520, 400);
    render::RealSizeView bare{false, false, {}, {}};
    std::optional<render::DrawingView> used;
    const auto picture = [&](const render::RealSizeView& view) {
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        used = render::paintRealSize(painter, QRectF(image.rect()), preview.scene(), view);
        return image;
    };
    const QImage whole = picture(bare);
    QVERIFY(used);
    bare.zoomed = used->place();
    QCOMPARE(picture(bare), whole);
    bare.zoomed = render::zoomAbout(*used, QPointF(260, 200), 1.1);
    const QImage zoomed = picture(bare);
    QVERIFY(std::abs(inkBounds(zoomed).width() - 1.1 * inkBounds(whole).width()) < 4);
    QVERIFY(std::abs(inkBounds(zoomed).center().x() - 260 - 1.1 * (inkBounds(whole).center().x() - 260)) < 3);

    // The wheel zooms about the mouse, a drag pans, and typing keeps both.
    const QPointF at(300, 150);
    QWheelEvent wheel(at, preview.mapToGlobal(at), {}, {0, 240}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(&preview, &wheel);
    QVERIFY(preview.zoomed());
    const render::ViewPlace afterWheel = *preview.zoomed();
    QTRY_COMPARE(preview.refreshCount(), 2);
    QTest::mousePress(&preview, Qt::LeftButton, {}, QPoint(300, 150));
    QTest::mouseMove(&preview, QPoint(340, 130));
    QTest::mouseRelease(&preview, Qt::LeftButton, {}, QPoint(340, 130));
    QVERIFY(preview.zoomed()->centre.x < afterWheel.centre.x);
    QVERIFY(preview.zoomed()->centre.y < afterWheel.centre.y);
    QCOMPARE(preview.zoomed()->scale, afterWheel.scale);
    const render::ViewPlace panned = *preview.zoomed();
    const int before = preview.refreshCount();
    QTest::keyClicks(w.c().input, "0");
    QTRY_VERIFY(hasRecordStartingWith(preview.scene(), "FD-10"));
    QVERIFY(preview.refreshCount() > before);
    QCOMPARE(preview.zoomed()->centre.x, panned.centre.x);
    QCOMPARE(preview.zoomed()->scale, panned.scale);

    QTest::mouseDClick(&preview, Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(!preview.zoomed());
    preview.fitAnnotation();
    QVERIFY(preview.zoomed());
    QCOMPARE(preview.zoomed()->centre.x, render::annotationPlace(preview.scene(), QRectF(preview.rect()))->centre.x);
}

void RealSizePreviewTest::wheelTurnsWhileAPictureIsMadeAllCount()
{
    Folder folder(Folder::withDataFiles);
    folder.write("jwc_temp.txt", headerLines({}));
    WindowUnderTest w(folder);
    w.window.show();
    RealSizePreviewWindow& preview = w.window.realSizePreview();
    preview.toggle();
    QTRY_COMPARE(preview.refreshCount(), 1);
    const QPointF at(300, 150);
    const auto turn = [&] {
        QWheelEvent wheel(at, preview.mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(&preview, &wheel);
    };

    // A picture of new records is being made for the whole view when the wheel turns.
    QTest::keyClicks(w.c().input, "A");
    QCoreApplication::processEvents();
    turn();
    const double once = preview.zoomed()->scale;
    while (preview.refreshCount() < 2)
        QCoreApplication::sendPostedEvents();
    // It arrives; the next turn goes on from the first, not from the view the picture had.
    turn();
    QVERIFY(std::abs(preview.zoomed()->scale - once * 1.25) < once * 1e-9);
}

void RealSizePreviewTest::holdsASheetOfCloudsInAboutTheBytesOfItsRecords()
{
    // 10,000 texts in rows, some turned, each to get a cloud: the picture may hold about what the
    // records it draws take as text (an outline kept as points takes a hundred times that).
    Folder folder(Folder::withDataFiles);
    QByteArray selection = "cn3\n";
    for (int i = 0; i < 10000; ++i)
        selection += QStringLiteral("ch %1 %2 24 %3 \"防火戸 FD-%4\n")
                         .arg((i % 100) * 40)
                         .arg((i / 100) * 12)
                         .arg(i % 3 == 0 ? 8 : 0)
                         .arg(i)
                         .toUtf8();
    writeUtf8(QString::fromStdString(folder.file("selection.txt")), selection);
    QCOMPARE(runProgram("tagler-host", {"select", QString::fromStdString(folder.path()), "--mode", "T3",
                                        QString::fromStdString(folder.file("selection.txt"))}),
             0);
    RecordingPrompts prompts;
    FixedClock clock{kTestTime};
    Session session(folder.path(), SessionMode::frameWrite2, prompts, clock);
    session.startUp();
    session.settings().frameType = 11; // 雲 等片

    std::size_t recordBytes = 0;
    for (const std::string& line : readLines(folder.file("jwc_temp.txt")))
        recordBytes += line.size() + 2;
    const CompletionPreview written = previewCompletion(session);
    QVERIFY(written.message.empty());
    for (const std::string& line : written.records)
        recordBytes += line.size() + 2;

    const RealSizePicture picture = makeRealSizePicture(completionInputs(session), nullptr);
    QVERIFY(picture.scene.records && picture.scene.selection);
    QVERIFY(picture.scene.records->shapes.size() > 10000); // a cloud is several arcs
    const std::size_t held =
        render::storedBytes(*picture.scene.records) + render::storedBytes(*picture.scene.selection);
    QVERIFY2(held <= 4 * recordBytes,
             qPrintable(QStringLiteral("%1 bytes held for %2 bytes of records").arg(held).arg(recordBytes)));
}

void RealSizePreviewTest::textsKeptAsPixelsLookAsIfPaintedAfresh()
{
    Lines texts = {"cn3"};
    for (int i = 0; i < 60; ++i)
        texts.push_back("ch " + std::to_string(i % 6 * 30) + " " + std::to_string(i / 6 * 9) + " 24 " +
                        (i % 4 ? "0" : "6") + " \"FD-" + std::to_string(i));
    render::RealSizeScene scene;
    scene.selection = std::make_shared<const render::Drawing>(render::buildDrawing(texts, render::defaultHostSheet()));
    scene.records = std::make_shared<const render::Drawing>(render::buildDrawing(
        {"lc5", "ci 40 20 6 0 180 0.6 20", " 0 0 150 80", "ci 100 60 4"}, render::defaultHostSheet()));
    auto paint = [&](const render::RealSizeView& view, render::LayerCache* cache) {
        QImage image(300, 200, QImage::Format_RGB32);
        QPainter painter(&image);
        render::paintRealSize(painter, QRectF(image.rect()), scene, view, cache);
        return image;
    };
    render::LayerCache cache;
    const render::RealSizeView whole;
    const QImage afresh = paint(whole, nullptr);
    QCOMPARE(paint(whole, &cache), afresh);
    QCOMPARE(paint(whole, &cache), afresh); // from the kept pixels
    render::RealSizeView zoomed;
    zoomed.zoomed = render::ViewPlace{6, {60, 30}};
    QCOMPARE(paint(zoomed, &cache), paint(zoomed, nullptr)); // a new view paints them again
    QVERIFY(paint(zoomed, nullptr) != afresh);
}

int main(int argc, char** argv)
{
    // The window tests' offscreen screen is 800 × 600, too small to place the preview beside the window.
    QTemporaryFile screens;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screens.open()) {
        screens.write(R"({"windowFrameMargins": true, "screens": [{"name": "1280x1024", "x": 0, "y": 0,
            "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    if (argc == 7 && QByteArray(argv[1]) == "--paint-preview") {
        QGuiApplication app(argc, argv);
        return paintPreview(app.arguments().mid(2));
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    RealSizePreviewTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "RealSizePreviewTest.moc"
