// Measuring with the project's fonts: "Arial" is Liberation Sans, realised
// at 96 pixels per inch, so the numbers are the same on every machine.
#include "report/render/QtMeasuringCanvas.h"
#include "report/TReport3.h"
#include "report/TReport3Page.h"
#include "text/qt/QtCodec.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

std::int64_t Measure(std::string_view text, std::int64_t width, std::int32_t size = 10,
                     TFontStyle style = 0) {
    TQtMeasuringCanvas canvas;
    canvas.SetFont("Arial", size, style);
    return canvas.MeasureWrappedHeight(text, width);
}

} // namespace

TEST(QtMeasuringCanvas, ArialIsLiberationSans) {
    QFont font(ToQString("Arial"));
    EXPECT_EQ(QFontInfo(font).family(), QString("Liberation Sans"));
}

TEST(QtMeasuringCanvas, OneLineIsTheFontHeight) {
    EXPECT_EQ(Measure("", 400), 0);
    const std::int64_t line = Measure("Сумма", 400);
    EXPECT_EQ(line, 15);
    EXPECT_EQ(Measure("Сумма", 400, 8), 12);
    EXPECT_EQ(Measure("Сумма", 400, 14, kFontBold), 21);
}

TEST(QtMeasuringCanvas, WordsWrapAtTheBoxWidth) {
    const std::string text = "Сто двадцать три рубля сорок пять копеек";
    const std::int64_t line = Measure("a", 400);
    EXPECT_EQ(Measure(text, 1000), line);
    EXPECT_EQ(Measure(text, 120), 3 * line);
    EXPECT_EQ(Measure(text, 60), 6 * line);
    // A word wider than the box keeps one line; a zero box behaves as one pixel.
    EXPECT_EQ(Measure("Препроводительная", 10), line);
    EXPECT_EQ(Measure("a b", 0), 2 * line);
    EXPECT_EQ(Measure("a b", -50), 2 * line);
}

TEST(QtMeasuringCanvas, LineBreaksStartLines) {
    const std::int64_t line = Measure("a", 400);
    EXPECT_EQ(Measure("a\r\nb", 400), 2 * line);
    EXPECT_EQ(Measure("a\nb\rc", 400), 3 * line);
    EXPECT_EQ(Measure("a\r\n\r\nb", 400), 3 * line);
    EXPECT_EQ(Measure("a\r\n", 400), line);
}

TEST(QtMeasuringCanvas, AbsurdFontsAndTextsAreMeasured) {
    TQtMeasuringCanvas canvas;
    canvas.SetFont("No Such Font", -5, 0xFF);
    EXPECT_GT(canvas.MeasureWrappedHeight("a", 100), 0);
    canvas.SetFont("", 100000, 0);
    EXPECT_GT(canvas.MeasureWrappedHeight(std::string(10000, 'w'), 100), 0);
    canvas.SetFont("Arial", 10, 0);
    EXPECT_GT(canvas.MeasureWrappedHeight(std::string("\0\x01\xff", 3), 100), 0);
}

TEST(QtMeasuringCanvas, AutoHeightCellsGrowWithTheirText) {
    const auto report = TReport3::Create({.MeasuringCanvas = QtMeasuringCanvasFactory()});
    const auto row = report->AddRow(50000);
    const auto cell = row->AddCell("30");
    cell->SetText("Сто двадцать три рубля сорок пять копеек");
    cell->SetAutoHeight(true);
    report->Build();
    // 120 pixels less one: three lines of 15 pixels and one pixel, 46 pixels.
    EXPECT_EQ(report->GetPage(1)->GetText(1)->GetH(), 115000);
}
