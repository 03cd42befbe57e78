// The memory text values point into, and the compact values themselves.
#include "store/TextStore.h"
#include "store/Value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

static_assert(sizeof(TValue) == 16, "rows of a large table stay dense");

TEST(TextStore, TextsStayIntactAcrossManyBlocks) {
    TTextStore store;
    std::vector<std::string> texts;
    std::vector<std::string_view> kept;
    for (int i = 0; i < 3000; ++i) {
        // Short and long texts, some longer than a whole block.
        const std::size_t length = i % 500 == 0 ? 70000 + i : 1 + i % 97;
        texts.push_back(std::string(length, static_cast<char>('a' + i % 26)) + "Ж" +
                        std::to_string(i));
        kept.push_back(store.Add(texts.back()));
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(kept[i], texts[i]) << i;
    }
    EXPECT_TRUE(store.Add("").empty());
}

TEST(TextStore, CopiesShareWhatIsStoredAndFillBlocksOfTheirOwn) {
    auto original = std::make_unique<TTextStore>();
    const std::string_view first = original->Add("первый");
    TTextStore copy = *original;
    const std::string_view inCopy = copy.Add("copy");
    const std::string_view inOriginal = original->Add("original");
    EXPECT_EQ(inCopy, "copy");
    EXPECT_EQ(inOriginal, "original");
    original.reset();
    EXPECT_EQ(first, "первый"); // the copy keeps the shared block alive
    EXPECT_EQ(inCopy, "copy");

    TTextStore moved = std::move(copy);
    EXPECT_EQ(moved.Add("after the move"), "after the move");
    EXPECT_EQ(first, "первый");
}

TEST(TextStore, KeptMemoryLivesAsLongAsTheStore) {
    TTextStore store;
    auto text = std::make_shared<std::string>("a file's text, read in place");
    const std::string_view part = std::string_view(*text).substr(2, 4);
    store.Keep(std::move(text));
    EXPECT_EQ(part, "file");
    store.Clear();
    EXPECT_TRUE(store.Add("x") == "x");
}

TEST(Value, KindsAndEquality) {
    EXPECT_TRUE(TValue().IsEmpty());
    EXPECT_EQ(TValue(std::int64_t{-5}).Integer(), -5);
    EXPECT_EQ(TValue(2.5).Float(), 2.5);
    const std::string a = "Текст", b = "Текст";
    EXPECT_EQ(TValue(std::string_view(a)), TValue(std::string_view(b)));
    EXPECT_NE(TValue(std::string_view(a)), TValue(std::string_view(a).substr(1)));
    EXPECT_NE(TValue(std::int64_t{1}), TValue(1.0));
    EXPECT_NE(TValue(std::int64_t{1}), TValue(std::int64_t{2}));
    EXPECT_EQ(TValue(), TValue());
    EXPECT_EQ(TValue(std::string_view()).Kind(), TValue::TKind::Text);
}
