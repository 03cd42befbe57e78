// The geometry of page drawing as data: frame codes, dashes and dots,
// alignment insets, page numbers in texts, zoomed page rectangles, and the
// Base64 text of pictures.
#include "report/PageDrawingRules.h"
#include "report/Base64.h"

#include <gtest/gtest.h>

TEST(FrameCode, ShortCodesGetTheirLongForm) {
    EXPECT_EQ(NormalizedFrameCode("2"), "2b2b2b2b");
    EXPECT_EQ(NormalizedFrameCode("1203"), "1b2b0b3b");
    EXPECT_EQ(NormalizedFrameCode("abcd"), "abbbcbdb");
    // "0" and codes of other lengths stay as they are.
    EXPECT_EQ(NormalizedFrameCode("0"), "0");
    EXPECT_EQ(NormalizedFrameCode(""), "");
    EXPECT_EQ(NormalizedFrameCode("12"), "12");
    EXPECT_EQ(NormalizedFrameCode("1c2d3b4x"), "1c2d3b4x");
}

TEST(FrameCode, SidesAreReadFromCodesOfEightOrMoreCharacters) {
    const TFrameSides sides = FrameSides("1c0b9dxb");
    EXPECT_EQ(sides[0], (TFrameSide{1, 'c'}));
    EXPECT_EQ(sides[1], (TFrameSide{0, 'a'}));
    EXPECT_EQ(sides[2], (TFrameSide{9, 'd'}));
    EXPECT_EQ(sides[3], (TFrameSide{0, 'a'}));
    EXPECT_EQ(FrameSides("1b1b1b1"), TFrameSides{});
    EXPECT_EQ(FrameSides("2b2b2b2b-extra")[3], (TFrameSide{2, 'b'}));
    EXPECT_TRUE(IsDrawnSide({1, 'b'}));
    EXPECT_FALSE(IsDrawnSide({1, 'e'}));
    EXPECT_FALSE(IsDrawnSide({0, 'b'}));
}

TEST(FrameCode, DashesAndDotsFollowTheWidth) {
    std::string dashes;
    std::string dotsAcross;
    std::string dotsDown;
    for (int i = 0; i < 17; ++i) {
        dashes += IsFramePixel({1, 'c'}, i, true) ? '#' : '.';
        dotsAcross += IsFramePixel({1, 'd'}, i, true) ? '#' : '.';
        dotsDown += IsFramePixel({1, 'd'}, i, false) ? '#' : '.';
    }
    EXPECT_EQ(dashes, "#####...#####...#");
    EXPECT_EQ(dotsAcross, "#...#...#...#...#");
    EXPECT_EQ(dotsDown, "#..#..#..#..#..#.");
    // Width 2: period 16 for dashes, 8 across and 6 down for dots.
    EXPECT_TRUE(IsFramePixel({2, 'c'}, 16, true));
    EXPECT_FALSE(IsFramePixel({2, 'c'}, 8, true));
    EXPECT_TRUE(IsFramePixel({2, 'd'}, 8, true));
    EXPECT_TRUE(IsFramePixel({2, 'd'}, 6, false));
    EXPECT_EQ(FrameOverhang({1, 'b'}), 0);
    EXPECT_EQ(FrameOverhang({3, 'b'}), 1);
    EXPECT_EQ(FrameOverhang({4, 'b'}), 2);
}

TEST(PageContent, PageNumbersAreDrawnNotStored) {
    EXPECT_EQ(PageContent("{pagenumber}/{pagecount}", 2, 5), "2/5");
    EXPECT_EQ(PageContent("{pagenumber}{pagenumber} of {pagecount}", 12, 100), "1212 of 100");
    EXPECT_EQ(PageContent("{pagenumber", 2, 5), "{pagenumber");
    EXPECT_EQ(PageContent("{PAGENUMBER}", 2, 5), "{PAGENUMBER}");
}

TEST(AlignmentInsets, TextAgainstAnEdgeKeepsAPixelFromIt) {
    EXPECT_EQ(AlignmentInsets(1), (TAlignmentInsets{1, 1, -1, -1}));
    EXPECT_EQ(AlignmentInsets(2), (TAlignmentInsets{0, 1, 0, -1}));
    EXPECT_EQ(AlignmentInsets(3), (TAlignmentInsets{0, 1, -1, -1}));
    EXPECT_EQ(AlignmentInsets(4), (TAlignmentInsets{1, 0, -1, 0}));
    EXPECT_EQ(AlignmentInsets(5), TAlignmentInsets{});
    EXPECT_EQ(AlignmentInsets(6), (TAlignmentInsets{0, 0, -1, 0}));
    EXPECT_EQ(AlignmentInsets(7), (TAlignmentInsets{1, 0, -1, -1}));
    EXPECT_EQ(AlignmentInsets(9), (TAlignmentInsets{0, 0, -1, -1}));
    EXPECT_EQ(AlignmentInsets(0), TAlignmentInsets{});
    EXPECT_EQ(AlignmentInsets(10), TAlignmentInsets{});
    EXPECT_EQ(AlignmentInsets(-4), TAlignmentInsets{});
}

TEST(ZoomedPageRect, SizesAreZoomedInWholeMillimetresFirst) {
    // 210 x 75 div 100 = 157 mm, 628 pixels (not 630).
    EXPECT_EQ(ZoomedPageRect(210, 297, 75, 0, 0), (TPixelRect{8, 8, 636, 8 + 888}));
    EXPECT_EQ(ZoomedPageRect(210, 297, 100, -9, -9), (TPixelRect{-1, -1, 839, 1187}));
    EXPECT_EQ(ZoomedPageRect(297, 210, 200, 10, 20), (TPixelRect{18, 28, 18 + 2376, 28 + 1680}));
    EXPECT_EQ(ZoomedPageRect(210, 297, 0, 0, 0), (TPixelRect{8, 8, 8, 8}));
}

TEST(Base64, DecodingUndoesEncoding) {
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += static_cast<char>(i);
    }
    for (std::size_t size = 0; size <= 5; ++size) {
        EXPECT_EQ(Base64Decode(Base64Encode(bytes.substr(0, size))), bytes.substr(0, size));
    }
    EXPECT_EQ(Base64Decode(Base64Encode(bytes)), bytes);
    EXPECT_EQ(Base64Decode("TWFu\r\nTWE"), "ManMa");
    EXPECT_EQ(Base64Decode("TQ=="), "M");
}

TEST(Base64, ForeignCharactersAndLoneLettersAreRefused) {
    EXPECT_EQ(Base64Decode("TW!u"), std::nullopt);
    EXPECT_EQ(Base64Decode("TWFuT"), std::nullopt);
    EXPECT_EQ(Base64Decode("TQ==TQ=="), std::nullopt);
    EXPECT_EQ(Base64Decode("\xc0\xc1"), std::nullopt);
}
