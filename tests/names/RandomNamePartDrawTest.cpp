// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT

// The name part with scripted draws. This program defines RandomInRange itself, so the linker
// takes this definition instead of the library's and every draw of the name part comes from
// the script below. That shows how many draws each input makes, in which order with the event
// processing, and what each drawn value becomes.
#include "names/Random.h"
#include "names/RandomNamePart.h"
#include "platform/Pinyin.h"
#include "platform/Program.h"
#include "platform/Text.h"

#include <climits>
#include <cstdint>
#include <deque>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

// The draws still to hand out, and a trace of the calls: "D" for a draw, "E" for an event
// processing.
std::deque<std::int32_t> script;
std::string trace;
std::vector<std::pair<std::int32_t, std::int32_t>> ranges;

void traceEventProcessing()
{
    trace += 'E';
}

} // namespace

std::int32_t RandomInRange(std::int32_t lo, std::int32_t hi)
{
    trace += 'D';
    ranges.emplace_back(lo, hi);
    if (script.empty())
        return lo;
    const std::int32_t value = script.front();
    script.pop_front();
    return value;
}

namespace {

class RandomNamePartDrawTest : public testing::Test
{
protected:
    void SetUp() override
    {
        script.clear();
        trace.clear();
        ranges.clear();
        platform::replaceEventProcessing(&traceEventProcessing);
    }
    void TearDown() override { platform::replaceEventProcessing(nullptr); }

    // Runs the name part on the given draws and checks that it used them all.
    platform::Text drawWith(std::initializer_list<std::int32_t> draws, std::int32_t count, std::int32_t mode)
    {
        script.assign(draws);
        trace.clear();
        platform::Text part = RandomNamePart(count, mode);
        EXPECT_TRUE(script.empty()) << script.size() << " scripted draws left over";
        return part;
    }
};

std::string nameOf(std::int32_t value)
{
    if (value == INT_MIN)
        return "IntMin";
    return value < 0 ? "Minus" + std::to_string(-static_cast<std::int64_t>(value)) : std::to_string(value);
}

struct TraceCase
{
    std::int32_t count;
    std::int32_t mode;
    const char* trace;
};

// Each character takes two draws, lead byte then trail byte, and is followed by one event
// processing; a mode other than 0 and 1 draws nothing but still processes events once per
// iteration; a count below 1 does neither.
class RandomNamePartTrace : public RandomNamePartDrawTest, public testing::WithParamInterface<TraceCase>
{
};

TEST_P(RandomNamePartTrace, DrawsAndProcessesEventsInOrder)
{
    const TraceCase c = GetParam();
    const platform::Text part = RandomNamePart(c.count, c.mode);
    EXPECT_EQ(trace, c.trace);
    for (const auto& [lo, hi] : ranges) {
        EXPECT_EQ(lo, 38);
        EXPECT_EQ(hi, 80);
    }
    if (c.mode != 0 && c.mode != 1) {
        EXPECT_TRUE(part.isMissing());
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, RandomNamePartTrace,
    testing::Values(TraceCase { 0, 0, "" }, TraceCase { 0, 1, "" }, TraceCase { -1, 0, "" },
        TraceCase { -1, 1, "" }, TraceCase { INT_MIN, 0, "" }, TraceCase { 1, 0, "DDE" },
        TraceCase { 2, 0, "DDEDDE" }, TraceCase { 2, 1, "DDEDDE" }, TraceCase { 5, 1, "DDEDDEDDEDDEDDE" },
        TraceCase { 5, 2, "EEEEE" }, TraceCase { 5, -1, "EEEEE" }, TraceCase { 0, 2, "" }),
    [](const testing::TestParamInfo<TraceCase>& row) {
        return "Count" + nameOf(row.param.count) + "Mode" + nameOf(row.param.mode);
    });

// A draw d becomes the byte 256 - d, the first draw of a pair the lead byte: 38 gives 0xDA and
// 80 gives 0xB0. Every one of the 43 x 43 pairs of draws is checked.
TEST_F(RandomNamePartDrawTest, ModeZeroTurnsEachDrawIntoItsByte)
{
    for (std::int32_t lead = 38; lead <= 80; ++lead) {
        for (std::int32_t trail = 38; trail <= 80; ++trail) {
            const platform::Text part = drawWith({ lead, trail }, 1, 0);
            const std::string expected { static_cast<char>(256 - lead), static_cast<char>(256 - trail) };
            ASSERT_EQ(part.view(), expected) << "draws " << lead << ", " << trail;
        }
    }
    const platform::Text part = drawWith({ 80, 38, 38, 80, 59, 59 }, 3, 0);
    EXPECT_EQ(part.view(), "\xB0\xDA\xDA\xB0\xC5\xC5");
}

// Mode 1 gives the first reading of every drawn character, joined in the order drawn. For
// every drawable code but three there is one; the three add nothing, and the name part is
// shorter.
TEST_F(RandomNamePartDrawTest, ModeOneJoinsTheFirstReadingsOfTheDrawnCharacters)
{
    int withoutReading = 0;
    for (std::int32_t lead = 38; lead <= 80; ++lead) {
        for (std::int32_t trail = 38; trail <= 80; ++trail) {
            const std::string code { static_cast<char>(256 - lead), static_cast<char>(256 - trail) };
            const platform::Text reading = platform::pinyin(platform::Text::fromBytes(code), 1);
            const platform::Text part = drawWith({ lead, trail }, 1, 1);
            ASSERT_EQ(part.view(), reading.view()) << "draws " << lead << ", " << trail;
            if (reading.isMissing())
                ++withoutReading;
        }
    }
    EXPECT_EQ(withoutReading, 3);

    // 0xB0 0xA1 is out of reach, so the pairs are drawn as 0xB0 0xB0 (80, 80) and 0xD8 0xBC
    // (40, 68), the latter having no reading.
    const platform::Text first = platform::pinyin(platform::Text::fromBytes("\xB0\xB0"), 1);
    const platform::Text second = platform::pinyin(platform::Text::fromBytes("\xB1\xB0"), 1);
    ASSERT_FALSE(first.isMissing());
    EXPECT_EQ(drawWith({ 80, 80, 40, 68 }, 2, 1).view(), first.view());
    EXPECT_EQ(drawWith({ 40, 68, 80, 80 }, 2, 1).view(), first.view());
    EXPECT_EQ(drawWith({ 40, 68, 40, 50, 40, 42 }, 3, 1).length(), 0u);
    EXPECT_EQ(
        drawWith({ 80, 80, 79, 80 }, 2, 1).view(), std::string(first.view()) + std::string(second.view()));
}

} // namespace
