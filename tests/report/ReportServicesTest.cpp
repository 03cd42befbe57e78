// What the report asks of the program's services: page images made once per
// change, drawing and printing through them, the preview after a build,
// charts stored as pictures, and the archive of page images.
#include "ReportTestSupport.h"
#include "report/Base64.h"
#include "report/PageImageArchive.h"
#include "report/TReport3Page.h"
#include "support/TestSupport.h"
#include "text/Errors.h"
#include "text/Paths.h"

#include <gtest/gtest.h>

#include <cstddef>

using namespace report_test;

namespace {

// A page image that remembers which drawing of the page it is.
struct TCountedImage : IPageImage {
    explicit TCountedImage(int serial) : Serial(serial) {}
    int Serial;
};

// Services that record what the report asked of them.
struct TRecorder {
    int Renders = 0;
    std::vector<int> Drawn;
    std::vector<int> Printed;
    std::vector<std::string> Saved;
    int Previews = 0;
    bool BuiltBeforePreview = false;
    TChartRequest Chart;
    // SaveMetafile raises for this page number.
    int FailingPage = 0;

    TReportServices Services() {
        TReportServices services;
        services.MeasuringCanvas = FixedMetricCanvasFactory();
        services.RenderPage = [this](IReport3Page&) {
            return std::make_shared<const TCountedImage>(++Renders);
        };
        services.DrawPage = [this](const IPageImage& image, IReport3Canvas&, std::int32_t,
                                   std::int32_t, std::int32_t) {
            Drawn.push_back(dynamic_cast<const TCountedImage&>(image).Serial);
        };
        services.PrintPage = [this](const IPageImage& image) {
            Printed.push_back(dynamic_cast<const TCountedImage&>(image).Serial);
        };
        services.SaveMetafile = [this](IReport3Page& page, const std::string& fileName) {
            Saved.push_back(fileName);
            if (page.GetNumber() == FailingPage) {
                throw EFileError("disk full");
            }
            testing_support::WriteFile(PathFromText(fileName),
                                       "page " + std::to_string(page.GetNumber()));
        };
        services.DrawChart = [this](const TChartRequest& chart) {
            Chart = chart;
            return std::string("\x01\x00\x00\x00", 4);
        };
        services.Preview = [this](IReport3& report) {
            ++Previews;
            BuiltBeforePreview = dynamic_cast<TReport3&>(report).IsBuilt();
        };
        return services;
    }
};

// Any non-null canvas: the recorder never looks at it.
IReport3Canvas* SomeCanvas() {
    static std::max_align_t place;
    return reinterpret_cast<IReport3Canvas*>(&place);
}

} // namespace

TEST(PageImage, IsDrawnOncePerChangeAndReplayedOtherwise) {
    TRecorder recorder;
    const auto report = TReport3::Create(recorder.Services());
    const auto page = report->GetPage(1);
    page->Draw(SomeCanvas(), 100, 0, 0);
    page->Draw(SomeCanvas(), 75, 10, 10);
    page->Print();
    EXPECT_EQ(recorder.Renders, 1);
    // Changing a page text through its own interface leaves the image alone
    // until someone invalidates the page.
    const auto text = page->AddText();
    page->Draw(SomeCanvas(), 100, 0, 0);
    text->SetText("changed");
    page->Draw(SomeCanvas(), 100, 0, 0);
    page->Invalidate();
    page->Draw(nullptr, 100, 0, 0);
    page->SetOrientation(kOrientationLandscape);
    page->Draw(SomeCanvas(), 100, 0, 0);
    EXPECT_EQ(recorder.Drawn, (std::vector<int>{1, 1, 2, 2, 4}));
    EXPECT_EQ(recorder.Printed, (std::vector<int>{1, 3}));
}

