// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "platform/Text.h"

#include "GbkCodec.h"

#include <QString>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

using platform::compare;
using platform::concatenate;
using platform::Text;

namespace {

template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& row)
{
    return row.param.name;
}

std::string bytesOf(const Text& text)
{
    return std::string(text.view());
}

// A text from bytes, or a missing text for std::nullopt.
Text textOf(const std::optional<std::string>& bytes)
{
    return bytes ? Text::fromBytes(*bytes) : Text();
}

TEST(Text, MissingCountsAsEmptyEverywhere)
{
    const Text missing;
    const Text empty = Text::fromBytes("");
    EXPECT_TRUE(missing.isMissing());
    EXPECT_FALSE(empty.isMissing());
    EXPECT_EQ(missing.length(), 0u);
    EXPECT_EQ(empty.length(), 0u);
    EXPECT_STREQ(missing.bytes(), "");
    EXPECT_TRUE(missing.view().empty());
    EXPECT_EQ(compare(missing, empty), 0);
    EXPECT_EQ(compare(empty, missing), 0);
    EXPECT_EQ(compare(missing, Text()), 0);
}

TEST(Text, ConcatenationOfEmptyPartsIsStillAFreshBlock)
{
    const Text missing;
    const Text empty = Text::fromBytes("");
    const Text ofOneMissing = concatenate({ missing });
    const Text ofMany = concatenate({ missing, empty, missing });
    EXPECT_FALSE(ofOneMissing.isMissing());
    EXPECT_EQ(ofOneMissing.length(), 0u);
    EXPECT_FALSE(ofMany.isMissing());
    EXPECT_EQ(ofMany.length(), 0u);
    EXPECT_NE(ofMany.bytes(), empty.bytes());
}

TEST(Text, ConcatenationJoinsThePartsInTheirOrderIntoANewBlock)
{
    const Text first = Text::fromBytes("ab");
    const Text hanzi = Text::fromBytes("\xD6\xD0");
    const Text last = Text::fromBytes("z");
    const Text missing;
    const Text joined = concatenate({ first, missing, hanzi, last });
    EXPECT_EQ(bytesOf(joined), "ab\xD6\xD0z");
    EXPECT_EQ(joined.length(), 5u);
    EXPECT_EQ(bytesOf(concatenate({ last, hanzi, first })),
        "z\xD6\xD0"
        "ab");

    // A single part is copied too: the result never shares a block with a part.
    const Text alone = concatenate({ first });
    EXPECT_EQ(bytesOf(alone), "ab");
    EXPECT_NE(alone.bytes(), first.bytes());
    EXPECT_NE(joined.bytes(), first.bytes());
}

TEST(Text, CopiesAreFreshBlocks)
{
    const Text original = Text::fromBytes("\xD6\xD0"
                                          "abc");
    const Text copy(original);
    EXPECT_EQ(bytesOf(copy), bytesOf(original));
    EXPECT_NE(copy.bytes(), original.bytes());

    Text assigned = Text::fromBytes("old");
    assigned = original;
    EXPECT_EQ(bytesOf(assigned), bytesOf(original));
    EXPECT_NE(assigned.bytes(), original.bytes());

    Text& self = assigned;
    assigned = self;
    EXPECT_EQ(bytesOf(assigned), bytesOf(original));

    EXPECT_TRUE(Text(Text()).isMissing());
}

TEST(Text, StopsAtAZeroByte)
{
    const Text text = Text::fromBytes(std::string_view("ab\0cd", 5));
    EXPECT_EQ(text.length(), 2u);
    EXPECT_EQ(bytesOf(text), "ab");
}

struct ComparisonRow
{
    const char* name;
    std::optional<std::string> left;
    std::optional<std::string> right;
    int expected;
};

// Rows print as their name, in test names and in failure messages.
void PrintTo(const ComparisonRow& row, std::ostream* out)
{
    *out << row.name;
}

class TextComparison : public testing::TestWithParam<ComparisonRow>
{
};

