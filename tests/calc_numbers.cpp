// Number text: formatting as shown, parsing as typed, and the roundings that
// comparisons of shown values rely on.
#include "KorvelsChecks.h"
#include "KorvelsNumbers.h"

#include <cmath>
#include <gtest/gtest.h>

using Korvel::FormatFixed;
using Korvel::FormatNumbers;

TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheShortestDecimalForm) {
    // Each of these is stored a little below its decimal form.
    EXPECT_EQ(FormatFixed(12.345, 2), "12.35");
    EXPECT_EQ(FormatFixed(2.675, 2), "2.68");
    EXPECT_EQ(FormatFixed(1.005, 2), "1.01");
    EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
    EXPECT_EQ(FormatFixed(-0.125, 2), "-0.13");
    EXPECT_EQ(FormatFixed(2.5, 0), "3");
    EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
    EXPECT_EQ(FormatFixed(0.5, 0), "1");
    EXPECT_EQ(FormatFixed(12.344999, 2), "12.34");
}

TEST(FormatFixed, CarriesAndPads) {
    EXPECT_EQ(FormatFixed(9.995, 2), "10.00");
    EXPECT_EQ(FormatFixed(999.5, 0), "1000");
    EXPECT_EQ(FormatFixed(0.96, 1), "1.0");
    EXPECT_EQ(FormatFixed(7, 3), "7.000");
    EXPECT_EQ(FormatFixed(0.05, 1), "0.1");
    EXPECT_EQ(FormatFixed(0.0049, 2), "0.00");
}

TEST(FormatFixed, ZeroResultHasNoMinus) {
    EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
    EXPECT_EQ(FormatFixed(-0.0, 1), "0.0");
    EXPECT_EQ(FormatFixed(-0.4, 0), "0");
}

TEST(FormatFixed, BigAndTinyValues) {
    EXPECT_EQ(FormatFixed(1e20, 0), "100000000000000000000");
    EXPECT_EQ(FormatFixed(123456789.125, 2), "123456789.13");
    EXPECT_EQ(FormatFixed(1e-20, 3), "0.000");
    EXPECT_EQ(FormatFixed(-1e-20, 3), "0.000");
    EXPECT_EQ(FormatFixed(0.0005, 3), "0.001");
}

TEST(FormatFixed, UsesTheGivenSeparator) {
    EXPECT_EQ(FormatFixed(12.345, 2, ","), "12,35");
    EXPECT_EQ(FormatFixed(-0.125, 1, ","), "-0,1");
    EXPECT_EQ(FormatFixed(3, 0, ","), "3");
}

TEST(FormatNumbers, FillsEachPatternInOrderAndKeepsTheText) {
    EXPECT_EQ(FormatNumbers("f    = %.2f MPa", {2.3203}), "f    = 2.32 MPa");
    EXPECT_EQ(FormatNumbers("%.f kN < %.f kN", {96.57, 116.5}), "97 kN < 117 kN");
    EXPECT_EQ(FormatNumbers("a %.1f b %.3f c", {1.25, 0.0005}, ","), "a 1,3 b 0,001 c");
    EXPECT_EQ(FormatNumbers("100 %", {}), "100 %");
    // A pattern without a value left stays as text.
    EXPECT_EQ(FormatNumbers("%.f and %.f", {1}), "1 and %.f");
}

TEST(ParseNumberText, AcceptsNumbersAsTyped) {
    struct Case {
        const char* text;
        double value;
    };
    const Case ok[] = {{"12", 12},    {"-5000", -5000}, {"1.5", 1.5}, {".5", 0.5},    {"5.", 5},
                       {"1e3", 1000}, {"  7", 7},       {"+3", 3},    {"2E-2", 0.02}, {"0", 0}};
    for (const Case& c : ok) {
        double v = -1;
        EXPECT_TRUE(Korvel::ParseNumberText(c.text, v)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
}

TEST(ParseNumberText, RejectsWhatIsNotAFiniteNumber) {
    for (const char* text : {"", " ", "-", "+", ".", "1.2.3", "1-2", "1,5", "abc", "1e", "1e+",
                             "inf", "nan", "1e999", "-1e999", "7 ", "1a2b3", "--1"}) {
        double v = 0;
        EXPECT_FALSE(Korvel::ParseNumberText(text, v)) << '"' << text << '"';
    }
}

TEST(Slenderness, LimitComparedAtNineSignificantDigits) {
    const double atLimit = 1.5 * 2.7 / 0.15; // roo 1.50, h 2700 mm, t 150 mm
    EXPECT_EQ(atLimit, 27.000000000000007);
    EXPECT_EQ(Korvel::CompareSlenderness(atLimit), 0);
    EXPECT_EQ(Korvel::CompareSlenderness(27.0), 0);
    EXPECT_EQ(Korvel::CompareSlenderness(27.33), 1);
    EXPECT_EQ(Korvel::CompareSlenderness(27.000001), 1);
    EXPECT_EQ(Korvel::CompareSlenderness(26.9999), -1);
    EXPECT_EQ(Korvel::CompareSlenderness(20.0), -1);
    EXPECT_EQ(Korvel::RoundSignificant(atLimit, 9), 27.0);
    EXPECT_EQ(Korvel::RoundSignificant(0.123456789012, 3), 0.123);
}

TEST(WholeMm, TypedMillimetresComeBackWhole) {
    EXPECT_EQ(Korvel::WholeMm(1.001), 1001.0);
    EXPECT_EQ(Korvel::WholeMm(1001 / 1000.0), 1001.0);
    EXPECT_EQ(Korvel::WholeMm(0.15), 150.0);
    EXPECT_EQ(Korvel::WholeMm(5.0 / 2 - 0.1), 2400.0);
}

// A failing check never shows 100 % or less, a passing one never more, and
// the last bit's noise does not push 41 % to 42 %.
TEST(Utilisation, RoundedUpToAWholePerCentOnTheSideOfItsVerdict) {
    EXPECT_EQ(Korvel::UtilisationPercent(1.004, false), 101);
    EXPECT_EQ(Korvel::UtilisationPercent(1.0000000001, false), 101);
    EXPECT_EQ(Korvel::UtilisationPercent(1.0, true), 100);
    EXPECT_EQ(Korvel::UtilisationPercent(0.41, true), 41);
    EXPECT_EQ(Korvel::UtilisationPercent(0.4101, true), 42);
    EXPECT_EQ(Korvel::UtilisationPercent(1.12, false), 112);
}
