// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "platform/Pinyin.h"

#include "GbkCodec.h"

#include <QString>
#include <algorithm>
#include <array>
#include <climits>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using platform::pinyin;
using platform::Text;

namespace {

template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& row)
{
    return row.param.name;
}

constexpr std::array<std::string_view, 23> initials { "zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n",
    "l", "g", "k", "h", "j", "q", "x", "r", "z", "c", "s", "y", "w" };
const std::set<std::string_view> finals { "ang", "eng", "an", "ai", "ao", "ou", "er", "en", "ei", "a", "o",
    "e", "uang", "iang", "iong", "ing", "ong", "uai", "uan", "iao", "ian", "ui", "iu", "ie", "ue", "in", "un",
    "ia", "ua", "uo", "i", "u" };

// A reading is a final alone, or an initial followed by a final.
bool isSpellable(std::string_view reading)
{
    if (finals.contains(reading))
        return true;
    return std::any_of(initials.begin(), initials.end(), [&](std::string_view initial) {
        return reading.starts_with(initial) && finals.contains(reading.substr(initial.size()));
    });
}

std::string codeText(unsigned lead, unsigned trail)
{
    return { static_cast<char>(lead), static_cast<char>(trail) };
}

std::string hex(unsigned lead, unsigned trail)
{
    std::ostringstream out;
    out << std::hex << std::uppercase << lead << trail;
    return out.str();
}

// GB2312's hanzi rows 16 to 87 are full, except row 55, which ends in cell 89.
bool isAssigned(unsigned lead, unsigned trail)
{
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE && !(lead == 0xD7 && trail > 0xF9);
}

bool hasNoData(unsigned lead, unsigned trail)
{
    const unsigned code = lead << 8 | trail;
    return code == 0xD8BC || code == 0xD8CE || code == 0xD8D6;
}

// Every reading of a text, or std::nullopt for a missing one. A present reading must not be an
// empty block.
std::optional<std::string> lookUp(const std::string& bytes, int reading)
{
    const Text result = pinyin(Text::fromBytes(bytes), reading);
    if (result.isMissing())
        return std::nullopt;
    return std::string(result.view());
}

TEST(Pinyin, TheAssignedCodesAreTheHanziOfGbk)
{
    int assigned = 0;
    for (unsigned lead = 0xB0; lead <= 0xF7; ++lead) {
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            const QString decoded = platform::toQString(codeText(lead, trail));
            const bool isHanzi
                = decoded.size() == 1 && decoded[0] >= QChar(0x4E00) && decoded[0] <= QChar(0x9FFF);
            EXPECT_EQ(isHanzi, isAssigned(lead, trail)) << hex(lead, trail);
            assigned += isAssigned(lead, trail);
        }
    }
    EXPECT_EQ(assigned, 6763);
}

TEST(Pinyin, EveryHanziHasOneToThreeSpellableReadings)
{
    std::vector<std::string> faults;
    std::array<int, 4> charactersWithReadings {};
    for (unsigned lead = 0xB0; lead <= 0xF7; ++lead) {
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            const std::string bytes = codeText(lead, trail);
            const std::string code = hex(lead, trail);
            std::array<std::optional<std::string>, 4> readings;
            for (int reading = 1; reading <= 4; ++reading)
                readings[reading - 1] = lookUp(bytes, reading);

            if (!isAssigned(lead, trail) || hasNoData(lead, trail)) {
                for (const int reading : { INT_MIN, -1, 0, 1, 2, 3, 4 }) {
                    if (lookUp(bytes, reading))
                        faults.push_back(code + " has reading " + std::to_string(reading));
                }
                continue;
            }

            const auto count = static_cast<std::size_t>(
                std::find(readings.begin(), readings.end(), std::nullopt) - readings.begin());
            if (count < 1 || count > 3) {
                faults.push_back(code + " has " + std::to_string(count) + " readings");
                continue;
            }
            ++charactersWithReadings[count];
            for (std::size_t beyond = count; beyond < readings.size(); ++beyond) {
                if (readings[beyond])
                    faults.push_back(
                        code + " answers reading " + std::to_string(beyond + 1) + " after a gap");
            }
            for (std::size_t i = 0; i < count; ++i) {
                if (!isSpellable(*readings[i]))
                    faults.push_back(code + " reading \"" + *readings[i] + "\" cannot be spelled");
                if (std::find(
                        readings.begin(), readings.begin() + static_cast<std::ptrdiff_t>(i), readings[i])
                    != readings.begin() + static_cast<std::ptrdiff_t>(i))
                    faults.push_back(code + " repeats reading \"" + *readings[i] + "\"");
            }

            // A reading below 1 means the first; a huge one is beyond every character.
            for (const int reading : { 0, -1, INT_MIN }) {
                if (lookUp(bytes, reading) != readings[0])
                    faults.push_back(
                        code + " reading " + std::to_string(reading) + " differs from reading 1");
            }
            if (lookUp(bytes, INT_MAX))
                faults.push_back(code + " answers reading INT_MAX");

            // Only the first two bytes count.
            for (const std::string& tail :
                { std::string("\xB0\xA1"), std::string("x"), std::string("\xD8") }) {
                for (int reading = 1; reading <= 4; ++reading) {
                    if (lookUp(bytes + tail, reading) != readings[reading - 1])
                        faults.push_back(code + " followed by bytes answers reading "
                            + std::to_string(reading) + " differently");
                }
            }
        }
    }

    for (std::size_t i = 0; i < std::min<std::size_t>(faults.size(), 20); ++i)
        ADD_FAILURE() << faults[i];
    EXPECT_EQ(faults.size(), 0u);
    EXPECT_EQ(charactersWithReadings[1] + charactersWithReadings[2] + charactersWithReadings[3], 6760);
    // Characters with several readings exist, so readings 2 and 3 were really looked up above.
    EXPECT_GT(charactersWithReadings[2], 0);
    EXPECT_GT(charactersWithReadings[3], 0);
}

