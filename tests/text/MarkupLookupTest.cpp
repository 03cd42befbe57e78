#include "text/Markup.h"

#include <gtest/gtest.h>

TEST(TNode, BuildsChildrenAndItemsInOrder) {
    TNode top;
    TNode& page = top.AddChild("page");
    page.AddItem("a", "1");
    page.AddItem("a", "2");
    EXPECT_EQ(top.Name(), "root");
    EXPECT_EQ(page.Parent(), &top);
    EXPECT_EQ(&top.GetChild(0), &page);
    EXPECT_EQ(page.FindItem("a").Text, "1");
    EXPECT_EQ(page.GetItem(1)->Text, "2");

    const TNode detached("x", &top);
    EXPECT_EQ(detached.Parent(), &top);
    EXPECT_EQ(top.ChildCount(), 1);
}

TEST(TNode, LookupsPastTheEndGiveTheNullNodeOrNothing) {
    TNode top;
    top.AddChild("page").AddItem("x", "1");
    const TNode& missing = top.GetChild(1).GetChild(5);
    EXPECT_EQ(&missing, &TNode::Null());
    EXPECT_EQ(missing.Name(), "root");
    EXPECT_EQ(missing.ChildCount(), 0);
    EXPECT_EQ(missing.GetString("x", "def"), "def");
    EXPECT_EQ(&top.GetChild(-1), &TNode::Null());
    EXPECT_EQ(top.GetChild(0).GetItem(1), nullptr);
    EXPECT_EQ(top.GetChild(0).GetItem(-1), nullptr);
}

TEST(TNode, FindItemIsCaseSensitiveAndFallsBackToTheEmptyItem) {
    TNode node("text");
    node.AddItem("X", "1");
    const TNodeItem& none = node.FindItem("x");
    EXPECT_EQ(none.Name, "");
    EXPECT_EQ(none.Text, "");
    EXPECT_EQ(none.Node(), &node);
    EXPECT_EQ(node.GetString("x", "d"), "d");
    EXPECT_EQ(node.GetString("X", "d"), "1");
}

TEST(TNode, TypedLookupsOfPresentButMalformedValuesGiveZeroOrFalse) {
    TNode node;
    node.AddItem("abc", "abc");
    node.AddItem("n", "42");
    node.AddItem("empty", "");
    node.AddItem("yes", "1");
    node.AddItem("no", "0");
    node.AddItem("true", "true");
    EXPECT_EQ(node.GetInteger("abc", 5), 0);
    EXPECT_EQ(node.GetInteger("missing", 5), 5);
    EXPECT_EQ(node.GetInteger("n", 5), 42);
    EXPECT_EQ(node.GetInteger("empty", 5), 0);
    EXPECT_TRUE(node.GetBoolean("yes", false));
    EXPECT_FALSE(node.GetBoolean("no", true));
    EXPECT_FALSE(node.GetBoolean("true", true));
    EXPECT_TRUE(node.GetBoolean("missing", true));
    EXPECT_EQ(node.GetString("empty", "d"), "");
}

TEST(TNode, FixedLengthsUseTheDecimalComma) {
    TNode node;
    node.AddItem("comma", "12,5");
    node.AddItem("point", "12.5");
    node.AddItem("tiny", "0,00004");
    node.AddItem("negative", "-3,25");
    node.AddItem("huge", "1e300");
    EXPECT_EQ(node.GetFixed("comma", 7), 125000);
    EXPECT_EQ(node.GetFixed("point", 7), 0);
    EXPECT_EQ(node.GetFixed("tiny", 7), 0);
    EXPECT_EQ(node.GetFixed("negative", 7), -32500);
    EXPECT_EQ(node.GetFixed("huge", 7), 0); // beyond 64 bits: as unusable as text
    EXPECT_EQ(node.GetFixed("missing", 50000), 50000);
}

TEST(TNodeItem, AccessorsFallBackToTheirDefaults) {
    TNode node;
    const TNodeItem& number = node.AddItem("a", "2,5");
    const TNodeItem& text = node.AddItem("b", "x");
    EXPECT_EQ(number.AsString(), "2,5");
    EXPECT_DOUBLE_EQ(number.AsFloat(9), 2.5);
    EXPECT_DOUBLE_EQ(text.AsFloat(9), 9);
    EXPECT_EQ(number.AsInteger(9), 9);
    EXPECT_EQ(text.AsBoolean(true), true);
}

TEST(TagValue, ReadsTheTextAfterABracketedKey) {
    const std::string text = "<Sum>1234,5<Count>7<empty><\xD1\xF3\xEC\xEC\xE0> \xF0\xF3\xE1";
    EXPECT_EQ(TagValue(text, "sum"), "1234,5");
    EXPECT_EQ(TagValue(text, "COUNT"), "7");
    EXPECT_EQ(TagValue(text, "empty", "def"), "");
    EXPECT_EQ(TagValue(text, "\xF1\xD3\xCC\xEC\xE0"), " \xF0\xF3\xE1"); // Cyrillic, other case
    EXPECT_EQ(TagValue(text, "none", "def"), "def");
    EXPECT_EQ(TagValue("[a]1[b]2", "b", "", "[]"), "2");
    EXPECT_EQ(TagValue("<a>1", "a", "", "[[]"), "1");
    EXPECT_DOUBLE_EQ(TagFloat(text, "sum", 0), 1234.5);
    EXPECT_DOUBLE_EQ(TagFloat(text, "none", 3), 3);
    EXPECT_EQ(TagInteger(text, "count", 0), 7);
    EXPECT_EQ(TagInteger(text, "sum", -1), -1);
}

TEST(NumberFromText, TakesTheFirstRunOfDigitsCommasAndMinus) {
    EXPECT_DOUBLE_EQ(NumberFromText("width 12,5 mm", 0), 12.5);
    EXPECT_DOUBLE_EQ(NumberFromText("30%", 0), 30);
    EXPECT_DOUBLE_EQ(NumberFromText("-2,5", 0), -2.5);
    EXPECT_DOUBLE_EQ(NumberFromText("1.5", 0), 1);
    EXPECT_DOUBLE_EQ(NumberFromText("1-2", 8), 8);
    EXPECT_DOUBLE_EQ(NumberFromText("none", 8), 8);
    EXPECT_DOUBLE_EQ(NumberFromText("", 8), 8);
}
