#include "host/Gallery.h"

#include "app/HostHeader.h"
#include "app/RunAnnotation.h"
#include "base/CodePage.h"
#include "base/Error.h"
#include "host/ExchangeHeader.h"
#include "render/PreviewPainter.h"
#include "render/RecordPainter.h"
#include "settings/FrameType.h"
#include "settings/TipSymbol.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <optional>

namespace tagler::host {

using namespace tagler::render;
namespace {

constexpr int tileWidth = 380;
constexpr int tileHeight = 300;
constexpr int headerHeight = 36;

struct Layout {
    const char* name;
    bool rotated;
    bool tilted;
};

const std::array<Layout, 4> layouts = {{
    {"horizontal", false, false},
    {"horizontal, tilted", false, true},
    {"rotated", true, false},
    {"rotated, tilted", true, true},
}};

// Cycles through the symbols so the sheet shows each of them somewhere.
// The tips with a symbol, in turn.
int tipFor(FrameType frame)
{
    constexpr int first = static_cast<int>(TipSymbol::solidDot);
    return first + frameIndex(frame) % (kTipSymbolCount - first);
}

HeaderRequest requestFor(const Layout& layout)
{
    HeaderRequest r;
    r.mode = HostMode::normal;
    r.p1 = {0, 0};
    r.p2 = {14, 12};
    if (!layout.rotated)
        r.p3 = layout.tilted ? Point{44, 20} : Point{44, 12};
    else
        r.p3 = layout.tilted ? Point{20, 42} : Point{14, 42};
    return r;
}

AnnotationSettings settingsFor(FrameType frame, const Layout& layout)
{
    AnnotationSettings s;
    s.frameType = frameIndex(frame);
    s.tipSymbol = tipFor(frame);
    s.tiltFrame = layout.tilted;
    s.attachPosition = 2; // 全体中央
    s.noFrameGap = false;
    s.fillInside = true;
    s.fillColor = 0xC0F0FF; // light amber, red in the low byte
    s.fillGap = 3;
    s.leaderColor = 1;
    s.frameColor = 5;
    s.arrowLength = 30;
    s.dotRadius = 8;
    return s;
}

struct Tile {
    Lines records;
    QString caption;
    bool failed = false;
    std::optional<AnnotationSettings> settings; // shown as the window's settings picture
};

// The window's picture of the same settings, at its own size, in the tile's corner.
void paintSettingsPicture(QPainter& painter, const QRectF& tile, const AnnotationSettings& settings)
{
    constexpr int kFrameWidth = 105;
    const QRect frame(static_cast<int>(tile.left()) + 4, static_cast<int>(tile.top()) + 4, kFrameWidth, 62);
    painter.save();
    painter.fillRect(frame, QColor(255, 251, 240));
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(frame);
    painter.translate(frame.topLeft() + QPoint(1, 1));
    paintPreview(painter, previewInputs(settings, SessionMode::normal), kFrameWidth);
    painter.restore();
}

Tile annotate(FrameType frame, const Layout& layout)
{
    const HeaderRequest request = requestFor(layout);
    const AnnotationSettings settings = settingsFor(frame, layout);
    const FrameTraits& t = traits(frame);
    Tile tile;
    tile.caption = QString::fromUtf8("%1 %2 · %3 · %4")
                       .arg(frameIndex(frame))
                       .arg(QString::fromUtf8(t.name))
                       .arg(QString::fromUtf8(layout.name))
                       .arg(t.drawsOwnLeader ? QString::fromUtf8("tail, no tip symbol")
                                             : QString::fromUtf8(traits(tipSymbolAt(settings.tipSymbol)).name));
    ExchangeState exchange;
    exchange.header = parseHostHeader(buildHeader(request), SessionMode::normal);
    const Lines text = {sjis("注釈文字の例"), sjis("Tagler 2")};
    const FixedClock clock(parseLocalDateTime("2026-01-01T09:00:00"));
    OutputList out;
    const AnnotationOutcome outcome = runAnnotation(exchange, settings, text, clock, out);
    if (outcome.errorMessage) {
        // What was written so far is still drawn, as the host would.
        tile.caption += QString::fromUtf8(" — ") + QString::fromUtf8(*outcome.errorMessage);
        tile.failed = true;
    } else if (outcome.changes.tiltFrame == false) {
        tile.caption += QStringLiteral(" (tilt released)");
    }
    tile.records = out.records();
    tile.settings = settings;
    return tile;
}

// Frames around texts already in the drawing: the selected texts and what the mode draws around them.
struct SelectionTile {
    SessionMode mode;
    FrameType frame;
    const char* what;
    Lines texts;
};

Tile annotateSelection(const SelectionTile& t)
{
    Lines lines = {"hq",
                   "hk 0",
                   "hs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
                   "hcw 2 2.5 3 4 5 6 7 8 9 10",
                   "hch 2 2.5 3 4 5 6 7 8 9 10",
                   "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1",
                   "hcc      1      1      2      2      3      3      4      4      5      5",
                   "hn 0 0 1 1",
                   "lg0",
                   "ly0",
                   "lc1",
                   "lt1",
                   "cn3",
                   sjis("cn\"$<ＭＳ ゴシック>"),
                   "#"};
    lines.insert(lines.end(), t.texts.begin(), t.texts.end());
    ExchangeState exchange;
    exchange.mode = t.mode;
    exchange.header = parseHostHeader(lines, t.mode);
    exchange.exchangeLines = lines;
    AnnotationSettings settings;
    settings.frameType = frameIndex(t.frame);
    settings.fillInside = true;
    settings.fillColor = 0xC0F0FF;
    settings.fillGap = 3;
    settings.frameColor = 5;
    const FixedClock clock(parseLocalDateTime("2026-01-01T09:00:00"));
    OutputList out;
    const AnnotationOutcome outcome = runAnnotation(exchange, settings, {}, clock, out);
    Tile tile;
    tile.caption = QString::fromUtf8("%1 · %2 · %3")
                       .arg(QString::fromUtf8(traits(t.mode).caption))
                       .arg(QString::fromUtf8(traits(t.frame).name))
                       .arg(QString::fromUtf8(t.what));
    if (outcome.errorMessage) {
        tile.caption += QString::fromUtf8(" — ") + QString::fromUtf8(*outcome.errorMessage);
        tile.failed = true;
    }
    tile.records = out.records();
    // The host already draws the selected texts; the sheet shows them under their frames.
    tile.records.insert(tile.records.end(), t.texts.begin(), t.texts.end());
    return tile;
}

const Lines kRowOfTexts = {"cn3", "ch 0 0 18 0 \"ABCDEF", "ch 0 -6 12 0 \"GHIJ", "ch 8 -12 15 0 \"KLMNO"};
const Lines kTurnedTexts = {"cn3", "ch 0 0 18 0 \"ABCDEF", "ch 0 -10 12.99 7.5 \"TURNED", "ch 30 -16 -15 0 \"REVERSED",
                            "cc4", "ch 22 4 0 9 \"UP"};

const std::array<SelectionTile, 8> kSelectionTiles = {{
    {SessionMode::frameWrite1, FrameType::box, "three texts", kRowOfTexts},
    {SessionMode::frameWrite1, FrameType::longRound, "three texts", kRowOfTexts},
    {SessionMode::frameWrite1, FrameType::cloudEven, "three texts", kRowOfTexts},
    {SessionMode::frameWrite1, FrameType::box, "rising texts", {"cn3", "ch 0 0 0 18 \"ABCDEF", "ch -6 0 0 12 \"GHIJ"}},
    {SessionMode::frameWrite2, FrameType::box, "turned, reversed, base point", kTurnedTexts},
    {SessionMode::frameWrite2, FrameType::longRound, "turned, reversed, base point", kTurnedTexts},
    {SessionMode::frameWrite2, FrameType::cloudUneven, "turned, reversed, base point", kTurnedTexts},
    {SessionMode::frameWrite2, FrameType::underline, "turned, reversed, base point", kTurnedTexts},
}};

} // namespace

int writeGallery(const std::string& out)
{
    const int columns = static_cast<int>(layouts.size());
    const int rows = kFrameTypeCount;
    const int selectionRows = static_cast<int>(kSelectionTiles.size()) / columns;
    QImage image(columns * tileWidth, headerHeight + (rows + selectionRows) * tileHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const HostSheet sheet = defaultHostSheet();
    int failures = 0;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont title = hostFont(sheet.font);
        title.setPixelSize(16);
        painter.setFont(title);
        painter.drawText(QRectF(0, 0, image.width(), headerHeight), Qt::AlignCenter,
                         QString::fromUtf8("Tagler frames: each tile written by the writer, drawn by the stand-in host "
                                           "(fill on, gap 0.3 mm, attach 全体中央); in the corner the window's "
                                           "settings picture of the same settings"));
        auto draw = [&](const Tile& tile, int column, int row) {
            failures += tile.failed;
            const QRectF target(column * tileWidth + 2, headerHeight + row * tileHeight + 2, tileWidth - 4,
                                tileHeight - 4);
            renderRecords(painter, target, tile.records, sheet, tile.caption);
            if (tile.settings)
                paintSettingsPicture(painter, target, *tile.settings);
            painter.setPen(QColor(200, 200, 200));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(target);
        };
        for (int f = 0; f < rows; ++f)
            for (int c = 0; c < columns; ++c)
                draw(annotate(frameTypeAt(f), layouts[static_cast<std::size_t>(c)]), c, f);
        for (std::size_t i = 0; i < kSelectionTiles.size(); ++i)
            draw(annotateSelection(kSelectionTiles[i]), static_cast<int>(i) % columns,
                 rows + static_cast<int>(i) / columns);
    }
    if (!image.save(QString::fromStdString(out), "PNG"))
        fail(ErrorKind::InputOutput, "cannot write " + out);
    return failures;
}

} // namespace tagler::host
