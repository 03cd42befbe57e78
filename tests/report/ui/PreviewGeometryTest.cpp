// The preview's arithmetic: zoom captions, the page-count words, scroll
// ranges, the page text under the pointer and the form a name saves in.
#include "report/ui/PreviewGeometry.h"
#include "PreviewTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace preview_test;
using testing_support::W;

TEST(PreviewZoom, CaptionWithoutItsLastCharacterIsTheZoom) {
    EXPECT_EQ(ZoomFromCaption("500%"), 500);
    EXPECT_EQ(ZoomFromCaption("10%"), 10);
    EXPECT_EQ(ZoomFromCaption("125%"), 125);
    for (const char* caption : kZoomCaptions) {
        EXPECT_GT(ZoomFromCaption(caption), 0) << caption;
    }
}

TEST(PreviewZoom, UnreadableOrNonPositiveCaptionGivesHundred) {
    for (const char* caption : {"", "%", "abc%", "1 0%", "0%", "-50%", "99999999999%"}) {
        EXPECT_EQ(ZoomFromCaption(caption), 100) << caption;
    }
    // Whatever the last character is, it is dropped.
    EXPECT_EQ(ZoomFromCaption("50"), 5);
}

TEST(PreviewLabel, PageCountWordAgreesWithTheNumber) {
    const auto message = [](std::int32_t count) { return PageCountMessage(count); };
    EXPECT_EQ(message(1), W(u8"Документ содержит 1 страницу"));
    EXPECT_EQ(message(21), W(u8"Документ содержит 21 страницу"));
    EXPECT_EQ(message(101), W(u8"Документ содержит 101 страницу"));
    EXPECT_EQ(message(11), W(u8"Документ содержит 11 страниц"));
    EXPECT_EQ(message(111), W(u8"Документ содержит 111 страниц"));
    EXPECT_EQ(message(2), W(u8"Документ содержит 2 страницы"));
    EXPECT_EQ(message(4), W(u8"Документ содержит 4 страницы"));
    EXPECT_EQ(message(22), W(u8"Документ содержит 22 страницы"));
    EXPECT_EQ(message(12), W(u8"Документ содержит 12 страниц"));
    EXPECT_EQ(message(5), W(u8"Документ содержит 5 страниц"));
    EXPECT_EQ(message(0), W(u8"Документ содержит 0 страниц"));
}

TEST(PreviewScroll, RangesAtFullSize) {
    const auto report = MakePages(2);
    // Two A4 pages of 1188 pixels and a gap of 8 each; a landscape page is 1188 across.
    EXPECT_EQ(ComputeScrollRanges(*report, 100, 1024, 768), (TScrollRanges{196, 1680}));
}

TEST(PreviewScroll, ScaledSizesAreCutToWholeMillimetres) {
    const auto report = MakePages(1);
    // 297 * 75 div 100 = 222 mm, 888 pixels, both ways.
    EXPECT_EQ(ZoomedPagePixels(297, 75), 888);
    EXPECT_EQ(ZoomedPagePixels(210, 75), 628);
    EXPECT_EQ(ComputeScrollRanges(*report, 75, 800, 600), (TScrollRanges{120, 352}));
}

TEST(PreviewScroll, NoRangeWhenEverythingFits) {
    const auto report = MakePages(1);
    EXPECT_EQ(ComputeScrollRanges(*report, 50, 1920, 1080), (TScrollRanges{0, 0}));
    // The pages take 1196 pixels: the vertical range starts at a client 48 lower.
    EXPECT_EQ(ComputeScrollRanges(*report, 100, 1920, 1245).Vertical, 0);
    EXPECT_EQ(ComputeScrollRanges(*report, 100, 1920, 1244).Vertical, 8);
}

TEST(PreviewScroll, LandscapePagesAddTheirOwnHeight) {
    const auto report = MakePages(2);
    report->GetPage(2)->SetOrientation(kOrientationLandscape);
    // 1196 + (840 + 8) - 1000 + 56.
    EXPECT_EQ(ComputeScrollRanges(*report, 100, 1000, 1000).Vertical, 1100);
}

TEST(PreviewHit, FirstNonEmptyTextInListOrderUnderThePointer) {
    const auto report = MakePages(1);
    const auto empty = AddText(*report, 1, 10, 10, 50, 10, "");
    const auto first = AddText(*report, 1, 10, 10, 50, 10, "A");
    const auto second = AddText(*report, 1, 20, 12, 50, 10, "B");
    // (30 mm, 15 mm) is in all three: pixel 8 + 120, 8 + 60.
    auto hit = FindTextAt(*report, 100, 0, 0, 128, 68);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Text, first);
    EXPECT_EQ(hit->Page, report->GetPage(1));
    // Only the second reaches 65 mm.
    hit = FindTextAt(*report, 100, 0, 0, 8 + 4 * 65, 68);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Text, second);
}

TEST(PreviewHit, EmptyTextIsNeverHit) {
    const auto report = MakePages(1);
    AddText(*report, 1, 10, 10, 50, 10, "");
    EXPECT_FALSE(FindTextAt(*report, 100, 0, 0, 100, 60));
}

TEST(PreviewHit, RightAndBottomEdgesAreOutside) {
    const auto report = MakePages(1);
    AddText(*report, 1, 10, 10, 50, 10, "A");
    // The box runs from (48, 48) to (248, 88), excluded.
    EXPECT_TRUE(FindTextAt(*report, 100, 0, 0, 48, 48));
    EXPECT_TRUE(FindTextAt(*report, 100, 0, 0, 247, 87));
    EXPECT_FALSE(FindTextAt(*report, 100, 0, 0, 248, 60));
    EXPECT_FALSE(FindTextAt(*report, 100, 0, 0, 100, 88));
    EXPECT_FALSE(FindTextAt(*report, 100, 0, 0, 47, 60));
}

TEST(PreviewHit, ScrolledZoomedAndOnLaterPages) {
    const auto report = MakePages(2);
    AddText(*report, 1, 100, 100, 10, 10, "first page");
    const auto later = AddText(*report, 2, 10, 10, 10, 10, "second page");
    // Page 2 starts 1188 + 8 lower; scrolled by (20, 1000).
    auto hit = FindTextAt(*report, 100, 20, 1000, 8 + 40 - 20 + 1, 8 + 1196 + 40 - 1000 + 1);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Text, later);
    EXPECT_EQ(hit->Page, report->GetPage(2));
    // At 50 % the text's edges are scaled exactly: 12.5 mm is 25 pixels.
    const auto report2 = MakePages(1);
    AddText(*report2, 1, 12.5, 12.5, 1, 1, "small");
    EXPECT_TRUE(FindTextAt(*report2, 50, 0, 0, 8 + 25, 8 + 25));
    EXPECT_FALSE(FindTextAt(*report2, 50, 0, 0, 8 + 24, 8 + 25));
}
