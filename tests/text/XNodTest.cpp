#include "text/XNod.h"
#include "support/TestSupport.h"
#include "text/Errors.h"
#include "text/Paths.h"

#include <gtest/gtest.h>

#include <string>

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::W;
using testing_support::WriteFile;

namespace {

// The message of the error of type E the call raises, or "" when none.
template <typename E, typename Call> std::string ErrorOf(Call call) {
    try {
        call();
    } catch (const E& e) {
        return e.what();
    }
    return {};
}

std::string ParseErrorOf(std::string_view text) {
    TXNod root;
    return ErrorOf<EParseError>([&] { root.LoadFromText(text); });
}

// Every byte a value may hold, ending with CR LF line breaks and a lone CR.
std::string AllBytes() {
    std::string value;
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n')
            value += static_cast<char>(c);
    return std::string(1, '\0') + value + "\r\nline\r\n\rend";
}

} // namespace

TEST(XNodTest, WritesTheEarnSourceFileExactly) {
    TXNod root;
    TXNod& source = root.Section(W(u8"Источники")).AddSection("1");
    source.SetAttribute(W(u8"Наименование"), W(u8"Торговая выручка"));
    source.SetAttribute(W(u8"Символ"), "02");
    const std::string expected = W(u8"Источники {\r\n"
                                   u8"  1 {\r\n"
                                   u8"    Наименование='Торговая выручка'\r\n"
                                   u8"    Символ='02'\r\n"
                                   u8"  }\r\n"
                                   u8"}\r\n");
    EXPECT_EQ(root.SaveToText(), expected);

    TempDir dir;
    root.SaveToFile(dir / "Data.txt");
    EXPECT_EQ(ReadFile(dir / "Data.txt"), expected);
    EXPECT_EQ(TXNod().SaveToText(), "");
}

TEST(XNodTest, EscapesEveryControlCharacterQuoteBackslashAndTilde) {
    EXPECT_EQ(TXNod::EscapeValue(std::string("\0\x01\x08\t\n\x0B\x0C\x0E\x1F", 9)),
              "\\0\\1\\8\\t\\n\\B\\C\\E\\V");
    EXPECT_EQ(TXNod::EscapeValue("it's a\\b ~"), "it\\'s a\\\\b \\Z");
    EXPECT_EQ(TXNod::EscapeValue("a\r\nb"), "a\\nb");
    EXPECT_EQ(TXNod::EscapeValue("a\rb\r"), "a\\rb\\r");

    EXPECT_EQ(TXNod::UnescapeValue("\\0\\9\\A\\V\\Z\\n\\r\\t\\q\\\\\\'"),
              std::string("\0\t\x0A\x1F~\r\n\r\tq\\'", 12));
    EXPECT_EQ(TXNod::UnescapeValue("plain\\"), "plain\\");
    EXPECT_EQ(TXNod::UnescapeValue("a\nb"), "a\nb");
}

TEST(XNodTest, TreeSurvivesWritingAndReading) {
    TXNod root;
    root.SetAttribute("top", "it's \\ ~ 'quoted'");
    root.SetAttribute("all", AllBytes());
    TXNod& first = root.AddSection("twin");
    first.SetAttribute("n", "1");
    first.AddSection(W(u8"вложенный")).AddSection("-_09AZaz").SetAttribute("empty", "");
    root.AddSection("twin").SetAttribute("n", "2");

    TXNod copy;
    copy.LoadFromText(root.SaveToText());
    EXPECT_EQ(copy.SaveToText(), root.SaveToText());
    ASSERT_EQ(copy.AttributeCount(), 2);
    EXPECT_EQ(copy.AttributeByIndex(0).Name, "top");
    EXPECT_EQ(copy.GetAttribute("top"), "it's \\ ~ 'quoted'");
    EXPECT_EQ(copy.GetAttribute("all"), AllBytes());
    ASSERT_EQ(copy.SectionCount(), 2);
    EXPECT_EQ(copy.SectionByIndex(0).GetAttribute("n"), "1");
    EXPECT_EQ(copy.SectionByIndex(1).GetAttribute("n"), "2");
    const TXNod& inner = copy.SectionByIndex(0).SectionByIndex(0);
    EXPECT_EQ(inner.Name, W(u8"вложенный"));
    EXPECT_EQ(inner.Parent(), &copy.SectionByIndex(0));
    EXPECT_EQ(inner.SectionByIndex(0).Name, "-_09AZaz");
    EXPECT_TRUE(inner.SectionByIndex(0).HasAttribute("empty"));

    // A lone line feed is read back as a line break of the system.
    root.SetAttribute("lf", "a\nb");
    TXNod again;
    again.LoadFromText(root.SaveToText());
    EXPECT_EQ(again.GetAttribute("lf"), "a\r\nb");
}

