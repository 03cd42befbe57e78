// Pages leaving the program: metafile files that play back as the page
// image, one PDF of all pages read back by poppler, PNG pictures, and charts
// stored as pictures in texts.
#include "RenderTestSupport.h"
#include "report/ReportError.h"
#include "report/render/PageMetafile.h"
#include "report/render/PagePng.h"
#include "report/render/ReportChart.h"
#include "report/render/ReportPdf.h"
#include "report/render/emf/EmfMetafile.h"
#include "support/TestSupport.h"
#include "text/Cp1251.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace render_test;

namespace {

// A page with every kind of drawing on it.
void FillPage(IReport3Page& page, const std::string& title) {
    AddBox(page, 10, 10, 120, 12, title, "2")->SetAlign(4);
    AddBox(page, 10, 30, 60, 20, "Денежная наличность, сдаваемая по ведомости", "1c1d1b3b");
    AddBox(page, 80, 30, 40, 20, "", "1")->SetColor(0x00C0FF);
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(PageMetafile, PlaysBackAsThePageImageOnePixelIn) {
    const auto report = MakeQtReport();
    const auto page = report->GetPage(1);
    FillPage(*page, "Препроводительная ведомость");
    const testing_support::TempDir dir;
    page->SaveToMetafile((dir / "page.emf").string());
    const TEmfMetafile metafile =
        TEmfMetafile::FromBytes(testing_support::ReadFile(dir / "page.emf"));
    EXPECT_EQ(metafile.Width(), 836);
    QImage played(836, 1184, QImage::Format_RGB32);
    played.fill(Qt::white);
    {
        QPainter painter(&played);
        metafile.Play(painter, QRectF(0, 0, 836, 1184));
    }
    // The page runs from (-1, -1): its outline lies just off the picture.
    const QImage expected = PagePicture(*page).copy(1, 1, 836, 1184);
    // Frames and fills alike to the pixel; glyphs may sit a fraction of a
    // pixel apart, which only changes their anti-aliased edges.
    EXPECT_LT(DifferentPixels(played, expected, 128), 100);
    for (const int y : {38, 39, 86, 118, 198}) {
        EXPECT_EQ(RowInk(played, y, 0, 836), RowInk(expected, y, 0, 836)) << y;
    }
    for (const int x : {38, 39, 278, 318}) {
        EXPECT_EQ(ColumnInk(played, x, 0, 300), ColumnInk(expected, x, 0, 300)) << x;
    }
    EXPECT_EQ(played.pixel(400, 150), expected.pixel(400, 150));
}

TEST(PageMetafile, AnotherProgramReadsThePageTexts) {
    if (!testing_support::HaveProgram("emf2svg-conv")) {
        GTEST_SKIP() << "emf2svg (emf2svg-conv) is not installed to read the metafile";
    }
    const auto report = MakeQtReport();
    FillPage(*report->GetPage(1), "Препроводительная ведомость");
    const testing_support::TempDir dir;
    report->GetPage(1)->SaveToMetafile((dir / "page.emf").string());
    ASSERT_EQ(testing_support::RunCommand("emf2svg-conv -i '" + (dir / "page.emf").string() +
                                          "' -o '" + (dir / "page.svg").string() + "'"),
              0);
    const std::string svg = Utf8ToCp1251(testing_support::ReadFile(dir / "page.svg"));
    EXPECT_TRUE(Has(svg, "Препроводительная ведомость"));
    EXPECT_TRUE(Has(svg, "Денежная наличность"));
}

TEST(PageMetafile, AFileThatCannotBeWrittenRaisesAndKeepsTheOldOne) {
    const auto report = MakeQtReport();
    const testing_support::TempDir dir;
    EXPECT_THROW(report->GetPage(1)->SaveToMetafile((dir / "missing" / "page.emf").string()),
                 EFileError);
}

TEST(ReportPdf, AllPagesInOneFileEachInItsOwnOrientationWithRealText) {
    const auto report = MakeQtReport();
    FillPage(*report->GetPage(1), "Первая страница");
    FillPage(*report->GetPage(2), "Вторая страница");
    report->GetPage(2)->SetOrientation(kOrientationLandscape);
    const testing_support::TempDir dir;
    WriteReportPdf(*report, (dir / "report.pdf").string());
    if (!testing_support::HaveProgram("pdfinfo") || !testing_support::HaveProgram("pdftotext")) {
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) is not installed to read the PDF";
    }
    const std::string info = PdfInfo(dir / "report.pdf", "-f 1 -l 2");
    EXPECT_TRUE(Has(info, "Pages:           2")) << info;
    EXPECT_TRUE(Has(info, "Page    1 size:  595 x 842 pts")) << info;
    EXPECT_TRUE(Has(info, "Page    2 size:  842 x 595 pts")) << info;
    const std::string text = PdfText(dir / "report.pdf");
    EXPECT_TRUE(Has(text, "Первая страница")) << Cp1251ToUtf8(text);
    EXPECT_TRUE(Has(text, "Вторая страница"));
    EXPECT_TRUE(Has(text, "Денежная наличность"));
}

TEST(ReportPdf, AReportWithoutPagesIsRefused) {
    const auto report = MakeQtReport();
    const testing_support::TempDir dir;
    EXPECT_THROW(WriteReportPdf(*report, (dir / "report.pdf").string()), EReportError);
    EXPECT_FALSE(std::filesystem::exists(dir / "report.pdf"));
}

TEST(PagePng, OnePictureAPageWithoutOutline) {
    const auto report = MakeQtReport();
    FillPage(*report->GetPage(1), "Первая");
    report->GetPage(2)->SetOrientation(kOrientationLandscape);
    const testing_support::TempDir dir;
    WritePagePngs(*report, (dir / "page.png").string());
    QImage first((dir / "page-001.png").c_str());
    QImage second((dir / "page-002.png").c_str());
    EXPECT_EQ(first.size(), QSize(840, 1188));
    EXPECT_EQ(second.size(), QSize(1188, 840));
    EXPECT_TRUE(IsWhite(first, 0, 0));
    EXPECT_TRUE(IsWhite(first, 839, 1187));
    EXPECT_FALSE(HasInk(second, second.rect()));
    EXPECT_EQ(DifferentPixels(first.convertToFormat(QImage::Format_RGB32),
                              PagePicture(*report->GetPage(1))),
              0);
}

TEST(PagePng, NamesCarryThePageNumber) {
    EXPECT_EQ(PagePngName("out/page.png", 1), "out/page-001.png");
    EXPECT_EQ(PagePngName("page.PNG", 12), "page-012.png");
    EXPECT_EQ(PagePngName("page", 1234), "page-1234.png");
}

TEST(ReportChart, AxisTopIsAPowerOfTenHalvedUpToThreeTimes) {
    EXPECT_EQ(ChartAxisTop(0), 0.125);
    EXPECT_EQ(ChartAxisTop(2), 2.5);
    EXPECT_EQ(ChartAxisTop(7), 10);
    EXPECT_EQ(ChartAxisTop(10), 10);
    EXPECT_EQ(ChartAxisTop(11), 12.5);
    EXPECT_EQ(ChartAxisTop(600), 1000);
    EXPECT_DOUBLE_EQ(ChartAxisTop(1e308), 1e300);
}

TEST(ReportChart, BarsRiseToTheirValues) {
    TChartRequest chart{{"a", "b"}, 1, {}, 0, {0, 2.5}, 400, 300};
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        PaintChart(painter, chart, image.size());
    }
    // The axis goes to 5; the second bar reaches half way, the first stays empty.
    const QRgb blue = qRgb(0, 0, 192);
    const int x1 = 48 + 85;
    const int x2 = 48 + 3 * 85;
    EXPECT_EQ(image.pixel(x2, 250), blue);
    EXPECT_EQ(image.pixel(x2, 150), blue);
    EXPECT_NE(image.pixel(x2, 130), blue);
    EXPECT_NE(image.pixel(x1, 250), blue);
    EXPECT_TRUE(IsWhite(image, 2, 2));
}

TEST(ReportChart, DrawnIntoATextAsAPictureOnThePage) {
    const auto report = MakeQtReport();
    const auto row = report->AddRow(Mm(40));
    const auto text = row->AddCell("60")->AddText();
    text->SetW(Mm(40));
    text->SetH(Mm(30));
    text->DrawChart({"I", "II", "III"}, 0, {"s1", "s2"}, 1, {1, 2, 3, 3, 2, 1});
    ASSERT_TRUE(text->GetText().starts_with("!EMF"));
    report->Build();
    const QImage image = PagePicture(*report->GetPage(1));
    // Inside the 160 x 120 pixel box at the margins (40, 40): the series' colours.
    int blue = 0;
    int red = 0;
    for (int y = 40; y < 160; ++y) {
        for (int x = 40; x < 200; ++x) {
            blue += image.pixel(x, y) == qRgb(0, 0, 192) ? 1 : 0;
            red += image.pixel(x, y) == qRgb(192, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 50);
    EXPECT_GT(red, 50);
    EXPECT_FALSE(HasInk(image, QRect(200, 161, 400, 300)));
}