TEST_P(TextComparison, ComparesUnsignedBytesAsMinusOneZeroOrOne)
{
    const ComparisonRow& row = GetParam();
    EXPECT_EQ(compare(textOf(row.left), textOf(row.right)), row.expected);
    EXPECT_EQ(compare(textOf(row.right), textOf(row.left)), -row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, TextComparison,
    testing::Values(ComparisonRow { "MissingAndMissing", std::nullopt, std::nullopt, 0 },
        ComparisonRow { "MissingAndEmpty", std::nullopt, "", 0 },
        ComparisonRow { "EmptyAndEmpty", "", "", 0 }, ComparisonRow { "MissingAndA", std::nullopt, "a", -1 },
        ComparisonRow { "EmptyAndA", "", "a", -1 }, ComparisonRow { "SameText", "abc", "abc", 0 },
        ComparisonRow { "AbcAndAbd", "abc", "abd", -1 }, ComparisonRow { "AbAndAbc", "ab", "abc", -1 },
        // Far-apart bytes still give exactly 1 or -1, not their difference.
        ComparisonRow { "AAndZ", "a", "z", -1 }, ComparisonRow { "B0AndUpperA", "\xB0", "A", 1 },
        ComparisonRow { "FFAnd01", "\xFF", "\x01", 1 },
        ComparisonRow { "HanziAndAscii", "\xD6\xD0", "zz", 1 },
        ComparisonRow { "B0A1AndB0A2", "\xB0\xA1", "\xB0\xA2", -1 },
        ComparisonRow { "SameHanzi", "\xD6\xD0", "\xD6\xD0", 0 }),
    rowName<ComparisonRow>);

struct RoundTripRow
{
    const char* name;
    QString string;
    std::string gbk;
    QString readBack;
};

void PrintTo(const RoundTripRow& row, std::ostream* out)
{
    *out << row.name;
}

class GbkRoundTrip : public testing::TestWithParam<RoundTripRow>
{
};

TEST_P(GbkRoundTrip, GoesThroughGbkAndBack)
{
    const RoundTripRow& row = GetParam();
    const Text text = platform::fromQString(row.string);
    EXPECT_FALSE(text.isMissing());
    EXPECT_EQ(bytesOf(text), row.gbk);
    EXPECT_EQ(platform::toQString(text), row.readBack);
}

INSTANTIATE_TEST_SUITE_P(Rows, GbkRoundTrip,
    testing::Values(RoundTripRow { "Ascii", "abc 123", "abc 123", "abc 123" },
        RoundTripRow { "CountLabel", QString::fromUtf8("生成个数："),
            "\xC9\xFA\xB3\xC9\xB8\xF6\xCA\xFD\xA3\xBA", QString::fromUtf8("生成个数：") },
        RoundTripRow {
            "MixedWithCrLf", QString::fromUtf8("a\r\n中"), "a\r\n\xD6\xD0", QString::fromUtf8("a\r\n中") },
        RoundTripRow {
            "FullWidthDigits", QString::fromUtf8("５０"), "\xA3\xB5\xA3\xB0", QString::fromUtf8("５０") },
        RoundTripRow {
            "IdeographicSpace", QString::fromUtf8("\u3000"), "\xA1\xA1", QString::fromUtf8("\u3000") },
        // A character of GBK's extension, outside GB2312.
        RoundTripRow { "GbkExtension", QString::fromUtf8("丂"), "\x81\x40", QString::fromUtf8("丂") },
        // Characters that GBK cannot hold read back as "?".
        RoundTripRow { "Emoji", QString::fromUtf8("a😀b"), "a?b", "a?b" },
        RoundTripRow { "EmojiAlone", QString::fromUtf8("😀"), "?", "?" }),
    rowName<RoundTripRow>);

TEST(GbkCodec, AnEmptyStringGivesAMissingText)
{
    EXPECT_TRUE(platform::fromQString(QString()).isMissing());
    EXPECT_TRUE(platform::fromQString(QStringLiteral("")).isMissing());
    EXPECT_TRUE(platform::toQString(Text()).isEmpty());
}

TEST(GbkCodec, InvalidBytesBecomeReplacementCharacters)
{
    const QString replacement(QChar::ReplacementCharacter);
    // A lead byte followed by a byte that cannot trail it: the second byte stands on its own.
    EXPECT_EQ(platform::toQString(std::string_view("\x81 ")), replacement + " ");
    EXPECT_EQ(platform::toQString(std::string_view("\xA1\x7F"
                                                   "a")),
        replacement
            + "\x7F"
              "a");
    // A lead byte at the very end is not lost.
    EXPECT_EQ(platform::toQString(std::string_view("a\xD6")), "a" + replacement);
    // Each conversion stands alone: a lead byte left at the end of one text is not joined with
    // the first byte of the next.
    EXPECT_EQ(platform::toQString(std::string_view("\xD6")), replacement);
    EXPECT_EQ(platform::toQString(std::string_view("\xD0")), replacement);
}

struct LiteralRow
{
    const char* name;
    const char* utf8;
    std::string gbk;
};

void PrintTo(const LiteralRow& row, std::ostream* out)
{
    *out << row.name;
}

class TextLiteral : public testing::TestWithParam<LiteralRow>
{
};

TEST_P(TextLiteral, EntersGbkFromTheUtf8Source)
{
    const LiteralRow& row = GetParam();
    EXPECT_EQ(bytesOf(Text::fromLiteral(row.utf8)), row.gbk);
}

INSTANTIATE_TEST_SUITE_P(Rows, TextLiteral,
    testing::Values(LiteralRow { "Ascii", "@qq.com\r\n", "@qq.com\r\n" },
        LiteralRow { "Zhong", "中", "\xD6\xD0" },
        LiteralRow { "CheckBoxText", "生成为QQ邮箱", "\xC9\xFA\xB3\xC9\xCE\xAAQQ\xD3\xCA\xCF\xE4" },
        LiteralRow { "EmptyCountMessage", "请输入生成个数！",
            "\xC7\xEB\xCA\xE4\xC8\xEB\xC9\xFA\xB3\xC9\xB8\xF6\xCA\xFD\xA3\xA1" },
        LiteralRow { "Emoji", "x😀", "x?" }),
    rowName<LiteralRow>);

} // namespace
