#include "text/TemplateParser.h"
#include "text/Errors.h"
#include "text/Format.h"
#include "text/NodeDump.h"
#include "text/TemplateTokenizer.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::TempDir;
using testing_support::W;
using testing_support::WriteFile;

namespace {

// The node tree of a template text, as one line.
std::string Nodes(std::string_view text) {
    return DumpNode(*SentenceToNode(*ParseTemplateText(text)));
}

// The message of the parse error that reading and converting the text raises.
std::string ErrorOf(std::string_view text) {
    try {
        SentenceToNode(*ParseTemplateText(text));
    } catch (const EParseError& error) {
        return error.what();
    }
    return {};
}

std::string TokenTexts(const std::vector<TToken>& tokens) {
    std::string out;
    for (const TToken& token : tokens) {
        out += Format("%d:%s ", {static_cast<int>(token.Type), token.Text});
    }
    return out;
}

} // namespace

TEST(TokenizeTemplate, OperatorsAndPunctuationHaveTheirCodes) {
    EXPECT_EQ(TokenTexts(TokenizeTemplate("= ; , + - * / % >= <= > < <> ( ) [ ] { }")),
              "2:= 3:; 4:, 8:+ 9:- 10:* 11:/ 12:% 13:>= 14:<= 15:> 16:< 17:<> 18:( 19:) "
              "20:[ 21:] 22:{ 23:} ");
    EXPECT_EQ(TokenTexts(TokenizeTemplate("=<=>")), "2:= 14:<= 15:> ");
}

TEST(TokenizeTemplate, NamesNumbersAndStrings) {
    EXPECT_EQ(TokenTexts(TokenizeTemplate("list[1] a.b _x \xC8\xEC\xFF"
                                          "2 12.50 7x")),
              "0:list[1] 0:a.b 0:_x 0:\xC8\xEC\xFF"
              "2 1:12,50 1:7 0:x ");
    EXPECT_EQ(TokenTexts(TokenizeTemplate("\"a^\"b\" \"two\r\nlines\" \"open")),
              "24:a\"b 24:two\r\nlines 24:open ");
    EXPECT_EQ(TokenTexts(TokenizeTemplate("-5 .5 ! $ & : ? ^ \x7F\xA8\xBF")), "9:- 1:5 1:5 ");
}

TEST(TokenizeTemplate, CommentsProduceNothing) {
    EXPECT_EQ(TokenTexts(TokenizeTemplate("a # b ; c\r\nd")), "0:a 0:d ");
    EXPECT_EQ(TokenTexts(TokenizeTemplate("a # text from elsewhere\nd")), "0:a 0:d ");
    EXPECT_EQ(TokenTexts(TokenizeTemplate("a /* b */ c /*/ d /* e")), "0:a 0:c 0:d ");
    EXPECT_EQ(TokenTexts(TokenizeTemplate("a /**/ b /*")), "0:a 0:b ");
}

TEST(ParseTemplateText, EmptyOrCommentOnlyTextGivesABareRoot) {
    EXPECT_EQ(ParseTemplateText("")->ChildCount(), 0);
    EXPECT_EQ(ParseTemplateText(" # x\r\n /* y */ ")->Name, "root");
    EXPECT_EQ(Nodes(" # x\r\n /* y */ "), "root");
}

TEST(ParseTemplateText, StatementsBlocksAndAssignments) {
    const auto top = ParseTemplateText(
        "row(h=7) { cell(w=\"50%\", text=\"{FromFirm}\"); Cell(text=\"{Sum:.2f}\"); }\r\n"
        "total = total + k;\r\n"
        "for(var=\"i\", n=3) { if (k > 0) { rubstr(words, Sum); } }");
    EXPECT_EQ(top->ChildCount(), 3);
    const TSentence& row = top->GetChild(0);
    EXPECT_EQ(row.Parent(), top.get());
    EXPECT_EQ(row.GetChild(1).Name, "Cell");
    EXPECT_EQ(row.GetChild(1).Parent(), &row);
    EXPECT_EQ(TokenTexts(top->GetChild(1).Tokens), "0:total 2:= 0:total 8:+ 0:k ");
    EXPECT_EQ(DumpNode(*SentenceToNode(*top)),
              "root{row[h=7]{cell[w=50%,=,text={FromFirm}] Cell[text={Sum:.2f}]} "
              "set[total=total+k] "
              "for[var=i,=,n=3]{if[=k,=>,=0]{rubstr[words=,Sum=]}}}");
}

TEST(ParseTemplateText, UnfinishedTextKeepsWhatItHasRead) {
    EXPECT_EQ(Nodes("x = 5"), "root{set[x=5]}");
    EXPECT_EQ(Nodes("row(h=5) { cell(w=3"), "root{row[h=5]{cell[w=3]}}");
    const auto bare = ParseTemplateText("row(); lonely");
    EXPECT_EQ(bare->GetChild(1).Name, "");
    EXPECT_TRUE(bare->GetChild(1).Tokens.empty());
}

TEST(SentenceToNode, ArgumentListsBecomeItems) {
    EXPECT_EQ(Nodes("s(h=7, name=\"title\");"), "root{s[h=7,=,name=title]}");
    EXPECT_EQ(Nodes("s(words, Sum);"), "root{s[words=,Sum=]}");
    EXPECT_EQ(Nodes("s(d, s, \"a\", \"b\");"), "root{s[d=,s=,=a,=,=b]}");
    EXPECT_EQ(Nodes("s(d, s, f, t);"), "root{s[d=,s=,f=,t=]}");
    EXPECT_EQ(Nodes("s(\"file.rt3\");"), "root{s[=file.rt3]}");
    EXPECT_EQ(Nodes("s(text=x);"), "root{s[x=]}");
    EXPECT_EQ(Nodes("s(x=-5, w=30%, y=12.5);"), "root{s[x=5,=,w=30,=,y=12,5]}");
    EXPECT_EQ(Nodes("s();"), "root{s}");
}

