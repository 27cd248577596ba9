// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "platform/TextServices.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cfenv>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <locale>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

using platform::Text;

namespace {

constexpr std::int64_t indefinite = std::numeric_limits<std::int64_t>::min();
constexpr std::size_t megabyte = 1024 * 1024;

std::string bytesOf(const Text& text)
{
    return std::string(text.view());
}

template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& row)
{
    return row.param.name;
}

struct NumberRow
{
    std::string name;
    std::string text;
    double expected;
};

// Rows print as their name, in test names and in failure messages.
void PrintTo(const NumberRow& row, std::ostream* out)
{
    *out << row.name;
}

// The full-width forms used below, as GBK bytes.
const std::string wide0 = "\xA3\xB0";
const std::string wide1 = "\xA3\xB1";
const std::string wide2 = "\xA3\xB2";
const std::string wide3 = "\xA3\xB3";
const std::string wide5 = "\xA3\xB5";
const std::string wide7 = "\xA3\xB7";
const std::string widePlus = "\xA3\xAB";
const std::string wideMinus = "\xA3\xAD";
const std::string widePoint = "\xA3\xAE";
const std::string ideographicSpace = "\xA1\xA1";

std::vector<NumberRow> numberRows()
{
    return {
        // The count texts of the generate command.
        { "Empty", "", 0.0 },
        { "Text100", "100", 100.0 },
        { "Text7", "7", 7.0 },
        { "Text2Point9", "2.9", 2.9 },
        { "Text0", "0", 0.0 },
        { "Minus3", "-3", -3.0 },
        { "Abc", "abc", 0.0 },
        { "Text250", "250", 250.0 },
        { "Text1e3", "1e3", 1000.0 },
        { "Text1e2", "1e2", 100.0 },
        { "Text100Point00000001", "100.00000001", 100.00000001 },
        { "Text100Point000001", "100.000001", 100.000001 },
        { "Text100Point5", "100.5", 100.5 },
        { "FullWidth50", wide5 + wide0, 50.0 },
        { "FullWidth5", wide5, 5.0 },
        { "FullWidth100", wide1 + wide0 + wide0, 100.0 },
        { "IdeographicSpaceThen5", ideographicSpace + "5", 5.0 },
        { "SpacesOnly", "   ", 0.0 },
        { "TwoSpaces12abc", "  12abc", 12.0 },
        { "Text1Comma000", "1,000", 1.0 },
        { "Hex0x1A", "0x1A", 0.0 },
        { "Point5e2", ".5e2", 50.0 },
        { "Text3d1", "3d1", 30.0 },
        { "Text5e", "5e", 5.0 },
        { "FullWidthMinus12", wideMinus + wide1 + wide2, -12.0 },

        // Full-width signs, point and exponent letters fold like the digits.
        { "FullWidthPlus7", widePlus + wide7, 7.0 },
        { "FullWidthPoint", wide3 + widePoint + wide5, 3.5 },
        { "FullWidthLowerE", wide1 + "\xA3\xE5" + wide2, 100.0 },
        { "FullWidthUpperE", wide1 + "\xA3\xC5" + wide2, 100.0 },
        { "FullWidthLowerD", wide1 + "\xA3\xE4" + wide2, 100.0 },
        { "FullWidthUpperD", wide1 + "\xA3\xC4" + wide2, 100.0 },
        { "FullWidthExponentSign", wide5 + "\xA3\xE5" + wideMinus + wide1, 0.5 },
        { "MixedWidthDigits", "1" + wide2 + "3", 123.0 },
        { "IdeographicSpaceBetweenDigits", "1" + ideographicSpace + "2", 1.0 },

        // A byte of 0x80 or above always takes the next byte with it.
        { "LoneLeadByteAtEnd", "12\xB0", 12.0 },
        { "LoneFullWidthLeadAtEnd", "12\xA3", 12.0 },
        { "LoneLeadByteOnly", "\xB0", 0.0 },
        { "LeadByteSwallowsDigit",
            "\xB0"
            "5",
            0.0 },
        { "LeadByteSwallowsDigitMidway",
            "1\xB0"
            "23",
            1.0 },
        { "HanziBeforeDigits",
            "\xD6\xD0"
            "5",
            0.0 },

        // White space is exactly the bytes 0x09 to 0x0D and the space.
        { "EveryWhiteSpaceByte", "\t\n\v\f\r 42", 42.0 },
        { "ControlByteBefore",
            "\x01"
            "5",
            0.0 },
        { "SpaceInsideNumber", "1 000", 1.0 },

        // The grammar of the prefix.
        { "PlusAlone", "+", 0.0 },
        { "MinusAlone", "-", 0.0 },
        { "PlusMinus5", "+-5", 0.0 },
        { "MinusSpace5", "- 5", 0.0 },
        { "Plus5", "+5", 5.0 },
        { "MinusPoint5", "-.5", -0.5 },
        { "PointAlone", ".", 0.0 },
        { "PointPoint5", "..5", 0.0 },
        { "PointE5", ".e5", 0.0 },
        { "Text5Point", "5.", 5.0 },
        { "Text5Point5Point5", "5.5.5", 5.5 },
        { "Text5ePlus", "5e+", 5.0 },
        { "Text5eMinus", "5e-", 5.0 },
        { "Text5ee2", "5ee2", 5.0 },
        { "Text5ePlus2", "5e+2", 500.0 },
        { "Text5EMinus1", "5E-1", 0.5 },
        { "Text5d2", "5d2", 500.0 },
        { "Text5D2", "5D2", 500.0 },
        { "Text5e2Point5", "5e2.5", 500.0 },
        { "Text1e5x", "1e5x", 100000.0 },
        { "Hex0X10", "0X10", 0.0 },
        { "Inf", "inf", 0.0 },
        { "Infinity", "infinity", 0.0 },
        { "MinusInf", "-inf", 0.0 },
        { "Nan", "nan", 0.0 },
        { "UpperNan", "NAN", 0.0 },

        // Range and rounding.
        { "Text1e400", "1e400", HUGE_VAL },
        { "Minus1e400", "-1e400", -HUGE_VAL },
        { "Text1eMinus400", "1e-400", 0.0 },
        { "Minus1eMinus400", "-1e-400", 0.0 },
        { "Digits1234567890e300", "1234567890e300", HUGE_VAL },
        { "Digits123456789e300", "123456789e300", 123456789e300 },
        { "Text1000000eMinus330", "1000000e-330", 0.0 },
        { "Fraction0Point0000001e310", "0.0000001e310", 1e303 },
        { "HugeExponentDigits", "1e99999999999999999999", HUGE_VAL },
        { "HugeNegativeExponentDigits", "1e-99999999999999999999", 0.0 },
        { "ZeroWithHugeExponent", "0e99999999999", 0.0 },
        { "LargestDouble", "1.7976931348623157e308", DBL_MAX },
        { "Subnormal1eMinus320", "1e-320", 1e-320 },
        { "Text3eMinus324", "3e-324", std::numeric_limits<double>::denorm_min() },
        { "Text2eMinus324", "2e-324", 0.0 },
        { "TieRoundsToEven", "9007199254740993", 9007199254740992.0 },
        { "LongFraction", "0.1000000000000000055511151231257827", 0.1 },
        { "LongMantissaNegativeExponent", "1" + std::string(400, '0') + "e-300", 1e100 },

        // Megabyte texts.
        { "MegabyteOfNines", std::string(megabyte, '9'), HUGE_VAL },
        { "MegabyteOfZerosThen42", std::string(megabyte, '0') + "42", 42.0 },
        { "MegabyteFractionOfZeros", "0." + std::string(megabyte, '0') + "1", 0.0 },
        { "MegabyteOfSpacesThen3", std::string(megabyte, ' ') + "3", 3.0 },
        { "MegabyteOfFullWidthSpacesThen3",
            [] {
                std::string text;
                for (std::size_t i = 0; i < megabyte / 2; ++i)
                    text += ideographicSpace;
                return text + "3";
            }(),
            3.0 },
    };
}

