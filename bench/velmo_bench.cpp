// Speed of the generators, the handlers and a whole headless game, beside
// their floors: the same random draws and pixel writes into a plain buffer.
// Prints the median of several repetitions and the ratios to the floors.

#include "app/frmvelmo.h"
#include "quick_game.h"
#include "game/answer_entry.h"
#include "game/phases.h"
#include "missions/missions.h"
#include "platform/screen.h"
#include "scoring/scorers.h"
#include "support.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace velmo;

// A state whose first draw gives mission 2 its most extra draws, 3.
constexpr std::uint32_t heavy_mission_2 = 0xFFFFFF;

// The window at the wait before a mission, Pic1 sized as Start leaves it.
struct Bench {
    Frmvelmo w;
    Bench()
    {
        w.click("Cmdstart");
        w.click("cmdready");
        w.click("cmdcont");
    }
    Game& g() { return w.game(); }
};

void BM_Mission2(benchmark::State& state)
{
    Bench b;
    b.g().state.mission = 2;
    for (auto _ : state) {
        b.w.set_rng_state(test::state_before(heavy_mission_2));
        tehtava2(b.g());
        benchmark::DoNotOptimize(b.g().state.colourcount);
    }
}
BENCHMARK(BM_Mission2)->Unit(benchmark::kMillisecond);

// The floor: the same 2 + 117,972 x 5 draws and 117,972 writes, no surface.
void BM_Mission2Floor(benchmark::State& state)
{
    constexpr std::array<std::uint32_t, 4> colours{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
    std::vector<std::uint32_t> buffer(522 * 226);
    std::array<long, 4> counts{};
    for (auto _ : state) {
        RandomGenerator rnd;
        rnd.set_state(test::state_before(heavy_mission_2));
        const int extra = rnd.draw(4);
        const int asked = rnd.draw(4);
        for (std::size_t p = 0; p < buffer.size(); ++p) {
            int c = rnd.draw(4);
            for (int e = 0; e <= extra; ++e)
                if (rnd.draw(4) == 0)
                    c = asked;
            buffer[p] = colours[static_cast<std::size_t>(c)];
            ++counts[static_cast<std::size_t>(c)];
        }
        benchmark::DoNotOptimize(buffer.data());
        benchmark::DoNotOptimize(counts);
    }
}
BENCHMARK(BM_Mission2Floor)->Unit(benchmark::kMillisecond);

void BM_Generator(benchmark::State& state)
{
    const int mission = static_cast<int>(state.range(0));
    Bench b;
    b.g().state.mission = static_cast<Integer>(mission);
    b.g().state.rightanswer = 300; // the most shapes for missions 1 and 3
    for (auto _ : state) {
        b.w.set_rng_state(0xFFFFFF); // the most shapes for missions 4 and 9
        procedures_of(b.g(), mission)->tehtava(b.g());
        state.PauseTiming();
        b.g().ui.Pic1.cls();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Generator)->DenseRange(1, 10)->Unit(benchmark::kMicrosecond);

void BM_StepClick(benchmark::State& state)
{
    Bench b;
    b.g().state.mission = 10;
    for (auto _ : state) {
        b.g().state.answer = 20000;
        cmdchange_Click(b.g(), 7);
    }
}
BENCHMARK(BM_StepClick)->Unit(benchmark::kMicrosecond);

void BM_ReadyAndContinue(benchmark::State& state)
{
    Bench b;
    b.g().state.mission = 5;
    for (auto _ : state) {
        cmdready_Click(b.g());
        cmdcont_Click(b.g());
    }
}
BENCHMARK(BM_ReadyAndContinue)->Unit(benchmark::kMicrosecond);

void BM_NewGame(benchmark::State& state)
{
    Bench b;
    for (auto _ : state)
        Cmdnew_Click(b.g());
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMicrosecond);

void BM_Tmr1Tick(benchmark::State& state)
{
    Frmvelmo w;
    for (auto _ : state)
        w.tick("Tmr1");
}
BENCHMARK(BM_Tmr1Tick)->Unit(benchmark::kNanosecond);

// Start after the window has rested for the given time, Tmr1 running: the
// click first takes every tick that fell due (1.8 million after an hour).
void BM_StartAfterRest(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<Frmvelmo>();
        w->advance(state.range(0));
        state.ResumeTiming();
        w->click("Cmdstart");
    }
}
BENCHMARK(BM_StartAfterRest)->Arg(2)->Arg(3'600'000)->Unit(benchmark::kMicrosecond);

// Start to total on the virtual clock, with the real 3-second waits.
void BM_FullGame(benchmark::State& state)
{
    for (auto _ : state) {
        Frmvelmo w;
        benchmark::DoNotOptimize(velmo::test::play_quick_game(w));
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullGame)->Unit(benchmark::kMillisecond);

// Mission 2's picture, all of it, brought to the screen at a scale (in
// 1024ths), as a view does when the picture is drawn anew: at a whole scale
// blocks, between whole scales the area mean.
void BM_ShowPicture(benchmark::State& state)
{
    Bench b;
    tehtava2(b.g());
    const Raster& r = b.w.form().picture("Pic1").raster();
    const ScreenScale scale(static_cast<int>(state.range(0)));
    const Bounds box = scale.box({16, 320, r.width(), r.height()});
    std::vector<std::uint32_t> out(static_cast<std::size_t>(box.width) * box.height);
    for (auto _ : state) {
        resample(r.argb(), r.width(), r.height(), box.width, box.height, {0, box.width}, {0, box.height}, out, box.width);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_ShowPicture)->Arg(1024)->Arg(2048)->Arg(1280)->Arg(1536)->Arg(1792)->Unit(benchmark::kMicrosecond);

// Prints as usual, and keeps the medians for the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular)
    {
    }
    std::map<std::string, double> median_ns;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                median_ns[r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args)] =
                    r.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(r.time_unit);
    }
};

} // namespace

