// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "names/RandomNamePart.h"

#include "GbkCodec.h"
#include "platform/Pinyin.h"
#include "platform/Program.h"
#include "platform/Text.h"

#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>

namespace {

int eventProcessingCalls = 0;

void countEventProcessing()
{
    ++eventProcessingCalls;
}

// Counts the event processing of the name part instead of dispatching window events.
class RandomNamePartTest : public testing::Test
{
protected:
    void SetUp() override
    {
        eventProcessingCalls = 0;
        platform::replaceEventProcessing(&countEventProcessing);
    }
    void TearDown() override { platform::replaceEventProcessing(nullptr); }
};

std::string nameOf(std::int32_t value)
{
    if (value == INT_MIN)
        return "IntMin";
    if (value == INT_MAX)
        return "IntMax";
    return value < 0 ? "Minus" + std::to_string(-static_cast<std::int64_t>(value)) : std::to_string(value);
}

struct NothingCase
{
    std::int32_t count;
    std::int32_t mode;
    int eventProcessing;
};

// Inputs that join nothing give a missing text. A count below 1 runs no iteration at all; a
// mode other than 0 and 1 still runs count iterations, each with its event processing.
class RandomNamePartNothing : public RandomNamePartTest, public testing::WithParamInterface<NothingCase>
{
};

TEST_P(RandomNamePartNothing, GivesMissingTextAndProcessesEventsPerIteration)
{
    const NothingCase c = GetParam();
    const platform::Text part = RandomNamePart(c.count, c.mode);
    EXPECT_TRUE(part.isMissing());
    EXPECT_EQ(eventProcessingCalls, c.eventProcessing);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RandomNamePartNothing,
    testing::Values(NothingCase { 0, 0, 0 }, NothingCase { 0, 1, 0 }, NothingCase { -1, 0, 0 },
        NothingCase { -1, 1, 0 }, NothingCase { INT_MIN, 1, 0 }, NothingCase { 0, 2, 0 },
        NothingCase { 5, 2, 5 }, NothingCase { 5, -1, 5 }, NothingCase { 5, INT_MAX, 5 },
        NothingCase { 1, 2, 1 }),
    [](const testing::TestParamInfo<NothingCase>& row) {
        return "Count" + nameOf(row.param.count) + "Mode" + nameOf(row.param.mode);
    });

// Mode 0 gives count GB2312 hanzi, every byte from 0xB0 to 0xDA, with one event processing per
// character. The GBK decoder must read each pair of bytes as one CJK ideograph that maps back
// to the same bytes.
TEST_F(RandomNamePartTest, ModeZeroGivesCountHanziOfTheDrawnArea)
{
    for (const std::int32_t count : { 1, 2, 5 }) {
        std::set<std::string> distinct;
        for (int call = 1; call <= 200; ++call) {
            eventProcessingCalls = 0;
            const platform::Text part = RandomNamePart(count, 0);
            ASSERT_EQ(eventProcessingCalls, count);
            ASSERT_EQ(part.length(), 2u * static_cast<std::size_t>(count));
            for (const char byte : part.view()) {
                const auto value = static_cast<unsigned char>(byte);
                ASSERT_GE(value, 0xB0) << "count " << count;
                ASSERT_LE(value, 0xDA) << "count " << count;
            }
            const QString decoded = platform::toQString(part);
            ASSERT_EQ(decoded.size(), count);
            for (const QChar character : decoded)
                ASSERT_TRUE(character.unicode() >= 0x4E00 && character.unicode() <= 0x9FA5)
                    << "U+" << std::hex << static_cast<unsigned>(character.unicode());
            ASSERT_EQ(platform::fromQString(decoded).view(), part.view());
            distinct.insert(std::string(part.view()));
        }
        // Random characters hardly ever repeat: 200 calls give nearly 200 different texts.
        EXPECT_GT(distinct.size(), count == 1 ? 150u : 190u) << "count " << count;
    }
}

// One pinyin syllable as the reading data spells it: an optional initial, then a final.
const std::regex& twoSyllablesAtMost()
{
    static const std::regex grammar("^(?:(?:zh|ch|sh|[bpmfdtnlgkhjqxrzcsyw])?"
                                    "(?:uang|iang|iong|ang|eng|ing|ong|uai|uan|iao|ian|an|ai|ao|ou|er|en|ei|"
                                    "ui|iu|ie|ue|in|un|ia|ua|uo|a|o|e|i|u)){0,2}$");
    return grammar;
}

// Mode 1 with count 2 gives the first readings of two characters: 0 to 12 lower-case letters
// that split into at most two syllables, never with a "v".
TEST_F(RandomNamePartTest, ModeOneGivesTwoSyllablesAtMost)
{
    std::set<std::string> distinct;
    for (int call = 1; call <= 2000; ++call) {
        eventProcessingCalls = 0;
        const platform::Text part = RandomNamePart(2, 1);
        ASSERT_EQ(eventProcessingCalls, 2);
        const std::string letters(part.view());
        ASSERT_LE(letters.size(), 12u);
        ASSERT_EQ(letters.find('v'), std::string::npos) << letters;
        ASSERT_TRUE(std::regex_match(letters, twoSyllablesAtMost())) << "\"" << letters << "\"";
        distinct.insert(letters);
    }
    EXPECT_GT(distinct.size(), 1000u);
}

// The grammar itself accepts what it should and rejects what it should, so the check above
// can fail.
TEST(PinyinGrammar, AcceptsSyllablePairsOnly)
{
    for (const char* good : { "", "a", "er", "zhuang", "xiongmao", "anan", "erer", "chuangzhuang", "lue" })
        EXPECT_TRUE(std::regex_match(good, twoSyllablesAtMost())) << good;
    for (const char* bad : { "lv", "ng", "hm", "Zhang", "zhang1", "abcabc", "zhangwangli", "v", "b" })
        EXPECT_FALSE(std::regex_match(bad, twoSyllablesAtMost())) << bad;
}

// Three level 2 codes that the generator can draw have no reading, so they add nothing to a
// name part in mode 1.
TEST(RandomNamePartCodes, ThreeDrawableCodesHaveNoReading)
{
    for (const char* code : { "\xD8\xBC", "\xD8\xCE", "\xD8\xD6" })
        EXPECT_TRUE(platform::pinyin(platform::Text::fromBytes(code), 1).isMissing());
    EXPECT_FALSE(platform::pinyin(platform::Text::fromBytes("\xD8\xBD"), 1).isMissing());
}

} // namespace
