// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
//
// The cost of making one name without the window: the name part, the number part and the
// line's concatenation, with event processing replaced by a counter.
#include "names/Random.h"
#include "names/RandomNamePart.h"
#include "platform/Pinyin.h"
#include "platform/Program.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

long eventTurns = 0;

void countTurn()
{
    ++eventTurns;
}

void nameLine(benchmark::State& state)
{
    platform::replaceEventProcessing(&countTurn);
    const platform::Text suffix = platform::Text::fromLiteral(state.range(0) ? "@qq.com\r\n" : "\r\n");
    for (auto _ : state) {
        const platform::Text name = RandomNamePart(2, 1);
        const platform::Text number = RandomNumberText(1000, 9999, 1);
        platform::Text line = platform::concatenate({ name, number, suffix });
        benchmark::DoNotOptimize(line.bytes());
    }
    platform::replaceEventProcessing(nullptr);
    state.counters["turns/line"]
        = benchmark::Counter(static_cast<double>(eventTurns) / static_cast<double>(state.iterations()));
    eventTurns = 0;
}
BENCHMARK(nameLine)->Arg(0)->Arg(1)->ArgName("mail");

void randomInRange(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(RandomInRange(38, 80));
}
BENCHMARK(randomInRange);

void pinyinLookup(benchmark::State& state)
{
    // Walks the generator's 1,849 codes so that the lookup is measured over the real spread.
    std::vector<platform::Text> characters;
    for (unsigned code = 0; code < 43 * 43; ++code) {
        const char bytes[3]
            = { static_cast<char>(0xB0 + code / 43), static_cast<char>(0xB0 + code % 43), '\0' };
        characters.push_back(platform::Text::fromBytes(bytes));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::pinyin(characters[next], 1).bytes());
        next = next + 1 == characters.size() ? 0 : next + 1;
    }
}
BENCHMARK(pinyinLookup);

} // namespace

BENCHMARK_MAIN();
