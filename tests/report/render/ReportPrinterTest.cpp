// Printing a report through a printer that writes each job as a PDF file:
// one job per page with its title and orientation, copies and page ranges
// from the dialog, and a failing page stopping the run.
#include "PdfTestPrinter.h"
#include "RenderTestSupport.h"
#include "report/ReportError.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace render_test;

namespace {

// Three pages: portrait, landscape, and one without an orientation of its own.
struct TPrintedReport {
    TPrintedReport() : printer(std::make_shared<TPdfTestPrinter>(dir.path())) {
        report = MakeQtReport(printer);
        for (int number = 1; number <= 3; ++number) {
            AddBox(*report->GetPage(number), 10, 10, 100, 10, "Страница " + std::to_string(number));
        }
        report->GetPage(2)->SetOrientation(kOrientationLandscape);
        report->GetPage(3)->SetOrientation(kOrientationUnset);
    }

    // What printing told the user; empty when it went well.
    std::string Print(bool withDialog) {
        try {
            report->Services().PrintReport(*report, withDialog);
            return {};
        } catch (const EReportError& error) {
            return error.what();
        }
    }

    testing_support::TempDir dir;
    std::shared_ptr<TPdfTestPrinter> printer;
    std::shared_ptr<TReport3> report;
};

const std::vector<std::string> kAllTitles{"Отчет - стр. 1", "Отчет - стр. 2", "Отчет - стр. 3"};

} // namespace

TEST(PrintReport, EveryPageIsAJobInTheOrientationItsPagesCallFor) {
    TPrintedReport run;
    run.printer->Copies = 7;
    EXPECT_EQ(run.Print(false), "");
    EXPECT_EQ(run.printer->Titles, kAllTitles);
    EXPECT_EQ(run.printer->Landscape, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(run.printer->Copies, 1);
    EXPECT_EQ(run.printer->EndedJobs, 3);
    EXPECT_TRUE(run.printer->DialogPageCounts.empty());
    if (!testing_support::HaveProgram("pdfinfo") || !testing_support::HaveProgram("pdftotext")) {
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) is not installed to read the jobs";
    }
    EXPECT_NE(PdfInfo(run.printer->JobFile(1)).find("Page size:       595 x 842 pts"),
              std::string::npos);
    EXPECT_NE(PdfInfo(run.printer->JobFile(2)).find("Page size:       842 x 595 pts"),
              std::string::npos);
    EXPECT_NE(PdfText(run.printer->JobFile(2)).find("Страница 2"), std::string::npos);
    EXPECT_NE(PdfText(run.printer->JobFile(3)).find("Страница 3"), std::string::npos);
}

TEST(PrintReport, OrientationCodesAboveTwoPrintLandscapeLikeTheirPageSize) {
    TPrintedReport run;
    run.report->GetPage(1)->SetOrientation(3);
    EXPECT_EQ(run.report->GetPage(1)->GetWidth(), 297);
    EXPECT_EQ(run.Print(false), "");
    EXPECT_EQ(run.printer->Landscape, (std::vector<bool>{true, true, true}));
}

TEST(PrintReport, TheDialogChoosesCopiesAndPages) {
    TPrintedReport run;
    run.printer->Answer = TPrintChoice{2, false, 2, 3};
    EXPECT_EQ(run.Print(true), "");
    EXPECT_EQ(run.printer->DialogPageCounts, (std::vector<std::int32_t>{3}));
    EXPECT_EQ(run.printer->Copies, 2);
    EXPECT_EQ(run.printer->Titles, (std::vector<std::string>{"Отчет - стр. 2", "Отчет - стр. 3"}));
    // The orientation still starts from page 1's.
    EXPECT_EQ(run.printer->Landscape, (std::vector<bool>{true, true}));

    TPrintedReport all;
    all.printer->Answer = TPrintChoice{1, true, 2, 2};
    EXPECT_EQ(all.Print(true), "");
    EXPECT_EQ(all.printer->Titles, kAllTitles);
}