TEST(Pinyin, EveryCodeTheGeneratorDrawsHasAFirstReadingButThree)
{
    std::vector<std::string> withoutReading;
    for (unsigned lead = 0xB0; lead <= 0xDA; ++lead) {
        for (unsigned trail = 0xB0; trail <= 0xDA; ++trail) {
            if (!lookUp(codeText(lead, trail), 1))
                withoutReading.push_back(hex(lead, trail));
        }
    }
    EXPECT_EQ(withoutReading, (std::vector<std::string> { "D8BC", "D8CE", "D8D6" }));
}

struct LookupRow
{
    std::string name;
    std::optional<std::string> text;
    int reading;
    std::optional<std::string> expected;
};

// Rows print as their name, in test names and in failure messages.
void PrintTo(const LookupRow& row, std::ostream* out)
{
    *out << row.name;
}

class PinyinLookup : public testing::TestWithParam<LookupRow>
{
};

TEST_P(PinyinLookup, AnswersOnlyForAHanziCode)
{
    const LookupRow& row = GetParam();
    const Text result = pinyin(row.text ? Text::fromBytes(*row.text) : Text(), row.reading);
    EXPECT_EQ(result.isMissing(), !row.expected.has_value());
    EXPECT_EQ(std::string(result.view()), row.expected.value_or(""));
}

INSTANTIATE_TEST_SUITE_P(Rows, PinyinLookup,
    testing::Values(LookupRow { "MissingText", std::nullopt, 1, std::nullopt },
        LookupRow { "EmptyText", "", 1, std::nullopt }, LookupRow { "OneLeadByte", "\xB0", 1, std::nullopt },
        LookupRow { "OneAsciiByte", "a", 1, std::nullopt }, LookupRow { "AsciiText", "ab", 1, std::nullopt },
        LookupRow { "AsciiBeforeHanzi", "a\xB0\xA1", 1, std::nullopt },
        LookupRow { "Lead0xF8", "\xF8\xA1", 1, std::nullopt },
        LookupRow { "Lead0xAF", "\xAF\xA1", 1, std::nullopt },
        LookupRow { "FullWidthDigit", "\xA3\xB1", 1, std::nullopt },
        LookupRow { "Trail0xA0", "\xB0\xA0", 1, std::nullopt },
        LookupRow { "Trail0xFF", "\xB0\xFF", 1, std::nullopt },
        LookupRow { "GbkTrail0x41", "\xB0\x41", 1, std::nullopt },
        LookupRow { "GbkExtension", "\x81\x40", 1, std::nullopt },
        LookupRow { "Row55Cell90", "\xD7\xFA", 1, std::nullopt },
        LookupRow { "Row55Cell89", "\xD7\xF9", 1, "zuo" }, LookupRow { "FirstCode", "\xB0\xA1", 1, "a" },
        LookupRow { "LastCode", "\xF7\xFE", 1, "zha" },
        LookupRow { "LongerTextOfHanzi", "\xB0\xA1\xD6\xD0", 1, "a" },
        LookupRow { "HanziThenAscii",
            "\xD6\xD0"
            "abc",
            1, "zhong" },
        LookupRow { "NoDataD8BC", "\xD8\xBC", 1, std::nullopt },
        LookupRow { "NoDataD8CE", "\xD8\xCE", 1, std::nullopt },
        LookupRow { "NoDataD8D6", "\xD8\xD6", 1, std::nullopt }, LookupRow { "Reading0", "\xB0\xA1", 0, "a" },
        LookupRow { "ReadingMinus1", "\xB0\xA1", -1, "a" },
        LookupRow { "ReadingIntMin", "\xB0\xA1", INT_MIN, "a" },
        LookupRow { "Reading2OfASingleReading", "\xB0\xA1", 2, std::nullopt },
        LookupRow { "Reading4OfXing", "\xD0\xD0", 4, std::nullopt },
        LookupRow { "ReadingIntMaxOfXing", "\xD0\xD0", INT_MAX, std::nullopt }),
    rowName<LookupRow>);

struct KnownRow
{
    std::string name;
    const char* character;
    std::string firstReading;
};

void PrintTo(const KnownRow& row, std::ostream* out)
{
    *out << row.name;
}

class WellKnownCharacter : public testing::TestWithParam<KnownRow>
{
};

TEST_P(WellKnownCharacter, HasItsMostCommonReadingFirst)
{
    const KnownRow& row = GetParam();
    const Text text = Text::fromLiteral(row.character);
    ASSERT_EQ(text.length(), 2u);
    EXPECT_EQ(std::string(pinyin(text, 1).view()), row.firstReading);
}

INSTANTIATE_TEST_SUITE_P(Rows, WellKnownCharacter,
    testing::Values(KnownRow { "A", "啊", "a" }, KnownRow { "Zhong", "中", "zhong" },
        KnownRow { "Xing", "行", "xing" }, KnownRow { "De", "的", "de" }, KnownRow { "Lu", "绿", "lu" },
        KnownRow { "Le", "了", "le" }, KnownRow { "He", "和", "he" }, KnownRow { "Er", "儿", "er" },
        KnownRow { "En", "嗯", "en" }),
    rowName<KnownRow>);

TEST(Pinyin, APolyphoneKeepsItsOtherReadings)
{
    const Text xing = Text::fromLiteral("行");
    const std::vector<std::string> others { std::string(pinyin(xing, 2).view()),
        std::string(pinyin(xing, 3).view()) };
    EXPECT_NE(std::find(others.begin(), others.end(), "hang"), others.end());
}

} // namespace
