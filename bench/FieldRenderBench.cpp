// One field render per picker mode, against memset of the same 196,608 bytes in
// the same run (tools/bench prints the ratios).
#include "color/ColorPicker.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using namespace kolvi;

struct SilentListener : PickerListener {
    void CurrentColorSet(TColor) override {}
    void BaseColorSet(TColor) override {}
    void FieldImageChanged() override {}
    void MarkerPlaced() override {}
    void StripImageChanged() override {}
    void SliderImageChanged() override {}
    void FieldRowRendered(int) override {}
};

void BM_MemsetFloor(benchmark::State& state) {
    std::vector<unsigned char> bytes(FieldSize * FieldRowBytes);
    int value = 0;
    for (auto _ : state) {
        std::memset(bytes.data(), ++value & 0xFF, bytes.size());
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_MemsetFloor);

void BM_RenderField(benchmark::State& state) {
    SilentListener listener;
    ColorPicker picker(listener);
    picker.SetPickerMode(static_cast<std::int16_t>(state.range(0)));
    picker.ApplyMode();
    picker.SetColorRGB(200, 100, 50);
    int step = 0;
    for (auto _ : state) {
        // A different hue every time, as during a strip drag.
        picker.RenderField(MakeColor(255, ++step & 0xFF, 0), false);
        benchmark::DoNotOptimize(picker.FieldBitmap().Bytes());
    }
    state.SetBytesProcessed(state.iterations() * FieldSize * FieldRowBytes);
}
BENCHMARK(BM_RenderField)->Arg(FullColorMode)->Arg(WebSafeMode)->Arg(Colors256Mode);

} // namespace

BENCHMARK_MAIN();
