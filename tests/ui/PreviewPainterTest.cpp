// The settings picture at pixel level, drawn into an image as into the window.
#include "render/PreviewPainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace tagler;

namespace {

const QColor kCream(255, 251, 240);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kMaroon(128, 0, 0);
const QColor kMagenta(255, 0, 255);

QImage picture(const PreviewInputs& in, int frameWidth = 105)
{
    const int w = frameWidth * 104 / 105, h = frameWidth * 60 / 105;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kCream);
    QPainter p(&image);
    paintPreview(p, in, frameWidth);
    return image;
}

// Lines land within a pixel of their design place, whatever the rasteriser does.
bool near(const QImage& image, int x, int y, const QColor& colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.rect().contains(x + dx, y + dy) && image.pixelColor(x + dx, y + dy) == colour)
                return true;
    return false;
}

PreviewInputs inputs(int frame, int tip, int attach = 0)
{
    PreviewInputs in;
    in.frameType = frame;
    in.tipSymbol = tip;
    in.attachPosition = attach;
    return in;
}

struct Probe {
    int x, y;
    QColor colour;
    bool exact; // the pixel itself, not its neighbourhood
};

} // namespace

Q_DECLARE_METATYPE(PreviewInputs)
Q_DECLARE_METATYPE(QList<Probe>)

class PreviewPainterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tablePoints_data();
    void tablePoints();
};

void PreviewPainterTest::tablePoints_data()
{
    QTest::addColumn<PreviewInputs>("in");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<Probe>>("probes");

    // 四角, 最上行上, 実点: bars, box, leader (28,25)-(46,1), dot in (25,22)-(31,28).
    const PreviewInputs box = inputs(2, 2, 0);
    QTest::newRow("box with dot") << box << 105 << QList<Probe>{{60, 8, kBlue, true},    {51, 6, kBlue, true},
                                                                {88, 8, kCream, true},   {70, 1, kBlack, false},
                                                                {92, 12, kBlack, false}, {46, 20, kBlack, false},
                                                                {37, 13, kBlack, false}, {28, 25, kBlue, true},
                                                                {28, 22, kBlack, false}, {20, 40, kCream, true}};
    PreviewInputs tilted = box;
    tilted.tiltFrame = true;
    QTest::newRow("tilt turns bars and frame, not leader and tip")
        << tilted << 105
        << QList<Probe>{{86, 14, kBlue, true}, {91, 25, kBlack, false}, {28, 25, kBlue, true}, {37, 13, kBlack, false}};
    QTest::newRow("untilted bar stops above") << box << 105 << QList<Probe>{{86, 14, kCream, true}};

    QTest::newRow("cloud with arrow 4: balloon pointer, no arrow") << inputs(12, 7, 0) << 105
                                                                   << QList<Probe>{{32, 47, kBlack, false},
                                                                                   {44, 28, kBlack, false},
                                                                                   {52, 29, kBlack, false},
                                                                                   {30, 20, kCream, true},
                                                                                   {33, 18, kCream, true}};

    PreviewInputs underlined = inputs(6, 1, 0);
    underlined.textSlide = 6;
    underlined.extensionLengthMode = 1;
    QTest::newRow("underline extended, three maroon bars, red extension")
        << underlined << 105 << QList<Probe>{{60, 32, kMaroon, true}, {60, 40, kMaroon, true}, {60, 48, kMaroon, true},
                                             {34, 25, kRed, true},    {70, 25, kBlack, true},  {13, 37, kBlack, false}};
    underlined.textSlide = 2;
    underlined.extensionLengthMode = 0;
    QTest::newRow("two blue bars, black extension")
        << underlined << 105
        << QList<Probe>{{60, 32, kBlue, true}, {60, 40, kBlue, true}, {60, 48, kCream, true}, {34, 25, kBlack, true}};

    PreviewInputs importing = box;
    importing.mode = SessionMode::importText;
    QTest::newRow("importing text: no leader or tip")
        << importing << 105 << QList<Probe>{{70, 1, kBlack, false}, {28, 25, kCream, true}, {37, 13, kCream, true}};

    PreviewInputs fixed = box;
    fixed.fixedLeaderLength = true;
    QTest::newRow("fixed length: red leader") << fixed << 105 << QList<Probe>{{37, 13, kRed, false}};

    PreviewInputs filled = box;
    filled.fillInside = true;
    QTest::newRow("fill behind the text")
        << filled << 105 << QList<Probe>{{50, 5, kMagenta, true}, {60, 8, kBlue, true}};

    PreviewInputs fourPoint = inputs(0, 4, 0);
    fourPoint.mode = SessionMode::fourPoint;
    QTest::newRow("four points bend the leader")
        << fourPoint << 105 << QList<Probe>{{31, 16, kBlack, false}, {40, 4, kBlack, false}, {37, 13, kCream, true}};

    QTest::newRow("no leader tip: no leader")
        << inputs(2, 0, 0) << 105 << QList<Probe>{{37, 13, kCream, true}, {70, 1, kBlack, false}};

    QTest::newRow("double width") << box << 210
                                  << QList<Probe>{
                                         {140, 2, kBlack, false}, {56, 50, kBlue, true}, {120, 16, kBlue, true}};
}

void PreviewPainterTest::tablePoints()
{
    QFETCH(PreviewInputs, in);
    QFETCH(int, width);
    QFETCH(QList<Probe>, probes);
    const QImage image = picture(in, width);
    for (const Probe& p : probes) {
        const bool ok = p.exact ? image.pixelColor(p.x, p.y) == p.colour : near(image, p.x, p.y, p.colour);
        QVERIFY2(ok, qPrintable(QStringLiteral("(%1,%2) is %3, wanted %4")
                                    .arg(p.x)
                                    .arg(p.y)
                                    .arg(image.pixelColor(p.x, p.y).name(), p.colour.name())));
    }
}

QTEST_MAIN(PreviewPainterTest)
#include "PreviewPainterTest.moc"
