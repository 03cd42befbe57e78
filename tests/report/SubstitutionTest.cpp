#include "report/ReportVariables.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::W;

namespace {

class Substitution : public testing::Test {
protected:
    std::string Sub(std::string_view text) const { return vars.Substitute(text); }
    TReportVariables vars;
};

} // namespace

TEST_F(Substitution, PlaceholdersAreReplaced) {
    vars.Set("Sum", "1234,5", false);
    EXPECT_EQ(Sub("Sum: {Sum}."), "Sum: 1234,5.");
    EXPECT_EQ(Sub("{Sum:.2f}"), "1234,50");
    EXPECT_EQ(Sub("{Missing}|{Missing:.2f}"), "|0,00");
    EXPECT_EQ(Sub("{Sum"), "1234,5"); // runs to the end of the text
    EXPECT_EQ(Sub("no braces}"), "no braces}");
    EXPECT_EQ(Sub("{}"), "");
}

TEST_F(Substitution, DoubledBraceCopiesOneAndGoesOn) {
    vars.Set("x", "1", false);
    EXPECT_EQ(Sub("{{x}"), "{1");
    EXPECT_EQ(Sub("{{{x}}"), "{{1}");
}

TEST_F(Substitution, TheLastColonStartsTheFormat) {
    vars.Set("x", "2", false);
    EXPECT_EQ(Sub("{x:3d:.1f}"), "2,0");
    EXPECT_EQ(Sub("{x:}"), "2");
}

TEST_F(Substitution, CharactersAfterTheConversionAreCopied) {
    vars.Set("Sum", "12", false);
    EXPECT_EQ(Sub(W(u8"{Sum:.2f руб.}")), W(u8"12,00 руб."));
    EXPECT_EQ(Sub("{Sum:3d pcs}"), " 12 pcs");
}

TEST_F(Substitution, Integers) {
    vars.Set("Count", "42", false);
    vars.Set("Almost", "2,9999999", false);
    vars.Set("Big", "1E30", false);
    EXPECT_EQ(Sub("{Count:05d}"), "00042");
    EXPECT_EQ(Sub("{Almost:d}"), "3");
    EXPECT_EQ(Sub("{Big:d}"), "9223372036854775807");
    EXPECT_EQ(Sub("{Count:x}|{Count:04X}"), "2a|002A");
}

TEST_F(Substitution, GeneralFormat) {
    vars.Set("x", "1234,5", false);
    EXPECT_EQ(Sub("{x:g}"), "1234,5");
    EXPECT_EQ(Sub("{x:8g}"), "  1234,5");
}

TEST_F(Substitution, FormatsWithoutAConversionWriteNothing) {
    vars.Set("x", "5", false);
    EXPECT_EQ(Sub("[{x:abc}]"), "[]");
}

TEST_F(Substitution, DatesFollowTheProgramsConventions) {
    vars.Set("Datetime", "45000", false); // 15 March 2023
    EXPECT_EQ(Sub("{Datetime:#dd.mm.yyyy}"), "15.03.2023");
    EXPECT_EQ(Sub("{Datetime:#d mmmm yyyy}"), W(u8"15 марта 2023"));
    vars.Set("Datetime", "1E300", false);
    EXPECT_EQ(Sub("{Datetime:#dd.mm.yyyy}"), "30.12.1899");
    vars.Set("Datetime", "abc", false);
    EXPECT_EQ(Sub("{Datetime:#dd.mm.yyyy}"), "30.12.1899");
}

TEST_F(Substitution, ValuesAreNotScannedAgain) {
    vars.Set("Text", "{pagenumber}", false);
    vars.Set("pagenumber", "7", false);
    EXPECT_EQ(Sub("{Text}"), "{pagenumber}");
}