int main(int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    std::string reps = "--benchmark_repetitions=7", agg = "--benchmark_report_aggregates_only=true";
    args.push_back(reps.data());
    args.push_back(agg.data());
    int n = static_cast<int>(args.size());
    benchmark::Initialize(&n, args.data());
    RatioReporter reporter; // plain text: the figures end up in notes and logs
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& m = reporter.median_ns;
    if (m.count("BM_Mission2") && m.count("BM_Mission2Floor"))
        std::printf("\nmission 2: %.2f ms, floor %.2f ms, ratio %.2fx (target: under 2x and 5 ms)\n",
            m.at("BM_Mission2") / 1e6, m.at("BM_Mission2Floor") / 1e6, m.at("BM_Mission2") / m.at("BM_Mission2Floor"));
    if (m.count("BM_StartAfterRest/2") && m.count("BM_StartAfterRest/3600000"))
        std::printf("Start after an hour at rest: %.1f us, after 2 ms: %.1f us, ratio %.2fx (target: under 1 ms)\n",
            m.at("BM_StartAfterRest/3600000") / 1e3, m.at("BM_StartAfterRest/2") / 1e3,
            m.at("BM_StartAfterRest/3600000") / m.at("BM_StartAfterRest/2"));
    if (m.count("BM_ShowPicture/2048"))
        for (const char* at : {"1280", "1536", "1792"})
            if (m.count(std::string("BM_ShowPicture/") + at))
                std::printf("the whole picture at %.2fx: %.2f ms, %.2fx the 2 x 2 blocks of scale 2\n", std::atoi(at) / 1024.0,
                    m.at(std::string("BM_ShowPicture/") + at) / 1e6,
                    m.at(std::string("BM_ShowPicture/") + at) / m.at("BM_ShowPicture/2048"));
    if (m.count("BM_FullGame"))
        std::printf("full headless game: %.2f ms, %.0f games/s (target: at least 200)\n", m.at("BM_FullGame") / 1e6,
            1e9 / m.at("BM_FullGame"));
    benchmark::Shutdown();
}
