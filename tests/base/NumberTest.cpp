#include "base/Number.h"
#include "base/Error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tagler {
namespace {

struct NumberCase {
    float value;
    const char* text;
};

TEST(NumberFormat, WritesTheSinglePrecisionValueInShortestGeneralForm)
{
    const NumberCase cases[] = {
        {0.1f, "0.100000001490116"},
        {12.5f, "12.5"},
        {100.0f, "100"},
        {-3.0f, "-3"},
        {1.0f / 3.0f, "0.333333343267441"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {1e-7f, "1.0000000116861E-7"},
        {1e20f, "1.00000002004088E20"},
        {123456.789f, "123456.7890625"},
        {0.0001f, "9.99999974737875E-5"},
        {0.001f, "0.00100000004749745"},
        {-1.5f, "-1.5"},
        {-1e-7f, "-1.0000000116861E-7"},
        {1e-10f, "1.00000001335143E-10"},
        {0x1p-20f, "9.5367431640625E-7"},
        // Where %g changes form: below 1e-4 and from 1e15 on the exponent is written.
        {0x1.a36e3p-14f, "0.000100000004749745"},
        {999999986991104.0f, "999999986991104"},
        {1000000054099968.0f, "1.00000005409997E15"},
        {1e10f, "10000000000"},
        {std::numeric_limits<float>::denorm_min(), "1.40129846432482E-45"},
        {std::numeric_limits<float>::max(), "3.40282346638529E38"},
        {-std::numeric_limits<float>::max(), "-3.40282346638529E38"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
}

TEST(NumberFormat, RefusesNonFiniteValues)
{
    for (float v : {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                    std::numeric_limits<float>::quiet_NaN()}) {
        try {
            formatNumber(v);
            FAIL() << "accepted " << v;
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InvalidFloatOp);
        }
    }
    EXPECT_THROW(formatNumber(1e300), Error); // beyond single precision
}

TEST(NumberFormat, ShowsALengthAsTheDrafterReadsIt)
{
    const struct {
        double mm;
        const char* shown;
    } rows[] = {
        {36.0555114746094, "36.056"},
        {20, "20"},
        {0.100000001490116, "0.1"},
        {12.5, "12.5"},
        {-0.0004, "0"},
        {0.0005, "0.001"},
        {1234.9996, "1235"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(formatReadableLength(row.mm), row.shown) << row.mm;
}

TEST(NumberParse, AcceptsSurroundingBlanksAndRejectsAnythingElse)
{
    EXPECT_EQ(parseInteger(" 42 "), 42);
    EXPECT_EQ(parseInteger("-9"), -9);
    EXPECT_FLOAT_EQ(parseFloat("  -40496.8595011236"), -40496.8595f);
    EXPECT_DOUBLE_EQ(parseDecimal("2.5 "), 2.5);
    for (const char* bad : {"", " ", "1a", "abc", "1 2", "--1", "0x10"}) {
        try {
            parseDecimal(bad);
            FAIL() << "accepted '" << bad << "'";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Conversion) << bad;
        }
    }
    EXPECT_THROW(parseInteger("1.5"), Error);
}

TEST(NumberDivide, RaisesTheMatchingKind)
{
    EXPECT_DOUBLE_EQ(divide(1, 4), 0.25);
    try {
        divide(1, 0);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::FloatDivideByZero);
    }
    try {
        divide(0, 0);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::InvalidFloatOp);
    }
}

} // namespace
} // namespace tagler