TEST(SentenceToNode, AssignmentsAndConditions) {
    EXPECT_EQ(Nodes("total = a + 1.5;"), "root{set[total=a+1,5]}");
    EXPECT_EQ(Nodes("y = -5;"), "root{set[y=-5]}");
    EXPECT_EQ(Nodes("t = \"two words\";"), "root{set[t=two words]}");
    EXPECT_EQ(Nodes("if (k >= 10) {} if (a <> b); if (a <= b);"),
              "root{if[=k,=>=,=10] if[=a,=<>,=b] if[=a,=<=,=b]}");
    // More tokens reach the interpreter, which counts the items.
    EXPECT_EQ(Nodes("if (a + 1 > 5);"), "root{if[=a,=+,=1,=>,=5]}");
    // Only the lower-case names are assignments and conditions.
    EXPECT_EQ(Nodes("IF (a > b); Set(a, b);"), "root{IF[b=] Set[a=,b=]}");
    EXPECT_EQ(Nodes("set(a = b c);"), "root{set[a=bc]}");
}

TEST(ParseTemplateText, SyntaxErrors) {
    EXPECT_EQ(ErrorOf("}"), "Лишняя скобка \"}\"");
    EXPECT_EQ(ErrorOf("row() { } }"), "Лишняя скобка \"}\"");
    EXPECT_EQ(ErrorOf("root() { }"), "Лишняя скобка \"}\"");
    EXPECT_EQ(ErrorOf("(a);"), "Требуется название элемента");
    EXPECT_EQ(ErrorOf("\"row\"();"), "Требуется название элемента");
    EXPECT_EQ(ErrorOf("row;"), "Требуется скобка или оператор присваивания");
    EXPECT_EQ(ErrorOf("row() cell();"), "Требуется \"{\" или \";\"");
    EXPECT_EQ(ErrorOf("x = a, b;"), "Ошибка в операции присваивания");
    EXPECT_EQ(ErrorOf("x = (a);"), "Ошибка в операции присваивания");
}

TEST(ParseTemplateText, AMissingClosingParenthesisIsCaught) {
    EXPECT_EQ(ErrorOf("row(h=5 { cell(); }"), "Ошибка в операции присваивания");
    EXPECT_EQ(ErrorOf("cell(w=5; text=\"a\");"), "Ошибка в операции присваивания");
    EXPECT_EQ(ErrorOf("row() { cell(w=5 }"), "Ошибка в операции присваивания");
    EXPECT_EQ(ErrorOf("if (a > b { }"), "Ошибка в операторе условия");
}

TEST(SentenceToNode, ConversionErrors) {
    EXPECT_EQ(ErrorOf("set(a b);"), "Недостаточно аргументов в операторе присваивания");
    EXPECT_EQ(ErrorOf("set(a, b, c);"), "Ошибка в операторе присваивания");
    EXPECT_EQ(ErrorOf("x = ;"), "Недостаточно аргументов в операторе присваивания");
    EXPECT_EQ(ErrorOf("if (a >);"), "Недостаточно аргументов в операторе условия");
    // The first faulty statement in the text is the one reported.
    EXPECT_EQ(ErrorOf("row() { if (a); } x = ;"), "Недостаточно аргументов в операторе условия");
}

TEST(ParseTemplateText, DeepBlocksNeitherOverflowNorLeak) {
    constexpr int depth = 100000;
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "cell(w=1) {";
    }
    const auto top = ParseTemplateText(text);
    const auto nodes = SentenceToNode(*top);
    const TNode* node = nodes.get();
    int levels = 0;
    while (node->ChildCount() == 1) {
        node = &node->GetChild(0);
        ++levels;
    }
    EXPECT_EQ(levels, depth);
    EXPECT_EQ(node->GetString("w", ""), "1");
    EXPECT_EQ(ErrorOf(text + "x = ;"), "Недостаточно аргументов в операторе присваивания");
    EXPECT_EQ(ErrorOf(text + "(;"), "Требуется название элемента");
}

TEST(ParseTemplateFile, LineEndingsBecomeCrLf) {
    const TempDir dir;
    WriteFile(dir / "t.rt3", "a = \"1\r\n2\n3\r4\";\r# comment\rrow();\n# last");
    const auto top = ParseTemplateFile((dir / "t.rt3").string());
    EXPECT_EQ(DumpNode(*SentenceToNode(*top)), "root{set[a=1\r\n2\r\n3\r\n4] row}");
    WriteFile(dir / "u.rt3", "s(x=\"open");
    EXPECT_EQ(DumpNode(*SentenceToNode(*ParseTemplateFile((dir / "u.rt3").string()))),
              "root{s[x=open\r\n]}");
}

TEST(ParseTemplateFile, FileNamesKeepEveryCharacter) {
    const TempDir dir;
    const std::filesystem::path name = dir.path() / u8"Ведомость ✓ü.rt3";
    WriteFile(name, "row(h=5);");
    EXPECT_EQ(ParseTemplateFile(name)->GetChild(0).Name, "row");
}

TEST(ParseTemplateFile, AFileThatCannotBeReadRaisesAFileError) {
    const TempDir dir;
    const std::string missing = (dir / "missing.rt3").string();
    try {
        ParseTemplateFile(missing);
        FAIL() << "no error";
    } catch (const EFileError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message, "Cannot open file \"" + missing + "\". No such file or directory");
    }
    EXPECT_THROW(ParseTemplateFile(dir.path().string()), EFileError);
}
