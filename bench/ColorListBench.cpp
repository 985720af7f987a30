// Reading a 100,000-line favourites file and filtering its lines, against
// reading the same bytes into memory in the same run (tools/bench prints the
// ratio).
#include "lists/ColorLines.h"
#include "platform/KolviFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

using namespace kolvi;

const std::string& FavouritesFile() {
    static const std::string path = [] {
        const std::string file = "/tmp/kolvi-bench-favorite.dat";
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < 100000; ++i) {
            char line[64];
            std::snprintf(line, sizeof line, "#%06X favourite number %d\r\n", i * 167 & 0xFFFFFF,
                          i);
            out << line;
        }
        return file;
    }();
    return path;
}

constexpr std::size_t Limit = std::size_t{256} << 20;

void BM_ReadBytesFloor(benchmark::State& state) {
    for (auto _ : state) {
        const FileRead read = ReadKolviFile(FavouritesFile(), Limit);
        benchmark::DoNotOptimize(read.bytes.data());
    }
}
BENCHMARK(BM_ReadBytesFloor)->Unit(benchmark::kMillisecond);

void BM_ReadAndFilterFavourites(benchmark::State& state) {
    for (auto _ : state) {
        FileRead read = ReadKolviFile(FavouritesFile(), Limit);
        const ColorLines lines = ColorLines::FromFileText(std::move(read.bytes));
        benchmark::DoNotOptimize(lines.size());
    }
}
BENCHMARK(BM_ReadAndFilterFavourites)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
