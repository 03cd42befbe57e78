#include "text/Markup.h"
#include "text/Errors.h"
#include "text/NodeDump.h"

#include <gtest/gtest.h>

namespace {

std::string Dump(std::string_view text) {
    return DumpNode(*ParseMarkup(text));
}

// The message of the parse error the text raises; empty when it parses.
std::string ErrorOf(std::string_view text) {
    try {
        ParseMarkup(text);
    } catch (const EParseError& error) {
        return error.what();
    }
    return {};
}

} // namespace

TEST(ParseMarkup, EmptyAndBlankTextGiveABareTop) {
    EXPECT_EQ(Dump(""), "root");
    EXPECT_EQ(Dump(" \t\r\n"), "root");
    EXPECT_EQ(ParseMarkup("")->Parent(), nullptr);
}

TEST(ParseMarkup, PageElementWithEscapedQuoteAndEntity) {
    const auto top = ParseMarkup("<page orientation=\"portrait\">\r\n"
                                 "  <text x=\"10\" text=\"say \\\"a&amp;b\\\"\"/>\r\n"
                                 "</>\r\n");
    EXPECT_EQ(DumpNode(*top), "root{page[orientation=portrait]{text[x=10,text=say \"a&b\"]}}");
    const TNode& text = top->GetChild(0).GetChild(0);
    EXPECT_EQ(text.Parent(), &top->GetChild(0));
    EXPECT_EQ(text.GetItem(1)->Node(), &text);
}

TEST(ParseMarkup, DeclarationIsDroppedUpToTheFirstQuestionMarkAndBracket) {
    EXPECT_EQ(Dump("<?xml version=\"1.0\"?>\r\n<page a=\"1\"></>"), "root{page[a=1]}");
    // Counting starts after the cut: the "h" is the first character left.
    EXPECT_EQ(ErrorOf("<a x=\"?>h\"/>"), "стр 1, смв 1: Недопустимый символ: \"h\"");
}

TEST(ParseMarkup, ElementsCloseBySlashOrByEmptyClosingTag) {
    EXPECT_EQ(Dump("<a x=\"1\"/></>"), "root{a[x=1]}");
    EXPECT_EQ(Dump("<a/><b/>"), "root{a b}");
    EXPECT_EQ(Dump("<a x=\"1\"><b y=\"2\"/><c z=\"3\"></><d/></><e/>"),
              "root{a[x=1]{b[y=2] c[z=3] d} e}");
    // Still open at the end: accepted as they stand.
    EXPECT_EQ(Dump("<a x=\"1\"><b y=\"2\">"), "root{a[x=1]{b[y=2]}}");
}

TEST(ParseMarkup, OpenTagsWithoutAttributesOpenAtEveryLevel) {
    EXPECT_EQ(Dump("<page><group><text a=\"1\"/></><text b=\"2\"/></>"),
              "root{page{group{text[a=1]} text[b=2]}}");
    EXPECT_EQ(Dump("<page><root/><root></></>"), "root{page{root root}}");
    EXPECT_EQ(Dump("<a\r\n\tb>"), "root{ab}");
}

TEST(ParseMarkup, OutermostRootStandsForTheTop) {
    EXPECT_EQ(Dump("<root version=\"2\"><page a=\"1\"/></>"), "root[version=2]{page[a=1]}");
    EXPECT_EQ(Dump("<root><page a=\"1\"/></></>"), "root{page[a=1]}");
    EXPECT_EQ(Dump("<root/>"), "root{root}");
}

TEST(ParseMarkup, AttributeNamesAndValues) {
    EXPECT_EQ(Dump("<a b=\"1\" c = \"2\" d\"3\" e f=\"4\" \"5\" g\t=\r\n\"\"/>"),
              "root{a[b=1,c=2,d=3,ef=4,=5,g=]}");
    EXPECT_EQ(Dump("<a v=\"x\\\\y\\\"z\\n\"/>"), "root{a[v=x\\y\"zn]}");
    EXPECT_EQ(Dump("<a v=\"line\r\nnext <b> /> </>\"/>"), "root{a[v=line\r\nnext <b> /> </>]}");
    EXPECT_EQ(Dump("<a v=\"1\" v=\"2\"/>"), "root{a[v=1,v=2]}");
    EXPECT_EQ(Dump("<\xC0\xE1-1.2_z \xCF\xEE=\"\xFF\"/>"), "root{\xC0\xE1-1.2_z[\xCF\xEE=\xFF]}");
}

