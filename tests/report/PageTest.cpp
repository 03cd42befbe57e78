// Pages as data: creation by the report, size, orientation, page-level texts.
#include "ReportTestSupport.h"
#include "report/TReport3Page.h"

#include <gtest/gtest.h>

#include <functional>

using namespace report_test;

TEST(Page, GetPageCreatesTheMissingPagesWithTheirNumbers) {
    const auto report = MakeReport();
    report->SetPageNumbers(true);
    report->GetPage(1);
    const auto page = report->GetPage(3);
    EXPECT_EQ(report->PageCount(), 3);
    EXPECT_EQ(page->GetNumber(), 3);
    EXPECT_EQ(page->GetOrientation(), kOrientationPortrait);
    ASSERT_EQ(page->TextCount(), 1);
    const auto number = page->GetText(1);
    EXPECT_EQ(number->GetText(), "- страница 3 -");
    EXPECT_EQ(number->GetX(), Mm(95));
    EXPECT_EQ(number->GetY(), Mm(287));
    EXPECT_EQ(number->GetW(), Mm(30));
    EXPECT_EQ(number->GetOwner(), nullptr);
}

TEST(Page, OrientationSetsTheSizeAndMovesPageLevelTexts) {
    const auto report = MakeReport();
    report->SetPageNumbers(true);
    report->SetReportCode("code");
    const auto page = report->GetPage(1);
    page->SetOrientation(kOrientationLandscape);
    EXPECT_EQ(page->GetWidth(), 297);
    EXPECT_EQ(page->GetHeight(), 210);
    EXPECT_EQ(page->GetText(1)->GetX(), Mm(138));
    EXPECT_EQ(page->GetText(1)->GetY(), Mm(200));
    EXPECT_EQ(page->GetText(2)->GetX(), Mm(20));
    EXPECT_EQ(page->GetText(2)->GetY(), Mm(200));
    page->SetOrientation(7);
    EXPECT_EQ(page->GetWidth(), 297);
    page->SetOrientation(kOrientationUnset);
    EXPECT_EQ(page->GetHeight(), 297);
}

TEST(Page, OnlyTheFirstTwoTextsCanBePageLevel) {
    const auto report = MakeReport();
    const auto page = report->GetPage(1);
    page->AddText();
    page->AddText();
    const auto third = page->AddText();
    third->SetName("$pagenumber");
    page->SetOrientation(kOrientationLandscape);
    EXPECT_EQ(third->GetX(), 0);
}

TEST(Page, ChangesOfContentMarkTheImageStale) {
    const auto report = MakeReport();
    auto& page = dynamic_cast<TReport3Page&>(*report->GetPage(1));
    EXPECT_TRUE(page.IsStale()); // a new page has no image yet
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"AddText", [&] { page.AddText(); }},
        {"Clear", [&] { page.Clear(); }},
        {"Invalidate", [&] { page.Invalidate(); }},
        {"SetWidth", [&] { page.SetWidth(100); }},
        {"SetHeight", [&] { page.SetHeight(100); }},
        {"SetOrientation", [&] { page.SetOrientation(kOrientationLandscape); }},
    };
    for (const auto& [name, change] : changes) {
        page.MarkRendered();
        ASSERT_FALSE(page.IsStale());
        change();
        EXPECT_TRUE(page.IsStale()) << name;
    }
    EXPECT_EQ(page.TextCount(), 0);
    // Reading the page leaves the image as it is.
    page.MarkRendered();
    EXPECT_EQ(page.GetText(1), nullptr);
    EXPECT_EQ(page.GetWidth(), 297);
    EXPECT_FALSE(page.IsStale());
    EXPECT_THROW(page.Draw(nullptr, 100, 0, 0), EAppError);
    EXPECT_THROW(page.Print(), EAppError);
}

TEST(Page, PlacingOnAMissingPageIsAnError) {
    const auto report = MakeReport();
    const auto row = report->AddRow(Mm(5));
    row->AddCell("10");
    report->SetCurrentPage(0);
    EXPECT_THROW(row->PlaceAt(0, 0), EReportError);
    report->SetCurrentPage(2);
    row->PlaceAt(0, 0);
    EXPECT_EQ(report->PageCount(), 2);
    EXPECT_EQ(report->GetPage(2)->TextCount(), 1);
}