// Names are not limited to name characters: the writer quotes the others,
// so that what it writes reads back as the same tree, and a later start does
// not set the file aside as unreadable.
TEST(XNodTest, AnyNameSurvivesWritingAndReading) {
    const std::string names[] = {W(u8"Торговая выручка {"),
                                 "",
                                 " ",
                                 "{",
                                 "}",
                                 "a=b",
                                 "'",
                                 "\"",
                                 "\\",
                                 "~",
                                 "#not a comment",
                                 "//",
                                 "two\r\nlines",
                                 "lone\nfeed",
                                 "lone\rreturn",
                                 std::string("\0\t\x1F", 3),
                                 W(u8"Ёлка"),
                                 "end\\"};
    TXNod root;
    TXNod* section = &root;
    for (const std::string& name : names) {
        root.SetAttribute(name, name);
        section = &section->AddSection(name);
        section->SetAttribute(name, "v");
    }
    const std::string text = root.SaveToText();
    TXNod copy;
    ASSERT_EQ(ParseErrorOf(text), "");
    copy.LoadFromText(text);
    EXPECT_EQ(copy.SaveToText(), text);
    ASSERT_EQ(copy.AttributeCount(), static_cast<int>(std::size(names)));
    const TXNod* read = &copy;
    for (int i = 0; i < static_cast<int>(std::size(names)); ++i) {
        EXPECT_EQ(copy.AttributeByIndex(i).Name, names[i]);
        ASSERT_EQ(read->SectionCount(), 1) << i;
        read = &read->SectionByIndex(0);
        EXPECT_EQ(read->Name, names[i]);
        ASSERT_EQ(read->AttributeCount(), 1);
        EXPECT_EQ(read->AttributeByIndex(0).Name, names[i]);
    }
    EXPECT_EQ(read->SectionCount(), 0);
}

TEST(XNodTest, OnlyNamesThatNeedItAreQuoted) {
    EXPECT_EQ(TXNod::EscapeName(W(u8"Наименование")), W(u8"Наименование"));
    EXPECT_EQ(TXNod::EscapeName("-_09AZaz"), "-_09AZaz");
    EXPECT_EQ(TXNod::EscapeName(""), "''");
    EXPECT_EQ(TXNod::EscapeName("a b"), "'a b'");
    EXPECT_EQ(TXNod::EscapeName("it's\\~"), "'it\\'s\\\\\\Z'");
    EXPECT_EQ(TXNod::EscapeName("\t\r\n"), "'\\9\\D\\A'");

    TXNod root;
    root.LoadFromText("'a b' { 'c d'='e f' }\r\n");
    ASSERT_EQ(root.SectionCount(), 1);
    EXPECT_EQ(root.SectionByIndex(0).Name, "a b");
    EXPECT_EQ(root.SectionByIndex(0).GetAttribute("c d"), "e f");
}

TEST(XNodTest, ReadsHandWrittenForms) {
    TXNod root;
    root.LoadFromText("# comment\r\n"
                      "a = value  // after a value\r\n"
                      "b='quoted' c=x\\ y d='it\\'s'\r\n"
                      "e=stop' f\t=\tone//two\n"
                      "s {\r\n"
                      "} s { t=1 }\r\n"
                      "g='no closing quote");
    EXPECT_EQ(root.SaveToText(), "a='value'\r\n"
                                 "b='quoted'\r\n"
                                 "c='x y'\r\n"
                                 "d='it\\'s'\r\n"
                                 "e='stop'\r\n"
                                 "f='one//two'\r\n"
                                 "g='no closing quote'\r\n"
                                 "s {\r\n"
                                 "}\r\n"
                                 "s {\r\n"
                                 "  t='1'\r\n"
                                 "}\r\n");
}

TEST(XNodTest, TextEndingInsideAnItemCreatesNothing) {
    for (const char* text :
         {"", "\r\n", "# only a comment", "name =", "name = ", "name {", "name", "ab", "x}"}) {
        TXNod root;
        root.LoadFromText(text);
        EXPECT_EQ(root.SaveToText(), "") << text;
    }
    // A name closed by "}" is tolerated only as the very last character.
    TXNod root;
    root.LoadFromText("a }x");
    EXPECT_EQ(root.SaveToText(), "");
}

TEST(XNodTest, LoadingAddsToExistingContents) {
    TXNod root;
    root.SetAttribute("a", "old");
    root.SetAttribute("b", "kept");
    root.AddSection("s");
    root.LoadFromText("a='new' c=3 s {}");
    EXPECT_EQ(root.SaveToText(), "a='new'\r\nb='kept'\r\nc='3'\r\ns {\r\n}\r\ns {\r\n}\r\n");
}

TEST(XNodTest, ErrorsGiveLineAndColumn) {
    // Tabs count 8 columns; only carriage returns count lines.
    EXPECT_EQ(ParseErrorOf("a\tb=1"),
              W(u8"Ошибка обработки выражения в строке 1 символ 10: Недопустимый символ"));
    EXPECT_EQ(
        ParseErrorOf("\n\n\r\n#c\r\n  ?xy"),
        W(u8"Ошибка обработки выражения в строке 3 символ 3: Требуется имя параметра или раздела"));
    // The opening quote takes no column, the closing one does.
    EXPECT_EQ(
        ParseErrorOf("a='xy' ?zz"),
        W(u8"Ошибка обработки выражения в строке 1 символ 7: Требуется имя параметра или раздела"));
    EXPECT_EQ(ParseErrorOf("a }xy"),
              W(u8"Ошибка обработки выражения в строке 1 символ 4: Недопустимый символ"));
    // The extra brace is reported after the blanks that follow it.
    EXPECT_EQ(
        ParseErrorOf("s{}}  "),
        W(u8"Ошибка обработки выражения в строке 1 символ 7: Лишняя закрывающая скобка \"}\""));
}

