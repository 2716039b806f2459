#include "BenchSelection.h"
#include "app/CompletionPreview.h"
#include "app/Session.h"
#include "app/StderrPrompts.h"
#include "base/Clock.h"
#include "render/HostRecord.h"
#include "render/RealSizePicture.h"
#include "ui/RealSizeSource.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <memory>

// What the real-size preview costs per change: the records completion would
// write made again and drawn into a window of the preview's first size.
namespace {

using namespace tagler;

constexpr QSize kWindowSize(520, 400);

// A folder as the host leaves it, the default data files beside the exchange file.
class PreviewFolder {
public:
    PreviewFolder(const Lines& exchange, SessionMode mode)
    {
        writeLines(dir_.filePath("jwc_temp.txt").toStdString(), exchange);
        const QDir data(QStringLiteral(TAGLER_SOURCE_DATA));
        for (const QString& name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), dir_.filePath(name));
        session_ = std::make_unique<Session>(dir_.path().toStdString(), mode, prompts_, clock_);
        session_->startUp();
        source_ = std::make_unique<RealSizeSource>(*session_);
    }
    Session& session() { return *session_; }
    RealSizeSource& source() { return *source_; }

private:
    QTemporaryDir dir_;
    StderrPrompts prompts_;
    FixedClock clock_{parseLocalDateTime("2026-01-01T09:00:00")};
    std::unique_ptr<Session> session_;
    std::unique_ptr<RealSizeSource> source_;
};

Lines pointHeader()
{
    Lines l = bench::selectionLines(0);
    l.insert(l.begin() + 8, {"hp1 0 0", "hp2 3000 2000", "hp3- 7000 2000"});
    return l;
}

// One typed character a change; the refresh and the paint timed apart.
void typeAndDraw(benchmark::State& state, PreviewFolder& folder)
{
    QImage image(kWindowSize, QImage::Format_RGB32);
    Lines text = {sjis("防火戸 FD-"), "W=1200 H=2000"};
    double refreshMs = 0, paintMs = 0;
    QElapsedTimer clock;
    render::LayerCache selectionPixels; // as the preview window keeps it
    for (auto _ : state) {
        text[0].push_back(static_cast<char>('0' + text[0].size() % 10));
        if (text[0].size() > 40)
            text[0].resize(10);
        folder.session().setInputLines(text);
        clock.start();
        folder.source().refresh();
        refreshMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        clock.start();
        image.fill(Qt::white);
        QPainter painter(&image);
        render::paintRealSize(painter, QRectF(image.rect()), folder.source().scene(), {}, &selectionPixels);
        painter.end();
        paintMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        benchmark::DoNotOptimize(image.constBits());
    }
    if (!folder.source().scene().message.isEmpty())
        state.SkipWithError("the preview shows a message instead of a drawing");
    state.counters["refresh_ms"] = benchmark::Counter(refreshMs, benchmark::Counter::kAvgIterations);
    state.counters["paint_ms"] = benchmark::Counter(paintMs, benchmark::Counter::kAvgIterations);
    const render::RealSizeScene& scene = folder.source().scene();
    state.counters["shapes"] = static_cast<double>(scene.records->shapes.size());
    state.counters["scene_KiB"] = static_cast<double>(render::storedBytes(*scene.records) +
                                                      (scene.selection ? render::storedBytes(*scene.selection) : 0)) /
                                  1024;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_RSS_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

// The floor: the same records, handed-over and written, each drawn by one QPainter call as it is
// read, with the thin pen, into the same picture. A text is its direction, an arc Qt's own.
void plainPaint(QPainter& painter, const Lines& records, const QRectF& area, const render::Extent& extent)
{
    const double scale =
        std::min(area.width() / (extent.right - extent.left), area.height() / (extent.top - extent.bottom));
    auto map = [&](const render::Point& p) {
        return QPointF(area.left() + (p.x - extent.left) * scale, area.bottom() - (p.y - extent.bottom) * scale);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    for (const std::string& line : records) {
        const render::HostRecord r = render::parseRecord(line);
        if (const auto* l = std::get_if<render::LineRecord>(&r)) {
            painter.drawLine(map(l->from), map(l->to));
        } else if (const auto* a = std::get_if<render::ArcRecord>(&r)) {
            const double rx = a->radius * scale, ry = rx * a->flatness;
            painter.translate(map(a->centre));
            painter.rotate(-a->tiltDeg);
            painter.drawArc(QRectF(-rx, -ry, 2 * rx, 2 * ry), static_cast<int>(a->startDeg * 16),
                            static_cast<int>(render::arcSweepDegrees(a->startDeg, a->endDeg) * 16));
            painter.resetTransform();
        } else if (const auto* t = std::get_if<render::TextRecord>(&r)) {
            painter.drawLine(map(t->origin), map({t->origin.x + t->direction.x, t->origin.y + t->direction.y}));
        }
    }
}

void framingFloor(benchmark::State& state)
{
    PreviewFolder folder(bench::selectionLines(static_cast<int>(state.range(0))), SessionMode::frameWrite2);
    folder.session().settings().frameType = static_cast<int>(state.range(1));
    const CompletionPreview preview = previewCompletion(folder.session());
    Lines records(folder.session().exchange().exchangeLines.begin() + 11,
                  folder.session().exchange().exchangeLines.end());
    records.insert(records.end(), preview.records.begin(), preview.records.end());
    folder.source().refresh();
    const render::RealSizeScene& scene = folder.source().scene();
    render::Extent extent = render::drawingExtent(*scene.records);
    extent.add(render::drawingExtent(*scene.selection));
    QImage image(kWindowSize, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        plainPaint(painter, records, render::drawingArea(QRectF(image.rect())), extent);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["records"] = static_cast<double>(records.size());
}

void oneAnnotation(benchmark::State& state)
{
    PreviewFolder folder(pointHeader(), SessionMode::normal);
    AnnotationSettings& s = folder.session().settings();
    s.frameType = 2; // 四角
    s.fillInside = true;
    s.tipSymbol = 2;
    typeAndDraw(state, folder);
}

void framingEach(benchmark::State& state)
{
    PreviewFolder folder(bench::selectionLines(static_cast<int>(state.range(0))), SessionMode::frameWrite2);
    folder.session().settings().frameType = static_cast<int>(state.range(1));
    typeAndDraw(state, folder);
}

BENCHMARK(oneAnnotation)->Unit(benchmark::kMicrosecond);
// 四角 and 雲 around each of 1,000 and 10,000 handed-over texts.
BENCHMARK(framingEach)->Args({1000, 2})->Args({10000, 2})->Args({10000, 11})->Unit(benchmark::kMillisecond);
// What painting them cannot go below.
BENCHMARK(framingFloor)->Args({10000, 2})->Args({10000, 11})->Unit(benchmark::kMillisecond);
// A sheet ten times larger: memory and time grow with it, no faster.
BENCHMARK(framingEach)->Args({100000, 11})->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
