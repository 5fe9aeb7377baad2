#include "gui/controls/ControlError.h"
#include "gui/controls/ExpressionEvaluator.h"
#include "gui/model/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace korva::gui {
namespace {

struct ValueCase
{
    const char* text;
    long double expected;
};

// Relative tolerance well below what an entry field shows (8 digits), well above the
// 18-digit rounding of intermediate results.
void ExpectValue(const ValueCase& c, char separator = '.')
{
    SCOPED_TRACE(c.text);
    long double value = 0;
    ASSERT_NO_THROW(value = EvaluateExpression(c.text, separator));
    long double tolerance = 1e-15L * std::max(1.0L, std::fabs(c.expected));
    EXPECT_NEAR(static_cast<double>(value), static_cast<double>(c.expected),
                static_cast<double>(tolerance));
}

TEST(ExpressionEvaluator, Operators)
{
    const ValueCase cases[] = {
        {"2+3*4", 14}, {"(2+3)*4", 20}, {"2^3^2", 64},  {"-2^2", 4},          {"2^-2", 0.25L},
        {"10%3", 1},   {"7.9%2", 1},    {"-7%3", -1},   {"1E-5*2", 0.00002L}, {"5-3", 2},
        {"5*-3", -15}, {"5--2", 7},     {"1-2-3", -4},  {"8/4/2", 1},         {"1=1", 1},
        {"2=3", 0},    {"0|3", 1},      {"0|0", 0},     {"2&0", 0},           {"2&3", 1},
        {"1+1=2", 1},  {"2*3=6|0", 0},  {"12/4*3", 9},  {" 2 +\t3 ", 5},      {"2(3)", 23},
        {"((2))", 2},  {"-(2+3)", -5},  {"3-(0-2)", 5}, {"1.5E3", 1500},      {"2.5e-3*1000", 2.5L},
        {"1/3*3", 1},
    };
    for (const auto& c : cases)
        ExpectValue(c);
}

TEST(ExpressionEvaluator, FunctionsConstantsFactorialHex)
{
    const long double pi = 3.1415926535897932385L;
    const ValueCase cases[] = {
        {"sin(pi/2)", 1},
        {"sqrt16", 4},
        {"log1000", 3},
        {"4!", 24},
        {"-3!", -6},
        {"0!", 1},
        {"3!!", 720},
        {"$1F", 31},
        {"$1f", 31},
        {"$ff+1", 256},
        {"pi", pi},
        {"-pi", -pi},
        {"PI", pi},
        {"e", std::exp(1.0L)},
        {"-e", -std::exp(1.0L)},
        {"ln(e)", 1},
        {"cos0", 1},
        {"sec0", 1},
        {"csc(pi/2)", 1},
        {"cotan(pi/4)", 1},
        {"tan0", 0},
        {"tanh0", 0},
        {"arctan1", pi / 4},
        {"arctanh0", 0},
        {"arccos1", 0},
        {"arccosh1", 0},
        {"cosh0", 1},
        {"arcsin1", pi / 2},
        {"arcsinh0", 0},
        {"sinh0", 0},
        {"abs-3", 3},
        {"frac2.75", 0.75L},
        {"int-2.7", -2},
        {"round2.5", 2},
        {"round3.5", 4},
        {"round-2.5", -2},
        {"ceil1.2", 2},
        {"floor-1.2", -2},
        {"SQRT(9)", 3},
        {"sin-pi", 0},
        {"sinsin0", 0},
        {"sqrt(2)^2", 2},
        {"sqrt2!", std::sqrt(2.0L)},
        // cos is tried before csc and sec: "cosec0" is cos of "ec0", which is no number,
        // while "cose" is cos of Euler's number.
        {"cose", std::cos(std::exp(1.0L))},
        // A negative result of a parenthesised argument after an operator.
        {"1+cos(0-pi)", 0},
        {"2*sin(-pi/2)", -2},
        {"1-abs(-3)", -2},
        // Euler's number followed by a binary minus; exponents stay intact.
        {"e-1", std::exp(1.0L) - 1},
        {"2*e-e", std::exp(1.0L)},
        {"$1E-5", 25},
    };
    for (const auto& c : cases)
        ExpectValue(c);
}

TEST(ExpressionEvaluator, LocaleDecimalSeparator)
{
    ExpectValue({"1,5*2", 3}, ',');
    ExpectValue({"(1/4)*2", 0.5L}, ',');
    EXPECT_THROW(EvaluateExpression("1.5", ','), EControlError);
    EXPECT_THROW(EvaluateExpression("1,5", '.'), EControlError);
}

struct ErrorCase
{
    const char* text;
    const char* message;
};

TEST(ExpressionEvaluator, ErrorMessages)
{
    const std::string prefix = "Entry could not be evaluated:\r";
    const char* blank = "entry cannot be blank";
    const char* parentheses = "() (parentheses) do not match";
    const char* invalid = "invalid expression";
    const char* factorial = "! (factoral) applicable to integers only";
    const char* hex = "invalid use of $ (hex function)";
    const char* characters = "invalid character(s) in expression";
    const char* notFinite = "result is undefined or out of range";
    const ErrorCase cases[] = {
        {"", blank},
        {"()", blank},
        {"2.5!", factorial},
        {"(2+3", characters},
        {"2+3)", parentheses},
        {")(", parentheses},
        {"2+", invalid},
        {"*2", invalid},
        {"2**3", invalid},
        {"+5", invalid},
        {"5-", invalid},
        {"   ", invalid},
        {"$", hex},
        {"$1G", hex},
        {"$11111111111111111", hex},
        {"abc", characters},
        {"1.2.3", characters},
        {"1E+5", characters},
        {"-sin1", characters},
        {"cosec0", characters},
        {"inf", characters},
        {"nan", characters},
        {"1e99999", characters},
        {"5~3", characters},
        {"1/0", notFinite},
        {"5%0", notFinite},
        {"sqrt-1", notFinite},
        {"ln0", notFinite},
        {"2000!", notFinite},
        {"1e30%2", notFinite},
        {"10^5000", notFinite},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            EvaluateExpression(c.text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const EControlError& error) {
            EXPECT_EQ(error.what(), prefix + c.message);
            EXPECT_EQ(error.Reason(), c.message);
        }
    }
}

TEST(ExpressionEvaluator, LongInputsDoNotExhaustTheStack)
{
    std::string chain;
    for (int i = 0; i < 100000; ++i)
        chain += "abs";
    chain += "2";
    EXPECT_EQ(EvaluateExpression(chain), 2.0L);
    std::string nested(2000, '(');
    nested += "1";
    nested += std::string(2000, ')');
    EXPECT_EQ(EvaluateExpression(nested), 1.0L);
}

TEST(NumberText, GeneralFormatOfEntryFields)
{
    struct Case
    {
        long double value;
        int digits;
        const char* text;
    };
    const Case cases[] = {
        {0, 8, "0"},
        {1e-6L, 8, "1E-6"},
        {123456789, 8, "1.2345679E8"},
        {12345678, 8, "12345678"},
        {0.0001L, 8, "0.0001"},
        {0.00012345L, 8, "0.00012345"},
        {0.00001L, 8, "0.00001"},
        {0.0000123L, 8, "0.0000123"},
        {-2.5L, 8, "-2.5"},
        {1.0L / 3.0L, 18, "0.333333333333333333"},
        {100, 18, "100"},
        {1e18L, 18, "1E18"},
        {4.78802589L, 7, "4.788026"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GeneralNumberText(c.value, c.digits), c.text) << static_cast<double>(c.value);
    EXPECT_EQ(GeneralNumberText(2.5L, 8, ','), "2,5");
}

} // namespace
} // namespace korva::gui
