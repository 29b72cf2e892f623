// Cost of the blend core on the panel's two real sizes, against a memcpy of the bytes it writes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "render/blend.h"

namespace {

constexpr int32_t kWidth = 120;

// An 8-bit sheet of 240x160 with an elliptic figure on black (the key) and a 33-colour palette.
struct Sheet {
    Sheet() : palette(33 * 4), pixels(240 * 160)
    {
        for (int i = 0; i < 32; ++i)
            palette[4 * i] = static_cast<uint8_t>(8 * i), palette[4 * i + 1] = 90, palette[4 * i + 2] = 200;
        for (int y = 0; y < 160; ++y)
            for (int x = 0; x < 240; ++x) {
                const int dx = x - 60, dy = y - 80;
                const bool figure = x < 120 && dx * dx * 4 + dy * dy < 60 * 60 * 2;
                pixels[(159 - y) * 240 + x] = figure ? static_cast<uint8_t>((x + y) % 32) : 32;
            }
    }
    PixelSource View() const { return {pixels.data(), pixels.size(), 240, 160, 8, palette.data(), 33}; }
    std::vector<uint8_t> palette, pixels;
};

// A grey 120x160 overlay layer with two bands of black and white "text".
struct Layer {
    Layer() : pixels(kWidth * 3 * 160, 128)
    {
        for (int y = 0; y < 160; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (((y >= 10 && y < 30) || (y >= 130 && y < 150)) && (x * 7 + y * 3) % 5 < 2)
                    std::memset(&pixels[(y * kWidth + x) * 3], (x + y) % 2 ? 255 : 0, 3);
    }
    PixelSource View() const { return {pixels.data(), pixels.size(), kWidth, -160, 24, nullptr, 0}; }
    std::vector<uint8_t> pixels;
};

struct Panel {
    Panel() : pixels(kWidth * 3 * 160, 77) {}
    PixelTarget View() { return {pixels.data(), pixels.size(), kWidth, 160, kWidth * 3}; }
    std::vector<uint8_t> pixels;
};

void BM_BlendCharacter(benchmark::State &state)
{
    const Sheet sheet;
    Panel panel;
    for (auto _ : state) {
        BlendPixels(panel.View(), {0, 0, kWidth, 152, 0, 0}, sheet.View(), kCharacterKey, 30);
        benchmark::DoNotOptimize(panel.pixels.data());
        benchmark::ClobberMemory();
    }
}

void BM_BlendOverlay(benchmark::State &state)
{
    const Layer layer;
    Panel panel;
    for (auto _ : state) {
        BlendPixels(panel.View(), {0, 0, kWidth, 160, 0, 0}, layer.View(), kOverlayKey, 40);
        benchmark::DoNotOptimize(panel.pixels.data());
        benchmark::ClobberMemory();
    }
}

// The bytes each blend writes: the 24-bit rectangle of the panel.
void BM_Memcpy(benchmark::State &state)
{
    const size_t cb = static_cast<size_t>(state.range(0));
    std::vector<uint8_t> from(cb, 1), to(cb);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), cb);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_BlendCharacter);
BENCHMARK(BM_BlendOverlay);
BENCHMARK(BM_Memcpy)->Arg(kWidth * 152 * 3)->Arg(kWidth * 160 * 3);

// Prints each blend's time as a multiple of the memcpy of its bytes, after the usual table: medians
// of the CPU time over the repetitions, which other work on the machine disturbs least.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.aggregate_name == "median")
                times_[run.run_name.str()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        Ratio("BM_BlendCharacter", "BM_Memcpy/54720");
        Ratio("BM_BlendOverlay", "BM_Memcpy/57600");
    }

private:
    void Ratio(const std::string &blend, const std::string &copy)
    {
        if (times_.count(blend) && times_.count(copy) && times_[copy] > 0)
            std::printf("%s: median %.1f us, %.1fx %s (median %.2f us)\n", blend.c_str(), times_[blend] / 1000,
                        times_[blend] / times_[copy], copy.c_str(), times_[copy] / 1000);
    }
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char **argv)
{
    // Nine repetitions, medians only, unless the command line says otherwise.
    std::vector<char *> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=9", aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {repetitions, aggregates});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
