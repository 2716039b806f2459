#include "BenchSelection.h"
#include "app/Session.h"
#include "app/StderrPrompts.h"
#include "base/Clock.h"
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
        render::paintRealSize(painter, QRectF(image.rect()), folder.source().scene(), {});
        painter.end();
        paintMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        benchmark::DoNotOptimize(image.constBits());
    }
    if (!folder.source().scene().message.isEmpty())
        state.SkipWithError("the preview shows a message instead of a drawing");
    state.counters["refresh_ms"] = benchmark::Counter(refreshMs, benchmark::Counter::kAvgIterations);
    state.counters["paint_ms"] = benchmark::Counter(paintMs, benchmark::Counter::kAvgIterations);
    state.counters["shapes"] = static_cast<double>(folder.source().scene().records.shapes.size());
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