class NumberConversion : public testing::TestWithParam<NumberRow>
{
protected:
    static void checkRow(const NumberRow& row)
    {
        const double value = platform::toNumber(Text::fromBytes(row.text));
        EXPECT_EQ(value, row.expected);
    }
};

TEST_P(NumberConversion, ReadsTheLongestNumberPrefix)
{
    checkRow(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Rows, NumberConversion, testing::ValuesIn(numberRows()), rowName<NumberRow>);

TEST(NumberConversionOfAMissingText, IsZero)
{
    EXPECT_EQ(platform::toNumber(Text()), 0.0);
}

// The same rows under a locale whose decimal separator is the comma: the full stop must still
// be the only separator, and the comma must still end the number.
class NumberConversionInGermanLocale : public NumberConversion
{
protected:
    static constexpr const char* localeName = "de_DE.UTF-8";

    void SetUp() override
    {
        m_previousLocale = std::setlocale(LC_ALL, nullptr);
        m_previousQtLocale = QLocale();
        if (!std::setlocale(LC_ALL, localeName))
            GTEST_SKIP() << localeName << " is not installed here; generate it with "
                         << "'localedef -i de_DE -f UTF-8 de_DE.UTF-8' (or locale-gen) to run these rows";
        std::locale::global(std::locale(localeName));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }

    void TearDown() override
    {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, m_previousLocale.c_str());
        QLocale::setDefault(m_previousQtLocale);
    }

private:
    std::string m_previousLocale;
    QLocale m_previousQtLocale;
};