TEST(PageImage, WithoutServicesTheOperationsSaySoByName) {
    const auto report = MakeReport();
    const auto page = report->GetPage(1);
    const auto message = [&](auto operation) {
        try {
            operation();
        } catch (const EReportError& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_EQ(message([&] { page->Draw(SomeCanvas(), 100, 0, 0); }),
              "Операция \"Draw\" недоступна в этой сборке");
    EXPECT_EQ(message([&] { page->Print(); }), "Операция \"Print\" недоступна в этой сборке");
    EXPECT_EQ(message([&] { page->SaveToMetafile("x.emf"); }),
              "Операция \"SaveToMetafile\" недоступна в этой сборке");
    EXPECT_EQ(message([&] { report->Preview(); }), "Операция \"Preview\" недоступна в этой сборке");
    EXPECT_EQ(message([&] {
                  report->AddRow(Mm(5))->AddCell("10")->AddText()->DrawChart({"a"}, 0, {}, 0, {1});
              }),
              "Операция \"DrawChart\" недоступна в этой сборке");
}

TEST(Preview, BuildsFirstThenShows) {
    TRecorder recorder;
    const auto report = TReport3::Create(recorder.Services());
    report->AddRow(Mm(5))->AddCell("10");
    report->Preview();
    EXPECT_EQ(recorder.Previews, 1);
    EXPECT_TRUE(recorder.BuiltBeforePreview);
    EXPECT_EQ(report->PageCount(), 1);
}

TEST(DrawChart, StoresThePictureAtTenPixelsPerMillimetre) {
    TRecorder recorder;
    const auto report = TReport3::Create(recorder.Services());
    const auto text = report->AddRow(Mm(5))->AddCell("10")->AddText();
    text->SetW(Mm(40.05));
    text->SetH(Mm(30));
    text->DrawChart({"a", "b"}, 1, {"s1", "s2"}, 1, {1, 2, 3, 4});
    EXPECT_EQ(text->GetText(), "!EMF" + Base64Encode(std::string("\x01\x00\x00\x00", 4)));
    EXPECT_EQ(recorder.Chart.Width, 400);
    EXPECT_EQ(recorder.Chart.Height, 300);
    EXPECT_EQ(recorder.Chart.Kind, 1);
    EXPECT_EQ(recorder.Chart.Values, (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(recorder.Chart.SeriesNames, (std::vector<std::string>{"s1", "s2"}));

    // Values that are no whole run per label draw nothing.
    text->SetText("kept");
    text->DrawChart({"a", "b"}, 0, {}, 0, {1, 2, 3});
    text->DrawChart({}, 0, {}, 0, {});
    EXPECT_EQ(text->GetText(), "kept");
}

TEST(PageImageArchive, MembersArePagesInOrderAndTheScratchFilesGo) {
    TRecorder recorder;
    const auto report = TReport3::Create(recorder.Services());
    report->GetPage(3);
    const testing_support::TempDir dir;
    report->ExportPageImages((dir / "pages.zip").string());
    ASSERT_EQ(recorder.Saved.size(), 3U);
    const std::filesystem::path scratch = std::filesystem::path(recorder.Saved[0]).parent_path();
    EXPECT_NE(scratch, dir.path());
    EXPECT_EQ(recorder.Saved[2], (scratch / "Page_003.emf").string());
    EXPECT_FALSE(std::filesystem::exists(scratch));

    const std::string archive = testing_support::ReadFile(dir / "pages.zip");
    const std::size_t first = archive.find("Page_001.emf");
    const std::size_t second = archive.find("Page_002.emf");
    const std::size_t third = archive.find("Page_003.emf");
    ASSERT_NE(third, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    EXPECT_LT(archive.find("page 1"), archive.find("page 2"));
    EXPECT_NE(archive.find("page 3"), std::string::npos);
}

TEST(PageImageArchive, AFailingPageLeavesNoFilesAndNoArchive) {
    TRecorder recorder;
    recorder.FailingPage = 2;
    const auto report = TReport3::Create(recorder.Services());
    report->GetPage(3);
    const testing_support::TempDir dir;
    EXPECT_THROW(report->ExportPageImages((dir / "pages.zip").string()), EFileError);
    ASSERT_EQ(recorder.Saved.size(), 2U);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(recorder.Saved[0]).parent_path()));
    EXPECT_FALSE(std::filesystem::exists(dir / "pages.zip"));
}

TEST(PageImageArchive, NamesHaveAtLeastThreeDigits) {
    EXPECT_EQ(PageImageName(1), "Page_001.emf");
    EXPECT_EQ(PageImageName(42), "Page_042.emf");
    EXPECT_EQ(PageImageName(1000), "Page_1000.emf");
}

TEST(PageImageArchive, AReportWithoutPagesGivesAnEmptyArchive) {
    TRecorder recorder;
    const auto report = TReport3::Create(recorder.Services());
    const testing_support::TempDir dir;
    report->ExportPageImages((dir / "pages.zip").string());
    EXPECT_TRUE(recorder.Saved.empty());
    EXPECT_EQ(testing_support::ReadFile(dir / "pages.zip").size(), 22U);
}