TEST(ParseMarkup, ErrorsNameTheLineAndColumnOfTheOffendingCharacter) {
    EXPECT_EQ(ErrorOf("< a"), "стр 1, смв 2: Пробел перед названием раздела недопустим");
    EXPECT_EQ(ErrorOf("<a/b>"), "стр 1, смв 4: Ошибка в символе конца раздела");
    EXPECT_EQ(ErrorOf("<a></a>"), "стр 1, смв 6: Ошибка в символе конца раздела");
    EXPECT_EQ(ErrorOf("<root a=\"1\"/>"), "стр 1, смв 12: Недопустимый символ закрытия раздела");
    EXPECT_EQ(ErrorOf("<a/>h"), "стр 1, смв 5: Недопустимый символ: \"h\"");
    EXPECT_EQ(ErrorOf("<a x=\"1\" !>"), "стр 1, смв 10: Недопустимый символ \"!\"");
    EXPECT_EQ(ErrorOf("<a#>"), "стр 1, смв 3: Недопустимый символ \"#\"");
    EXPECT_EQ(ErrorOf("<\xA8>"), "стр 1, смв 2: Недопустимый символ \"\xA8\"");
    EXPECT_EQ(ErrorOf("<a x?=\"1\"/>"), "стр 1, смв 5: Недопустимый символ \"?\"");
}

TEST(ParseMarkup, PositionsCountCarriageReturnsAndTabsButNotLineBreaksInValues) {
    // CR starts a line, LF counts nothing, a tab is four columns; inside a
    // value every byte is one column.
    EXPECT_EQ(ErrorOf("\r\n\r\n\tx"), "стр 3, смв 5: Недопустимый символ: \"x\"");
    EXPECT_EQ(ErrorOf("<a x=\"1\r\n2\"\r\n\t !>"), "стр 2, смв 6: Недопустимый символ \"!\"");
    EXPECT_EQ(ErrorOf("\n\n\ny"), "стр 1, смв 1: Недопустимый символ: \"y\"");
}

TEST(ParseMarkup, DeepNestingNeitherOverflowsNorLeaks) {
    constexpr int depth = 100000;
    std::string open;
    for (int i = 0; i < depth; ++i) {
        open += "<n a=\"1\">";
    }
    const auto top = ParseMarkup(open);
    const TNode* node = top.get();
    int levels = 0;
    while (node->ChildCount() == 1) {
        node = &node->GetChild(0);
        ++levels;
    }
    EXPECT_EQ(levels, depth);
    // A failure deep inside frees everything built so far.
    EXPECT_EQ(ErrorOf(open + "!"), "стр 1, смв 900001: Недопустимый символ: \"!\"");
}

TEST(UnescapeMarkup, NamedAndCharacterEntities) {
    EXPECT_EQ(UnescapeMarkup("&quot;&apos;&amp;&lt;&gt;"), "\"'&<>");
    EXPECT_EQ(UnescapeMarkup("&#x41;&#x4142;&#x;"), std::string("AB\0", 3));
    EXPECT_EQ(UnescapeMarkup("a&nbsp;b&AMP;c"), "abc");
    EXPECT_EQ(UnescapeMarkup("tail&amp"), "tail&");
    EXPECT_EQ(UnescapeMarkup("cut&here"), "cut");
    EXPECT_EQ(UnescapeMarkup("no entities"), "no entities");
    EXPECT_EQ(Dump("<a v=\"&#x41;\\&lt;\"/>"), "root{a[v=A<]}");
}

TEST(EscapeMarkupValue, EveryValueReadsBackUnchanged) {
    std::string every;
    for (int b = 1; b < 256; ++b) {
        every += static_cast<char>(b);
    }
    const std::string values[] = {
        "&",
        "&amp;",
        "&amp;amp;",
        "a & b",
        "&#x41;",
        "\"quoted\"",
        "back\\slash\\",
        "\\\"",
        "why?>",
        "?"
        "?>>",
        "?\\>",
        "<?xml?>",
        "line\r\nbreak",
        "",
        std::string("\0x", 2),
        every,
    };
    for (const std::string& value : values) {
        const std::string text = "<page orientation=\"\">\r\n  <text text=\"" +
                                 EscapeMarkupValue(value) + "\" font=\"" +
                                 EscapeMarkupValue(value) + "\"/>\r\n</>\r\n";
        const auto top = ParseMarkup(text);
        EXPECT_EQ(top->GetChild(0).GetChild(0).GetString("text", "-"), value) << text;
        EXPECT_EQ(top->GetChild(0).GetChild(0).GetString("font", "-"), value) << text;
    }
    EXPECT_EQ(EscapeMarkupValue("a\"b\\c&d?>e"), "a\\\"b\\\\c&amp;d?\\>e");
}
