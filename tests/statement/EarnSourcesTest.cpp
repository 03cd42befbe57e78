// The earn-source list on the section tree.
#include "statement/EarnSources.h"

#include <gtest/gtest.h>

namespace {

std::string Captions(TXNod& root) {
    std::string text;
    for (const TEarnSource& source : BuildEarnSourceList(root)) {
        text += EarnSourceCaption(source) + "|";
    }
    return text;
}

} // namespace

TEST(EarnSources, AnEmptyTreeIsSeededWithTheDefaultSource) {
    TXNod root;
    EXPECT_EQ(Captions(root), "02. Торговая выручка|");
    EXPECT_EQ(root.SaveToText(), "Источники {\r\n  1 {\r\n    Наименование='Торговая выручка'\r\n"
                                 "    Символ='02'\r\n  }\r\n}\r\n");
    EXPECT_EQ(Captions(root), "02. Торговая выручка|"); // seeded once
}

TEST(EarnSources, AddChangeAndDeleteWorkByPosition) {
    TXNod root;
    BuildEarnSourceList(root);
    AddEarnSource(root, "Прочие", "5");
    AddEarnSource(root, "Аренда", "005");
    EXPECT_EQ(Captions(root), "02. Торговая выручка|5. Прочие|005. Аренда|");
    ASSERT_TRUE(DeleteEarnSource(root, 1));
    EXPECT_FALSE(DeleteEarnSource(root, 2));
    // Named by the count plus one, the new source repeats the name "3".
    AddEarnSource(root, "Новый", "7");
    TXNod& section = root.SectionByIndex(0);
    EXPECT_EQ(section.SectionByIndex(1).Name, "3");
    EXPECT_EQ(section.SectionByIndex(2).Name, "3");
    ChangeEarnSource(root, 0, "Выручка", "01");
    ChangeEarnSource(root, 9, "Нет", "1");
    EXPECT_EQ(Captions(root), "01. Выручка|005. Аренда|7. Новый|");
    EXPECT_EQ(section.SectionByIndex(0).AttributeByIndex(0).Name, "Наименование");
}

TEST(EarnSources, MissingAttributesReadAsEmpty) {
    TXNod root;
    root.AddSection("Источники").AddSection("1");
    EXPECT_EQ(Captions(root), ". |");
}

TEST(EarnSources, InputChecks) {
    for (const char* symbol : {"5", "02", "005", "999"}) {
        EXPECT_TRUE(IsValidEarnSourceSymbol(symbol)) << symbol;
    }
    for (const char* symbol : {"", "0", "00", "000", "1000", "-1", " 1", "$1", "1a"}) {
        EXPECT_FALSE(IsValidEarnSourceSymbol(symbol)) << symbol;
    }
    EXPECT_FALSE(HasForbiddenNameCharacter("Торговая выручка (2)"));
    for (const char* name : {"a&b", "a'b", "<", ">", "^", "~"}) {
        EXPECT_TRUE(HasForbiddenNameCharacter(name)) << name;
    }
}
