// Build: page breaks, orientation, header and footer rows, page-level texts
// and the per-row error report.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

using namespace report_test;

namespace {

// A row of one 10 mm cell with that text.
std::shared_ptr<IReport3Row> AddTextRow(IReport3& report, TLength height, const std::string& text) {
    const auto row = report.AddRow(height);
    row->AddTextCell("10", text, "", 5);
    return row;
}

} // namespace

TEST(Build, AReportWithoutRowsMakesNoPages) {
    const auto report = MakeReport();
    report->Build();
    EXPECT_EQ(report->PageCount(), 0);
    EXPECT_TRUE(report->IsBuilt());
    EXPECT_EQ(report->GetCanvas(), nullptr);
}

TEST(Build, RowsFillThePageUpToTheBottomMarginExactly) {
    const auto report = MakeReport();
    AddTextRow(*report, Mm(100), "a");
    AddTextRow(*report, Mm(177), "b"); // ends at 277 mm: stays
    AddTextRow(*report, Mm(100), "c");
    AddTextRow(*report, Mm(177) + 1, "d"); // 277,0001 mm: next page
    report->Build();
    ASSERT_EQ(report->PageCount(), 3);
    EXPECT_EQ(TextContents(*report->GetPage(1)), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(TextContents(*report->GetPage(2)), (std::vector<std::string>{"c"}));
    EXPECT_EQ(TextContents(*report->GetPage(3)), (std::vector<std::string>{"d"}));
    const auto b = report->GetPage(1)->GetText(2);
    EXPECT_EQ(b->GetY(), Mm(110));
    EXPECT_EQ(b->GetX(), Mm(10));
    EXPECT_EQ(report->GetPage(3)->GetText(1)->GetY(), Mm(10));
}

TEST(Build, BuildingTwiceDoesNothing) {
    const auto report = MakeReport();
    AddTextRow(*report, Mm(5), "a");
    report->Build();
    report->Build();
    EXPECT_EQ(report->GetPage(1)->TextCount(), 1);
}

TEST(Build, APageFeedOnTheFirstRowLeavesOnlyTheFooterOnPageOne) {
    const auto report = MakeReport();
    report->GetFooterRow()->AddTextCell("50", "footer", "", 5);
    AddTextRow(*report, Mm(5), "a")->SetPageFeed(true);
    AddTextRow(*report, Mm(5), "b")->SetPageFeed(true);
    report->Build();
    ASSERT_EQ(report->PageCount(), 3);
    EXPECT_EQ(TextContents(*report->GetPage(1)), (std::vector<std::string>{"footer"}));
    EXPECT_EQ(TextContents(*report->GetPage(2)), (std::vector<std::string>{"footer", "a"}));
    EXPECT_EQ(TextContents(*report->GetPage(3)), (std::vector<std::string>{"footer", "b"}));
    EXPECT_EQ(report->GetPage(2)->GetText(1)->GetY(), Mm(287));
}

TEST(Build, ARowTallerThanThePageRunsPastTheBottomOfANewPage) {
    const auto report = MakeReport();
    AddTextRow(*report, Mm(300), "tall");
    AddTextRow(*report, Mm(5), "after");
    report->Build();
    ASSERT_EQ(report->PageCount(), 3);
    EXPECT_EQ(report->GetPage(1)->TextCount(), 0);
    EXPECT_EQ(TextContents(*report->GetPage(2)), (std::vector<std::string>{"tall"}));
    EXPECT_EQ(TextContents(*report->GetPage(3)), (std::vector<std::string>{"after"}));
}

TEST(Build, OrientationChangesBreakPagesAndStay) {
    const auto report = MakeReport();
    AddTextRow(*report, Mm(5), "p1");
    AddTextRow(*report, Mm(5), "p2")->SetOrientation(kOrientationPortrait);
    AddTextRow(*report, Mm(5), "l1")->SetOrientation(kOrientationLandscape);
    AddTextRow(*report, Mm(150), "l2");
    AddTextRow(*report, Mm(50), "l3"); // 205 mm on a 190 mm landscape page
    report->Build();
    EXPECT_EQ(report->GetRow(1)->GetOrientation(), kOrientationPortrait);
    ASSERT_EQ(report->PageCount(), 3);
    EXPECT_EQ(TextContents(*report->GetPage(1)), (std::vector<std::string>{"p1", "p2"}));
    EXPECT_EQ(TextContents(*report->GetPage(2)), (std::vector<std::string>{"l1", "l2"}));
    EXPECT_EQ(TextContents(*report->GetPage(3)), (std::vector<std::string>{"l3"}));
    for (const int number : {2, 3}) {
        const auto page = report->GetPage(number);
        EXPECT_EQ(page->GetOrientation(), kOrientationLandscape);
        EXPECT_EQ(page->GetWidth(), 297);
        EXPECT_EQ(page->GetHeight(), 210);
    }
    EXPECT_EQ(report->GetPage(1)->GetWidth(), 210);
}

TEST(Build, ALandscapeFirstRowMakesALandscapeFirstPage) {
    const auto report = MakeReport();
    report->GetFooterRow()->AddTextCell("50", "footer", "", 5);
    const auto row = report->AddRow(Mm(5));
    row->AddCell("50%");
    row->SetOrientation(kOrientationLandscape);
    report->Build();
    ASSERT_EQ(report->PageCount(), 1);
    const auto page = report->GetPage(1);
    EXPECT_EQ(page->GetWidth(), 297);
    EXPECT_EQ(page->GetText(1)->GetY(), Mm(200)); // the footer
    EXPECT_EQ(page->GetText(2)->GetW(), Mm(138.5));
}

TEST(Build, AnyCodeAboveTwoIsLandscapeAndDecidedOnce) {
    const auto report = MakeReport();
    report->GetFooterRow()->AddTextCell("50", "footer", "", 5);
    AddTextRow(*report, Mm(5), "a")->SetOrientation(3);
    AddTextRow(*report, Mm(5), "b");
    report->Build();
    ASSERT_EQ(report->PageCount(), 1);
    EXPECT_EQ(report->GetPage(1)->GetWidth(), 297);
    EXPECT_EQ(TextContents(*report->GetPage(1)), (std::vector<std::string>{"footer", "a", "b"}));
}

TEST(Build, HeaderRowsRepeatOnThePagesTheirRowsBegin) {
    const auto report = MakeReport();
    const auto header = AddTextRow(*report, Mm(10), "head");
    for (int i = 0; i < 30; ++i) {
        AddTextRow(*report, Mm(20), "body")->SetHeader(header);
    }
    AddTextRow(*report, Mm(200), "plain"); // begins a page but names no header
    report->Build();
    // 277 mm: the header and 13 rows, then the header and 13 rows each page.
    ASSERT_EQ(report->PageCount(), 4);
    const auto page1 = TextContents(*report->GetPage(1));
    EXPECT_EQ(page1.front(), "head");
    EXPECT_EQ(page1.size(), 14u);
    const auto page2 = TextContents(*report->GetPage(2));
    EXPECT_EQ(page2.front(), "head");
    EXPECT_EQ(page2.size(), 14u);
    EXPECT_EQ(report->GetPage(2)->GetText(2)->GetY(), Mm(20));
    const auto page3 = TextContents(*report->GetPage(3));
    EXPECT_EQ(page3.front(), "head");
    EXPECT_EQ(page3.size(), 5u);
    EXPECT_EQ(TextContents(*report->GetPage(4)), (std::vector<std::string>{"plain"}));
}

TEST(Build, ANewPageTakesItsHeaderRowBeforeTheFooterRow) {
    const auto report = MakeReport();
    report->GetFooterRow()->AddTextCell("50", "footer", "", 5);
    const auto header = AddTextRow(*report, Mm(10), "head");
    const auto body = AddTextRow(*report, Mm(5), "body");
    body->SetHeader(header);
    body->SetPageFeed(true);
    report->Build();
    const auto line = [](const char* y, const char* w, const char* h, const char* text) {
        return std::string("  <text x=\"10\" y=\"") + y + "\" w=\"" + w + "\" h=\"" + h +
               "\" text=\"" + text +
               "\" frame=\"\" font=\"Arial\" fontsize=\"10\" fontstyle=\"\" " + "align=\"5\"/>\r\n";
    };
    const std::string page = "<page orientation=\"portrait\">\r\n";
    EXPECT_EQ(report->GetPagesText(),
              page + line("287", "50", "5", "footer") + line("10", "10", "10", "head") + "</>\r\n" +
                  page + line("10", "10", "10", "head") + line("287", "50", "5", "footer") +
                  line("20", "10", "5", "body") + "</>\r\n");
}

TEST(Build, MarginsMoveRowsAndTheFooter) {
    const auto report = MakeReport();
    report->SetMargins({8, 12, 8, 15});
    report->GetFooterRow()->AddTextCell("50", "footer", "", 5);
    AddTextRow(*report, Mm(5), "a");
    report->Build();
    const auto texts = Texts(*report->GetPage(1));
    EXPECT_EQ(texts[0]->GetX(), Mm(8));
    EXPECT_EQ(texts[0]->GetY(), Mm(282));
    EXPECT_EQ(texts[1]->GetY(), Mm(12));
}

TEST(Build, PageLevelTextsComeFirstOnEveryPage) {
    const auto report = MakeReport();
    report->SetPageNumbers(true);
    report->SetReportCode("F-7");
    AddTextRow(*report, Mm(5), "a")->SetPageFeed(true);
    report->Build();
    ASSERT_EQ(report->PageCount(), 2);
    const auto texts = Texts(*report->GetPage(2));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0]->GetName(), "$pagenumber");
    EXPECT_EQ(texts[0]->GetText(), "- страница 2 -");
    EXPECT_EQ(texts[1]->GetName(), "$reportcode");
    EXPECT_EQ(texts[1]->GetFontSize(), 8);
    EXPECT_EQ(texts[1]->GetAlign(), 4);
    EXPECT_EQ(texts[1]->GetW(), Mm(100));
    EXPECT_EQ(texts[2]->GetText(), "a");
}

