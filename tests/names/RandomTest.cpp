// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "names/Random.h"

#include "platform/TextServices.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <iostream>
#include <set>
#include <string>
#include <vector>

namespace {

// Turns an integer into a part of a test name: gtest names allow only letters, digits and "_".
std::string nameOf(std::int64_t value)
{
    if (value == INT_MIN)
        return "IntMin";
    if (value == INT_MAX)
        return "IntMax";
    return value < 0 ? "Minus" + std::to_string(-value) : std::to_string(value);
}

struct RangeCase
{
    std::int32_t lo;
    std::int32_t hi;
};

std::string rangeName(const RangeCase& c)
{
    // Bounds near the ends of the 32-bit range read best as offsets from those ends.
    auto bound = [](std::int64_t value) {
        if (value != INT_MIN && value - INT_MIN <= 16)
            return "IntMinPlus" + std::to_string(value - INT_MIN);
        if (value != INT_MAX && INT_MAX - value <= 16)
            return "IntMaxMinus" + std::to_string(INT_MAX - value);
        return nameOf(value);
    };
    return "Lo" + bound(c.lo) + "Hi" + bound(c.hi);
}

// Every draw of a small range lies inside it, and every value of the range comes up within a
// bounded number of back-to-back draws.
class RandomInRangeSmallRange : public testing::TestWithParam<RangeCase>
{
};

TEST_P(RandomInRangeSmallRange, StaysInsideAndReachesEveryValue)
{
    const auto [lo, hi] = GetParam();
    const auto size = static_cast<std::size_t>(static_cast<std::int64_t>(hi) - lo + 1);
    std::vector<int> seen(size, 0);
    // A uniform draw misses a given value of 43 after 5,000 draws with odds of about 1e-50.
    for (int i = 0; i < 5000; ++i) {
        const std::int32_t value = RandomInRange(lo, hi);
        ASSERT_GE(value, lo);
        ASSERT_LE(value, hi);
        ++seen[static_cast<std::size_t>(static_cast<std::int64_t>(value) - lo)];
    }
    for (std::size_t offset = 0; offset < size; ++offset)
        EXPECT_GT(seen[offset], 0) << "never drew "
                                   << static_cast<std::int64_t>(lo) + static_cast<std::int64_t>(offset);
}

INSTANTIATE_TEST_SUITE_P(Ranges, RandomInRangeSmallRange,
    testing::Values(RangeCase { 5, 5 }, RangeCase { 38, 80 }, RangeCase { -80, -38 }, RangeCase { -5, 5 },
        RangeCase { INT_MIN, INT_MIN + 10 }, RangeCase { INT_MAX - 3, INT_MAX },
        RangeCase { INT_MIN, INT_MIN }, RangeCase { INT_MAX, INT_MAX }),
    [](const testing::TestParamInfo<RangeCase>& row) { return rangeName(row.param); });

// A span of 0 is a draw over every 32-bit integer: lo plus the whole mixed value. Its draws
// fall in every eighth of the range, not near lo alone.
TEST(RandomInRange, SpanZeroDrawsAcrossTheWholeRange)
{
    for (const RangeCase c : { RangeCase { INT_MIN, INT_MAX }, RangeCase { 10, 9 } }) {
        std::array<int, 8> eighths {};
        std::set<std::int32_t> distinct;
        for (int i = 0; i < 1000; ++i) {
            const std::int32_t value = RandomInRange(c.lo, c.hi);
            distinct.insert(value);
            ++eighths[static_cast<std::uint32_t>(value) >> 29];
        }
        for (std::size_t eighth = 0; eighth < eighths.size(); ++eighth)
            EXPECT_GT(eighths[eighth], 0) << rangeName(c) << ": no draw in eighth " << eighth;
        EXPECT_GT(distinct.size(), 990u) << rangeName(c);
    }
}

// Draws taken back to back, the way the name part takes them, are unrelated: a lead byte and
// a trail byte drawn one after the other, with the one-byte text of the lead made in between,
// reach nearly every one of the 43 x 43 characters, and no character comes up far more often
// than a uniform draw would give.
TEST(RandomInRangeCoverage, BackToBackPairsReachNearlyEveryCharacter)
{
    constexpr int tries = 200000;
    constexpr int values = 43;
    std::vector<int> frequency(values * values, 0);
    std::array<int, values> leads {};
    for (int i = 0; i < tries; ++i) {
        const std::int32_t lead = RandomInRange(38, 80);
        const platform::Text leadText = platform::characterFromCode(256 - lead);
        const std::int32_t trail = RandomInRange(38, 80);
        const platform::Text trailText = platform::characterFromCode(256 - trail);
        ASSERT_EQ(leadText.length() + trailText.length(), 2u);
        ++leads[static_cast<std::size_t>(lead - 38)];
        ++frequency[static_cast<std::size_t>((lead - 38) * values + (trail - 38))];
    }

    const auto reached = std::count_if(frequency.begin(), frequency.end(), [](int n) { return n > 0; });
    const auto leadsReached = std::count_if(leads.begin(), leads.end(), [](int n) { return n > 0; });
    const auto [least, most] = std::minmax_element(frequency.begin(), frequency.end());
    const double expected = static_cast<double>(tries) / (values * values);

    std::cout << "back-to-back lead draws reached " << leadsReached << " of " << values << " values\n"
              << "back-to-back pairs reached " << reached << " of " << values * values << " characters in "
              << tries << " tries; most frequent " << *most << " (" << *most / expected << " x uniform "
              << expected << "), least frequent " << *least << " (" << *least / expected << " x uniform)\n";
    RecordProperty("leadValuesReached", static_cast<int>(leadsReached));
    RecordProperty("charactersReached", static_cast<int>(reached));
    RecordProperty("mostFrequent", *most);
    RecordProperty("leastFrequent", *least);

    EXPECT_EQ(leadsReached, values);
    EXPECT_GE(reached, 1800);
    // A uniform draw puts about 108 tries on each character; its most frequent one stays well
    // below twice that, while correlated draws pile dozens of times that onto a few.
    EXPECT_LT(*most, 2 * expected);
}

struct NumberTextCase
{
    std::int32_t lo;
    std::int32_t hi;
    std::int32_t parity;
    const char* expected;
};

std::string numberTextName(const NumberTextCase& c)
{
    return rangeName({ c.lo, c.hi }) + "Parity" + nameOf(c.parity);
}

// A one-value range fixes the draw, so each row pins one outcome of the parity rule exactly:
// non-negative and negative, odd and even, the plain form for every other parity, and the ends
// of the 32-bit range, where parity 2 goes one past the largest 32-bit integer.
class RandomNumberTextOutcome : public testing::TestWithParam<NumberTextCase>
{
};

TEST_P(RandomNumberTextOutcome, GivesTheParityRuleResult)
{
    const NumberTextCase c = GetParam();
    const platform::Text text = RandomNumberText(c.lo, c.hi, c.parity);
    ASSERT_FALSE(text.isMissing());
    EXPECT_EQ(text.view(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(OneValueRanges, RandomNumberTextOutcome,
    testing::Values(NumberTextCase { 4, 4, 1, "5" }, NumberTextCase { 4, 4, 2, "6" },
        NumberTextCase { 5, 5, 1, "5" }, NumberTextCase { 5, 5, 2, "6" }, NumberTextCase { 0, 0, 1, "1" },
        NumberTextCase { 0, 0, 2, "2" }, NumberTextCase { 0, 0, 0, "0" }, NumberTextCase { -1, -1, 1, "1" },
        NumberTextCase { -1, -1, 2, "2" }, NumberTextCase { -3, -3, 1, "-1" },
        NumberTextCase { -4, -4, 1, "-3" }, NumberTextCase { -3, -3, 2, "0" },
        NumberTextCase { -4, -4, 2, "-2" }, NumberTextCase { -2, -2, 1, "-1" },
        NumberTextCase { 7, 7, 0, "7" }, NumberTextCase { -7, -7, 3, "-7" },
        NumberTextCase { -7, -7, -1, "-7" }, NumberTextCase { 8, 8, -2, "8" },
        NumberTextCase { 8, 8, INT_MAX, "8" }, NumberTextCase { 9999, 9999, 1, "9999" },
        NumberTextCase { 9999, 9999, 2, "10000" }, NumberTextCase { 1000, 1000, 1, "1001" },
        NumberTextCase { INT_MAX, INT_MAX, 2, "2147483648" },
        NumberTextCase { INT_MAX, INT_MAX, 1, "2147483647" },
        NumberTextCase { INT_MAX, INT_MAX, 0, "2147483647" },
        NumberTextCase { INT_MIN, INT_MIN, 1, "-2147483647" },
        NumberTextCase { INT_MIN, INT_MIN, 2, "-2147483646" },
        NumberTextCase { INT_MIN, INT_MIN, 0, "-2147483648" }),
    [](const testing::TestParamInfo<NumberTextCase>& row) { return numberTextName(row.param); });

struct NumberTextDistributionCase
{
    std::int32_t lo;
    std::int32_t hi;
    std::int32_t parity;
    std::int32_t first;
    std::int32_t last;
    std::int32_t step;
};

// Over a wide range the texts are exactly the numbers from first to last in steps of step, in
// their plain decimal form, and each of them comes up.
class RandomNumberTextDistribution : public testing::TestWithParam<NumberTextDistributionCase>
{
};

TEST_P(RandomNumberTextDistribution, GivesExactlyTheExpectedNumbers)
{
    const auto c = GetParam();
    std::set<std::string> expected;
    for (std::int32_t value = c.first; value <= c.last; value += c.step)
        expected.insert(std::to_string(value));

    std::set<std::string> seen;
    // With 25 draws per possible outcome (and 1,000 at the least), a uniform draw misses any one
    // with odds of about 1e-11.
    const std::size_t draws = std::max<std::size_t>(1000, 25 * expected.size());
    for (std::size_t i = 0; i < draws; ++i) {
        const platform::Text text = RandomNumberText(c.lo, c.hi, c.parity);
        const std::string value(text.view());
        ASSERT_TRUE(expected.contains(value)) << "unexpected text \"" << value << "\"";
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(WideRanges, RandomNumberTextDistribution,
    testing::Values(NumberTextDistributionCase { 1000, 9999, 1, 1001, 9999, 2 },
        NumberTextDistributionCase { 1000, 9999, 2, 1002, 10000, 2 },
        NumberTextDistributionCase { 1000, 9999, 0, 1000, 9999, 1 },
        NumberTextDistributionCase { -10, 10, 1, -9, 11, 2 },
        NumberTextDistributionCase { -10, 10, 2, -8, 12, 2 }),
    [](const testing::TestParamInfo<NumberTextDistributionCase>& row) {
        const auto& c = row.param;
        return numberTextName({ c.lo, c.hi, c.parity, nullptr });
    });

} // namespace
