// The ruler's costs at the screen sizes it meets (tools/bench prints the
// ratios): a mark-drag step (the bare scale copied, band, lines and label
// drawn, the image widget repainted) against a plain copy of the same bytes,
// and a show's drawing of both scales.
#include "app/ApplicationSetup.h"
#include "controls/TKNImage.h"
#include "ruler/RulerGeometry.h"
#include "ruler/RulerPainting.h"

#include <QApplication>
#include <QPolygon>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using namespace kolvi;

RulerInk Ink() {
    return {QApplication::font(), QColor(0, 0, 0), QColor(255, 255, 225), 1.0};
}

void BM_CopyBareScaleFloor(benchmark::State& state) {
    const Bitmap24 bare(static_cast<int>(state.range(0)) - RulerBand, RulerBand);
    std::vector<std::uint8_t> copy(bare.Stride() * RulerBand);
    for (auto _ : state) {
        std::memcpy(copy.data(), bare.Bytes(), copy.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyBareScaleFloor)->Arg(1920)->Arg(3840);

void BM_MarkDragStep(benchmark::State& state) {
    const int screenWidth = static_cast<int>(state.range(0));
    Bitmap24 bare(screenWidth - RulerBand, RulerBand);
    const RulerInk ink = Ink();
    DrawBareScale(bare, true, ink);
    TKNImage image("ImageRulerH", nullptr);
    image.resize(screenWidth, RulerBand);
    image.show();
    QApplication::processEvents();
    int x = 0;
    for (auto _ : state) {
        x = (x + 7) % (screenWidth - RulerBand);
        const std::string label = MarkLabel(std::min(x, 100), std::max(x, 100));
        const Extent size = RulerTextSize(ink.font, QString::fromStdString(label));
        image.SetImage(MarkedScale(bare, true, SpanMark(true, 100, x, size), ink));
        image.repaint();
    }
}
BENCHMARK(BM_MarkDragStep)->Arg(1920)->Arg(3840)->Unit(benchmark::kMicrosecond);

void BM_ShowScales(benchmark::State& state) {
    const int sw = static_cast<int>(state.range(0));
    const int sh = static_cast<int>(state.range(1));
    const RulerInk ink = Ink();
    for (auto _ : state) {
        Bitmap24 vertical(RulerBand, sh - RulerBand);
        Bitmap24 horizontal(sw - RulerBand, RulerBand);
        DrawBareScale(vertical, false, ink);
        DrawBareScale(horizontal, true, ink);
        QPolygon region;
        for (const Point& corner : RulerRegion(sw, sh)) {
            region << QPoint(corner.x, corner.y);
        }
        const QImage shownV = BitmapImage(vertical).copy();
        const QImage shownH = BitmapImage(horizontal).copy();
        benchmark::DoNotOptimize(QRegion(region).boundingRect());
        benchmark::DoNotOptimize(shownV.constBits());
        benchmark::DoNotOptimize(shownH.constBits());
    }
}
BENCHMARK(BM_ShowScales)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kolvi::SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