namespace {

// Measures like the fixed-metric canvas but fails on the text "boom".
class TFailingCanvas : public TFixedMetricCanvas {
public:
    std::int64_t MeasureWrappedHeight(std::string_view text, std::int64_t width) override {
        if (text == "boom") {
            throw EAppError("cannot measure");
        }
        return TFixedMetricCanvas::MeasureWrappedHeight(text, width);
    }
};

} // namespace

TEST(Build, RowsThatFailAreReportedAndTheBuildGoesOn) {
    const auto report =
        TReport3::Create({.MeasuringCanvas = [] { return std::make_unique<TFailingCanvas>(); }});
    std::vector<TBuildError> told;
    report->SetBuildErrorHandler([&](const TBuildError& error) { told.push_back(error); });
    AddTextRow(*report, Mm(5), "a");
    const auto bad = AddTextRow(*report, Mm(5), "boom");
    bad->GetCell(1)->SetAutoHeight(true);
    AddTextRow(*report, Mm(5), "c");
    report->Build();
    const std::vector<TBuildError> expected{{1, "cannot measure"}};
    EXPECT_EQ(report->GetBuildErrors(), expected);
    EXPECT_EQ(told, expected);
    EXPECT_EQ(TextContents(*report->GetPage(1)), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(report->GetPage(1)->GetText(2)->GetY(), Mm(15));
}

TEST(Build, ClearKeepsRowsAndTheBuiltFlag) {
    const auto report = MakeReport();
    AddTextRow(*report, Mm(5), "a");
    report->SetVariable("v", "1", false);
    report->Build();
    report->Clear();
    EXPECT_EQ(report->PageCount(), 0);
    EXPECT_EQ(report->RowCount(), 1);
    EXPECT_EQ(report->GetVariable("v"), "");
    EXPECT_TRUE(report->IsBuilt());
}