TEST(PrintReport, CancellingTheDialogPrintsNothing) {
    TPrintedReport run;
    EXPECT_EQ(run.Print(true), "");
    EXPECT_EQ(run.printer->DialogPageCounts.size(), 1U);
    EXPECT_TRUE(run.printer->Titles.empty());
}

TEST(PrintReport, AFailingPageEndsItsJobAndStopsTheRun) {
    TPrintedReport run;
    run.printer->FailingJob = 2;
    EXPECT_EQ(run.Print(false), "Ошибка печати отчета:\rНет бумаги");
    EXPECT_EQ(run.printer->Titles.size(), 2U);
    EXPECT_EQ(run.printer->EndedJobs, 2);
    EXPECT_TRUE(std::filesystem::exists(run.printer->JobFile(1)));
    EXPECT_FALSE(std::filesystem::exists(run.printer->JobFile(3)));
}

TEST(PrintReport, ReportsThatMayNotPrintOrHaveNoPagesPrintNothing) {
    TPrintedReport run;
    run.report->SetCanPrint(false);
    EXPECT_EQ(run.Print(true), "");
    EXPECT_TRUE(run.printer->DialogPageCounts.empty());
    EXPECT_TRUE(run.printer->Titles.empty());

    const testing_support::TempDir dir;
    const auto printer = std::make_shared<TPdfTestPrinter>(dir.path());
    const auto empty = MakeQtReport(printer);
    EXPECT_NO_THROW(empty->Services().PrintReport(*empty, false));
    EXPECT_TRUE(printer->Titles.empty());
}

TEST(PrintReport, APageOutsideAPrintRunCannotPrint) {
    TPrintedReport run;
    EXPECT_THROW(run.report->GetPage(1)->Print(), EReportError);
    run.report->Services().PrinterSetup();
    EXPECT_EQ(run.printer->SetUps, 1);
}

namespace {

// A printer whose one page is an image of 300 dots per inch with a
// printable area of half a page's pixels each way.
class TImagePrinter : public TPdfTestPrinter {
public:
    TImagePrinter() : TPdfTestPrinter({}), image_(420, 594, QImage::Format_RGB32) {
        image_.setDotsPerMeterX(11811);
        image_.setDotsPerMeterY(11811);
        image_.fill(Qt::white);
    }
    void BeginJob(const std::string&) override { painter_.begin(&image_); }
    QPainter* JobPainter() override { return painter_.isActive() ? &painter_ : nullptr; }
    QSize PrintableSize() const override { return image_.size(); }
    void EndJob() override { painter_.end(); }
    const QImage& Image() const { return image_; }

private:
    QImage image_;
    QPainter painter_;
};

} // namespace

TEST(PrintReport, ThePageIsStretchedOverThePrintableAreaWhateverTheResolution) {
    const auto printer = std::make_shared<TImagePrinter>();
    const auto report = MakeQtReport(printer);
    AddBox(*report->GetPage(1), 10, 10, 50, 5)->SetColor(0);
    AddBox(*report->GetPage(1), 0, 287, 210, 10)->SetColor(0);
    EXPECT_NO_THROW(report->Services().PrintReport(*report, false));
    const QImage& image = printer->Image();
    // 10 mm is 40 page pixels, 20 printed ones; the last 10 mm reach the bottom edge.
    EXPECT_TRUE(IsWhite(image, 19, 25));
    EXPECT_TRUE(IsBlack(image, 20, 20));
    EXPECT_TRUE(IsBlack(image, 119, 29));
    EXPECT_TRUE(IsWhite(image, 121, 25));
    EXPECT_TRUE(IsBlack(image, 0, 593));
    EXPECT_TRUE(IsBlack(image, 419, 575));
    EXPECT_TRUE(IsWhite(image, 200, 572));
}
