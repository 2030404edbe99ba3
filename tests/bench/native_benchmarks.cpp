// The platform-free code on the timer path and the settings codec, timed
// natively with Google Benchmark, each beside a floor: the least the same
// work can cost, written here as plainly as it can be. Not a test: it prints
// the figures for scripts/bench.sh (a benchmark named X has its floor in
// X_floor).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/settings_codec.h"
#include "core/triggers/gesture_sampler.h"

namespace {

constexpr GesturePoint ANCHOR = {500, 500};

// ---------------------------------------------------------------------------
// A sampling tick that does not move far enough: most ticks are this one.

void GestureTickShortMove(benchmark::State& state)
{
    GestureRecognition recognition;
    recognition.gestureAnchor = ANCHOR;
    std::int32_t jiggle = 0;
    for (auto _ : state) {
        const GesturePoint cursor = {ANCHOR.x + (jiggle & 31), ANCHOR.y - (jiggle & 15)};
        ++jiggle;
        benchmark::DoNotOptimize(GestureSampleIsStep(recognition, cursor));
    }
}

// The floor: the distance test in a function of its own.
[[gnu::noinline]] bool FarEnough(GesturePoint anchor, GesturePoint cursor, std::uint32_t distance)
{
    const std::int64_t dx = cursor.x - anchor.x, dy = cursor.y - anchor.y;
    const std::int64_t d = distance;
    return dx * dx + dy * dy > 2 * d * d;
}

void GestureTickShortMoveFloor(benchmark::State& state)
{
    std::int32_t jiggle = 0;
    for (auto _ : state) {
        const GesturePoint cursor = {ANCHOR.x + (jiggle & 31), ANCHOR.y - (jiggle & 15)};
        ++jiggle;
        benchmark::DoNotOptimize(FarEnough(ANCHOR, cursor, 64));
    }
}

// ---------------------------------------------------------------------------
// A sampling tick that completes a gesture: the step is fed to all nine
// records and the last one completes (→ ↓ ← ↑, of which three steps are
// already matched). Before each tick the state is put back: the records that
// do not match hold a gesture of their own.

struct Records {
    GestureSequence sequence[ACTION_COUNT];
    GestureSequence* pointer[ACTION_COUNT];
    Records()
    {
        for (int i = 0; i < ACTION_COUNT; ++i) {
            pointer[i] = &sequence[i];
            sequence[i].count = 3 + i % 6;
            for (int j = 0; j < sequence[i].count; ++j) sequence[i].directions[j] = (i + j) % 2 ? DIR_DOWN : DIR_RIGHT;
        }
        GestureSequence& last = sequence[ACTION_COUNT - 1];
        last.count = 4;
        last.directions[0] = DIR_RIGHT;
        last.directions[1] = DIR_DOWN;
        last.directions[2] = DIR_LEFT;
        last.directions[3] = DIR_UP;
    }
    void Rewind()
    {
        for (GestureSequence& s : sequence) s.progress = 0;
        sequence[ACTION_COUNT - 1].progress = 3;
    }
};

void GestureTickMatch(benchmark::State& state)
{
    GestureRecognition recognition;
    Records records;
    const GesturePoint up = {ANCHOR.x, ANCHOR.y - 100};
    std::uint32_t now = 1000;
    for (auto _ : state) {
        records.Rewind();
        recognition.gestureAnchor = ANCHOR;
        recognition.gestureStartTime = now;
        now += 10;
        const int fired = TakeGestureSample(recognition, records.pointer, up, true, now);
        if (fired != ACTION_COUNT - 1) state.SkipWithError("the gesture did not complete");
        benchmark::DoNotOptimize(fired);
    }
}

// The floor: the distance test, the direction, and one comparison and one
// store for each record.
[[gnu::noinline]] int PlainMatch(GestureSequence* const (&sequences)[ACTION_COUNT], GesturePoint anchor,
                                 GesturePoint cursor)
{
    const std::int64_t dx = cursor.x - anchor.x, dy = cursor.y - anchor.y;
    if (dx * dx + dy * dy <= 2 * 64 * 64) return -1;
    const std::int32_t direction = (dx * dx > dy * dy) ? (dx > 0 ? DIR_RIGHT : DIR_LEFT)
                                                        : (dy >= 0 ? DIR_DOWN : DIR_UP);
    for (int i = 0; i < ACTION_COUNT; ++i) {
        GestureSequence& s = *sequences[i];
        if (s.directions[s.progress] != direction) {
            s.progress = 0;
            continue;
        }
        if (++s.progress == s.count) {
            s.progress = 0;
            return i;
        }
    }
    return -1;
}

void GestureTickMatchFloor(benchmark::State& state)
{
    Records records;
    const GesturePoint up = {ANCHOR.x, ANCHOR.y - 100};
    for (auto _ : state) {
        records.Rewind();
        const int fired = PlainMatch(records.pointer, ANCHOR, up);
        if (fired != ACTION_COUNT - 1) state.SkipWithError("the gesture did not complete");
        benchmark::DoNotOptimize(fired);
    }
}

// ---------------------------------------------------------------------------
// The settings file: every field set, two pads registered.

SettingsValues Populated()
{
    SettingsValues v;
    v.leftClickOn = true;
    v.leftClickInterval = 50;
    v.rightClickInterval = 120;
    v.keyRepeatInterval = 30;
    v.muteWhileConcealing = true;
    v.imageFolder = "D:\\Games\\\x89\xE6\x91\x9C";  // D:\Games\画像
    v.slotEnabled[0] = true;
    v.slotRepeats[1] = true;
    v.gestureDistance = 64;
    v.gestureTime = 200;
    v.gestureKeyIndex = 1;
    for (int i = 0; i < ACTION_COUNT; ++i) {
        ActionSettings& a = v.actions[i];
        a.count = 3 + i % 6;
        for (int j = 0; j < a.count; ++j) a.directions[j] = (i + j) % 4 + 1;
        a.modifiers = 2;
        a.virtualKey = static_cast<std::uint32_t>(0x41 + i);
    }
    v.padPaths[0] = "C:\\Program Files\\Game\\game.exe";
    v.padPaths[1] = "D:\\\x83\x51\x81\x5B\x83\x80\\launcher.lnk";  // D:\ゲーム\launcher.lnk
    return v;
}

void SettingsWrite(benchmark::State& state)
{
    const SettingsValues values = Populated();
    for (auto _ : state) {
        std::vector<std::uint8_t> bytes = WriteSettings(values);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * WriteSettings(values).size()));
}

void SettingsRead(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes = WriteSettings(Populated());
    for (auto _ : state) {
        SettingsValues values;
        ReadSettings(bytes.data(), bytes.size(), values);
        benchmark::DoNotOptimize(&values);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// The floor of both: the file's bytes copied into a new buffer.
void SettingsCopyFloor(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes = WriteSettings(Populated());
    for (auto _ : state) {
        std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

}  // namespace

BENCHMARK(GestureTickShortMove);
BENCHMARK(GestureTickShortMoveFloor)->Name("GestureTickShortMove_floor");
BENCHMARK(GestureTickMatch);
BENCHMARK(GestureTickMatchFloor)->Name("GestureTickMatch_floor");
BENCHMARK(SettingsWrite);
BENCHMARK(SettingsCopyFloor)->Name("SettingsWrite_floor");
BENCHMARK(SettingsRead);
BENCHMARK(SettingsCopyFloor)->Name("SettingsRead_floor");

BENCHMARK_MAIN();