TEST_P(NumberConversionInGermanLocale, ReadsTheLongestNumberPrefix)
{
    checkRow(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberConversionInGermanLocale, testing::ValuesIn(numberRows()), rowName<NumberRow>);

TEST_F(NumberConversionInGermanLocale, NumberTextsKeepTheFullStop)
{
    EXPECT_EQ(bytesOf(platform::realToText(2.5)), "2.5");
    EXPECT_EQ(bytesOf(platform::integerToText(-1234567)), "-1234567");
}

struct LeadingIntegerRow
{
    std::string name;
    std::optional<std::string> text;
    std::int32_t expected;
};

void PrintTo(const LeadingIntegerRow& row, std::ostream* out)
{
    *out << row.name;
}

class LeadingInteger : public testing::TestWithParam<LeadingIntegerRow>
{
};

TEST_P(LeadingInteger, TakesTheSignAndAsciiDigitsWrappingIn64Bits)
{
    const LeadingIntegerRow& row = GetParam();
    const Text text = row.text ? Text::fromBytes(*row.text) : Text();
    EXPECT_EQ(platform::leadingInteger(text), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, LeadingInteger,
    testing::Values(LeadingIntegerRow { "Missing", std::nullopt, 0 }, LeadingIntegerRow { "Empty", "", 0 },
        LeadingIntegerRow { "Text50", "50", 50 }, LeadingIntegerRow { "Space7x", " 7x", 7 },
        LeadingIntegerRow { "Abc", "abc", 0 }, LeadingIntegerRow { "Minus3", "-3", -3 },
        LeadingIntegerRow { "Plus5", "+5", 5 }, LeadingIntegerRow { "MinusZero", "-0", 0 },
        LeadingIntegerRow { "LeadingZeros", "0050", 50 }, LeadingIntegerRow { "Fraction", "12.9", 12 },
        LeadingIntegerRow { "Exponent", "1e3", 1 }, LeadingIntegerRow { "MinusMinus5", "--5", 0 },
        LeadingIntegerRow { "PlusMinus5", "+-5", 0 }, LeadingIntegerRow { "MinusSpace5", "- 5", 0 },
        LeadingIntegerRow { "TabsAndCrBefore", "\t\r\n\v\f 12", 12 },
        LeadingIntegerRow { "Largest", "2147483647", std::numeric_limits<std::int32_t>::max() },
        LeadingIntegerRow { "TwoToThe31", "2147483648", std::numeric_limits<std::int32_t>::min() },
        LeadingIntegerRow {
            "MinusTwoToThe31Minus1", "-2147483649", std::numeric_limits<std::int32_t>::max() },
        LeadingIntegerRow { "TwoToThe32Plus1", "4294967297", 1 },
        LeadingIntegerRow { "TwoToThe64Plus1", "18446744073709551617", 1 },
        LeadingIntegerRow { "FullWidthDigits", "\xA3\xB5\xA3\xB0", 0 },
        LeadingIntegerRow { "DigitThenFullWidthDigit", "5\xA3\xB5", 5 },
        LeadingIntegerRow { "IdeographicSpaceThen5",
            "\xA1\xA1"
            "5",
            0 }),
    rowName<LeadingIntegerRow>);

struct RealToIntegerRow
{
    std::string name;
    double value;
    std::int64_t expected;
};

void PrintTo(const RealToIntegerRow& row, std::ostream* out)
{
    *out << row.name;
}

class RealToInteger : public testing::TestWithParam<RealToIntegerRow>
{
};

TEST_P(RealToInteger, TruncatesTowardZeroInEveryRoundingMode)
{
    const RealToIntegerRow& row = GetParam();
    for (const int mode : { FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO }) {
        ASSERT_EQ(std::fesetround(mode), 0);
        const std::int64_t result = platform::realToInteger(row.value);
        std::fesetround(FE_TONEAREST);
        EXPECT_EQ(result, row.expected) << "rounding mode " << mode;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RealToInteger,
    testing::Values(RealToIntegerRow { "Zero", 0.0, 0 }, RealToIntegerRow { "TwoPoint9", 2.9, 2 },
        RealToIntegerRow { "MinusTwoPoint9", -2.9, -2 }, RealToIntegerRow { "TwoPoint5", 2.5, 2 },
        RealToIntegerRow { "MinusTwoPoint5", -2.5, -2 }, RealToIntegerRow { "Point5", 0.5, 0 },
        RealToIntegerRow { "MinusPoint5", -0.5, 0 }, RealToIntegerRow { "JustBelow1", 0.9999999999999999, 0 },
        RealToIntegerRow { "Text100Point00000001", 100.00000001, 100 },
        RealToIntegerRow { "TwoToThe32PlusAHalf", 4294967297.5, 4294967297 },
        RealToIntegerRow { "LargestBelowTwoToThe63", 9223372036854774784.0, 9223372036854774784 },
        RealToIntegerRow {
            "MinusTwoToThe63", -9223372036854775808.0, std::numeric_limits<std::int64_t>::min() },
        RealToIntegerRow { "TwoToThe63", 9223372036854775808.0, indefinite },
        RealToIntegerRow { "Plus1e300", 1e300, indefinite },
        RealToIntegerRow { "Minus1e300", -1e300, indefinite },
        RealToIntegerRow { "PlusInfinity", HUGE_VAL, indefinite },
        RealToIntegerRow { "MinusInfinity", -HUGE_VAL, indefinite },
        RealToIntegerRow { "NotANumber", std::numeric_limits<double>::quiet_NaN(), indefinite }),
    rowName<RealToIntegerRow>);

struct IntegerTextRow
{
    std::string name;
    std::int32_t value;
    std::string expected;
};

void PrintTo(const IntegerTextRow& row, std::ostream* out)
{
    *out << row.name;
}

class IntegerToText : public testing::TestWithParam<IntegerTextRow>
{
};

TEST_P(IntegerToText, WritesPlainDecimal)
{
    const IntegerTextRow& row = GetParam();
    EXPECT_EQ(bytesOf(platform::integerToText(row.value)), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, IntegerToText,
    testing::Values(IntegerTextRow { "Zero", 0, "0" }, IntegerTextRow { "Minus1", -1, "-1" },
        IntegerTextRow { "Text1001", 1001, "1001" }, IntegerTextRow { "Text100", 100, "100" },
        IntegerTextRow { "Largest", std::numeric_limits<std::int32_t>::max(), "2147483647" },
        IntegerTextRow { "Smallest", std::numeric_limits<std::int32_t>::min(), "-2147483648" }),
    rowName<IntegerTextRow>);

struct RealTextRow
{
    std::string name;
    double value;
    std::string expected;
};

void PrintTo(const RealTextRow& row, std::ostream* out)
{
    *out << row.name;
}

class RealToText : public testing::TestWithParam<RealTextRow>
{
};

TEST_P(RealToText, WritesThirteenSignificantDigitsInGeneralForm)
{
    const RealTextRow& row = GetParam();
    EXPECT_EQ(bytesOf(platform::realToText(row.value)), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, RealToText,
    testing::Values(RealTextRow { "Text1001", 1001.0, "1001" }, RealTextRow { "Text10000", 10000.0, "10000" },
        RealTextRow { "Minus1", -1.0, "-1" }, RealTextRow { "Zero", 0.0, "0" },
        RealTextRow { "MinusZero", -0.0, "-0" }, RealTextRow { "TwoToThe31", 2147483648.0, "2147483648" },
        RealTextRow { "MinusTwoToThe31Plus1", -2147483647.0, "-2147483647" },
        RealTextRow { "ThirteenDigits", 1234567890123.0, "1234567890123" },
        RealTextRow { "FourteenDigits", 12345678901234.0, "1.234567890123e+13" },
        RealTextRow { "Text1e13", 1e13, "1e+13" }, RealTextRow { "TwoPoint5", 2.5, "2.5" },
        RealTextRow { "PointOne", 0.1, "0.1" }, RealTextRow { "OneThird", 1.0 / 3.0, "0.3333333333333" },
        RealTextRow { "Text1eMinus5", 1e-5, "1e-05" }),
    rowName<RealTextRow>);

struct ModuloRow
{
    std::string name;
    double dividend;
    double divisor;
    double expected;
};

void PrintTo(const ModuloRow& row, std::ostream* out)
{
    *out << row.name;
}

class RealModulo : public testing::TestWithParam<ModuloRow>
{
};

TEST_P(RealModulo, KeepsTheSignOfTheDividend)
{
    const ModuloRow& row = GetParam();
    const double result = platform::realModulo(row.dividend, row.divisor);
    EXPECT_EQ(result, row.expected);
    EXPECT_EQ(std::signbit(result), std::signbit(row.dividend));
}

INSTANTIATE_TEST_SUITE_P(Rows, RealModulo,
    testing::Values(ModuloRow { "Plus5By2", 5.0, 2.0, 1.0 }, ModuloRow { "Minus5By2", -5.0, 2.0, -1.0 },
        ModuloRow { "Plus5ByMinus2", 5.0, -2.0, 1.0 }, ModuloRow { "Minus5ByMinus2", -5.0, -2.0, -1.0 },
        ModuloRow { "Plus4By2", 4.0, 2.0, 0.0 }, ModuloRow { "Minus4By2", -4.0, 2.0, -0.0 },
        ModuloRow { "Plus5Point5By2", 5.5, 2.0, 1.5 }, ModuloRow { "Minus3By2", -3.0, 2.0, -1.0 },
        ModuloRow { "TwoToThe31By2", 2147483648.0, 2.0, 0.0 },
        ModuloRow { "MinusTwoToThe31Plus1By2", -2147483647.0, 2.0, -1.0 },
        ModuloRow { "Plus1e300By3", 1e300, 3.0, std::fmod(1e300, 3.0) }),
    rowName<ModuloRow>);

TEST(RealModuloDeathTest, ByZeroIsAFatalError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // Dismiss the report once it is shown, after copying its text to the error stream.
            auto* dismisser = new QTimer;
            QObject::connect(dismisser, &QTimer::timeout, [] {
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    auto* box = qobject_cast<QMessageBox*>(widget);
                    if (box && box->isVisible()) {
                        std::fputs(box->text().toUtf8().constData(), stderr);
                        box->button(QMessageBox::Ok)->click();
                    }
                }
            });
            dismisser->start(20);
            platform::realModulo(1.0, 0.0);
        },
        testing::ExitedWithCode(255), "不能求余数于零");
}

struct CharacterRow
{
    std::string name;
    int code;
    std::optional<std::string> expected;
};

void PrintTo(const CharacterRow& row, std::ostream* out)
{
    *out << row.name;
}

class CharacterFromCode : public testing::TestWithParam<CharacterRow>
{
};

TEST_P(CharacterFromCode, GivesTheOneByteText)
{
    const CharacterRow& row = GetParam();
    const Text text = platform::characterFromCode(row.code);
    EXPECT_EQ(text.isMissing(), !row.expected.has_value());
    EXPECT_EQ(bytesOf(text), row.expected.value_or(""));
}

INSTANTIATE_TEST_SUITE_P(Rows, CharacterFromCode,
    testing::Values(CharacterRow { "Zero", 0, std::nullopt }, CharacterRow { "One", 1, "\x01" },
        CharacterRow { "UpperA", 0x41, "A" }, CharacterRow { "LowestDrawnByte", 0xB0, "\xB0" },
        CharacterRow { "HighestDrawnByte", 0xDA, "\xDA" }, CharacterRow { "FF", 0xFF, "\xFF" }),
    rowName<CharacterRow>);

TEST(TextConversion, GivesAFreshCopyOrAMissingText)
{
    EXPECT_TRUE(platform::toText(Text()).isMissing());
    EXPECT_TRUE(platform::toText(Text::fromBytes("")).isMissing());

    const Text original = Text::fromBytes("\xD6\xD0"
                                          "a");
    const Text copy = platform::toText(original);
    EXPECT_EQ(bytesOf(copy), bytesOf(original));
    EXPECT_NE(copy.bytes(), original.bytes());
}

} // namespace