TEST(XNodTest, WhatWasReadBeforeAnErrorStays) {
    TXNod root;
    EXPECT_NE(ErrorOf<EParseError>([&] { root.LoadFromText("a=1 s { b=2 } } c=3"); }), "");
    EXPECT_EQ(root.SaveToText(), "a='1'\r\ns {\r\n  b='2'\r\n}\r\n");
}

TEST(XNodTest, LoadingIntoASectionNeverClimbsAboveIt) {
    TXNod root;
    TXNod& section = root.AddSection("s");
    EXPECT_EQ(
        ErrorOf<EParseError>([&] { section.LoadFromText("} a=1"); }),
        W(u8"Ошибка обработки выражения в строке 1 символ 3: Лишняя закрывающая скобка \"}\""));
    EXPECT_EQ(root.AttributeCount(), 0);
}

TEST(XNodTest, FileLinesReadAlikeWhateverTheirBreaks) {
    TempDir dir;
    // A name Windows-1251 has no letter for is still read; the message
    // shows it as near as it can.
    const std::filesystem::path fileName = dir.path() / u8"Данные-✓.txt";
    const std::string expected = W(u8"Файл \"") + PathToText(fileName) +
                                 W(u8"\" строка 5 символ 1: Лишняя закрывающая скобка \"}\"");
    // The last line has no break of its own: it is still a line.
    for (const char* bytes : {"a=1\nb {\n}\n}", "a=1\r\nb {\r\n}\r\n}\r\n", "a=1\rb {\r}\r}\r"}) {
        WriteFile(fileName, bytes);
        TXNod root;
        EXPECT_EQ(ErrorOf<EParseError>([&] { root.LoadFromFile(fileName); }), expected);
        EXPECT_EQ(root.SaveToText(), "a='1'\r\nb {\r\n}\r\n");
    }
    WriteFile(fileName, "x='1'");
    EXPECT_EQ(TXNod(fileName).GetAttribute("x"), "1");
    EXPECT_THROW(TXNod(dir / "missing.txt"), EFileError);
}

TEST(XNodTest, LookupsAndTheirMessages) {
    TXNod root;
    TXNod& s = root.AddSection("s");
    s.SetAttribute("a", "1");
    s.SetAttribute("b", "2");
    s.SetAttribute("a", "3");
    EXPECT_EQ(s.AttributeByIndex(0).Value, "3");
    EXPECT_EQ(s.AttributeCount(), 2);
    EXPECT_EQ(s.GetAttributeDef("b", "d"), "2");
    EXPECT_EQ(s.GetAttributeDef("B", "d"), "d");
    EXPECT_FALSE(s.HasAttribute("A"));
    EXPECT_EQ(&root.Section("s"), &s);
    EXPECT_EQ(&root.SectionByIndex(0), &s);

    EXPECT_EQ(ErrorOf<EAppError>([&] { root.SectionByIndex(1); }),
              W(u8"Раздел с номером 1 не найден"));
    EXPECT_EQ(ErrorOf<EAppError>([&] { root.SectionByIndex(-1); }),
              W(u8"Раздел с номером -1 не найден"));
    EXPECT_EQ(ErrorOf<EAppError>([&] { s.AttributeByIndex(2); }),
              W(u8"Атрибут с номером 2 в разделе \"s\" не найден"));
    EXPECT_EQ(ErrorOf<EAppError>([&] { s.GetAttribute("c"); }),
              W(u8"Атрибут \"c\" в разделе \"s\" не найден"));
    EXPECT_EQ(ErrorOf<EAppError>([&] { root.DeleteSection(1); }),
              W(u8"Раздел с номером 1 не найден"));

    root.Section("new").AddSection("child").AddSection("grandchild");
    EXPECT_EQ(root.SectionCount(), 2);
    root.DeleteSection(0);
    ASSERT_EQ(root.SectionCount(), 1);
    EXPECT_EQ(root.SectionByIndex(0).Name, "new");
}

TEST(XNodTest, DeepChainSavesLoadsAndFreesWithoutRecursion) {
    constexpr int kDepth = 100000;
    TXNod root;
    TXNod* node = &root;
    for (int i = 0; i < kDepth; ++i)
        node = &node->AddSection("s");
    node->SetAttribute("leaf", "1");

    TempDir dir;
    root.SaveToFile(dir / "deep.txt");
    TXNod copy(dir / "deep.txt");
    const TXNod* reached = &copy;
    int depth = 0;
    while (reached->SectionCount() == 1) {
        reached = &reached->SectionByIndex(0);
        ++depth;
    }
    EXPECT_EQ(depth, kDepth);
    EXPECT_EQ(reached->GetAttribute("leaf"), "1");
    root.DeleteSection(0);
}
