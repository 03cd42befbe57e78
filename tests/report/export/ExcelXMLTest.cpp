#include "report/export/ExcelXML.h"

#include "report/export/ExcelText.h"
#include "text/FormatSettings.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// The file's fixed part before the styles of the cells.
const std::string kHead =
    "<?xml version=\"1.0\"?>\r\n"
    "<?mso-application progid=\"Excel.Sheet\"?>\r\n"
    "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\r\n"
    " xmlns:o=\"urn:schemas-microsoft-com:office:office\"\r\n"
    " xmlns:x=\"urn:schemas-microsoft-com:office:excel\"\r\n"
    " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"\r\n"
    " xmlns:html=\"http://www.w3.org/TR/REC-html40\">\r\n"
    " <DocumentProperties xmlns=\"urn:schemas-microsoft-com:office:office\">\r\n"
    "  <Author>-</Author>\r\n"
    "  <Version>11.6360</Version>\r\n"
    " </DocumentProperties>\r\n"
    " <ExcelWorkbook xmlns=\"urn:schemas-microsoft-com:office:excel\">\r\n"
    "  <RefModeR1C1/>\r\n"
    "  <ProtectStructure>False</ProtectStructure>\r\n"
    "  <ProtectWindows>False</ProtectWindows>\r\n"
    " </ExcelWorkbook>\r\n"
    " <Styles>\r\n"
    "  <Style ss:ID=\"Default\" ss:Name=\"Normal\">\r\n"
    "   <Alignment ss:Vertical=\"Bottom\"/>\r\n"
    "   <Borders/>\r\n"
    "   <Font ss:FontName=\"Arial Cyr\" x:CharSet=\"204\"/>\r\n"
    "   <Interior/>\r\n"
    "   <NumberFormat/>\r\n"
    "   <Protection/>\r\n"
    "  </Style>\r\n";

// The worksheet options of a landscape sheet fitted to the page width.
const std::string kOptions =
    "  </Table>\r\n"
    "  <WorksheetOptions xmlns=\"urn:schemas-microsoft-com:office:excel\">\r\n"
    "   <PageSetup>\r\n"
    "    <Layout x:Orientation=\"Landscape\"/>\r\n"
    "    <PageMargins x:Bottom=\"0.59055118110236227\" x:Left=\"0.78740157480314965\"\r\n"
    "     x:Right=\"0.47244094488188981\" x:Top=\"0.59055118110236227\"/>\r\n"
    "   </PageSetup>\r\n"
    "   <FitToPage/>\r\n"
    "   <Print>\r\n"
    "   <FitHeight>0</FitHeight>\r\n"
    "    <ValidPrinterInfo/>\r\n"
    "    <PaperSizeIndex>9</PaperSizeIndex>\r\n"
    "    <Scale>95</Scale>\r\n"
    "    <HorizontalResolution>600</HorizontalResolution>\r\n"
    "    <VerticalResolution>0</VerticalResolution>\r\n"
    "   </Print>\r\n"
    "   <Selected/>\r\n"
    "   <Panes>\r\n"
    "    <Pane>\r\n"
    "     <Number>3</Number>\r\n"
    "     <ActiveRow>1</ActiveRow>\r\n"
    "     <ActiveCol>1</ActiveCol>\r\n"
    "    </Pane>\r\n"
    "   </Panes>\r\n"
    "   <ProtectObjects>False</ProtectObjects>\r\n"
    "   <ProtectScenarios>False</ProtectScenarios>\r\n"
    "  </WorksheetOptions>\r\n"
    " </Worksheet>\r\n";

const std::string kSheetStart =
    " <Worksheet ss:Name=\"\xD0\x9B\xD0\xB8\xD1\x81\xD1\x82 1\">\r\n" // "Лист 1" in UTF-8
    "  <Table x:FullColumns=\"1\" x:FullRows=\"1\">\r\n";

const std::string& RowLine(const TExcelXML& book, std::size_t index) {
    return book.Worksheets().back().RowLines.at(index);
}

} // namespace

TEST(ExcelXML, WorkbookWithoutCellsHasOnlyTheDefaultStyleAndEndsWithAnEmptyLine) {
    const TExcelXML book;
    EXPECT_EQ(book.WorkbookText(),
              kHead + " </Styles>\r\n" + kSheetStart + kOptions + "</Workbook>\r\n\r\n");
}

TEST(ExcelXML, WorksheetBlockFollowsOrientationAndFitting) {
    TExcelXML book;
    book.SetLandscape(false);
    book.NewWorksheet("A&B", false);
    const std::string text = book.WorkbookText();
    EXPECT_EQ(text.find("Landscape"), std::string::npos);
    EXPECT_NE(text.find(" <Worksheet ss:Name=\"A&amp;B\">\r\n"), std::string::npos);
    EXPECT_EQ(book.Worksheets().size(), 2u);
    EXPECT_FALSE(book.Worksheets()[1].FitToPage);
    EXPECT_TRUE(book.Worksheets()[1].FitToWidth);
}

TEST(ExcelXML, ColumnsRowsAndCellsMakeTheTable) {
    TExcelXML book;
    book.WriteColumn(1, 120);
    book.WriteColumn(2, 180);
    book.WriteRow(15 * kExcelFixedScale);
    book.WriteCell("a", 0, 1, 1, 1);
    book.WriteCell("b", 0, 1, 1, 2);
    const std::string text = book.WorkbookText();
    const std::string table =
        kSheetStart +
        "    <Column ss:Index=\"1\" ss:AutoFitWidth=\"0\" ss:Width=\"120\"/>\r\n"
        "    <Column ss:Index=\"2\" ss:AutoFitWidth=\"0\" ss:Width=\"180\"/>\r\n"
        "    <Row ss:AutoFitHeight=\"0\" ss:Height=\"15.00\">\r\n"
        "     <Cell ss:Index=\"1\" ss:StyleID=\"s101\"><Data ss:Type=\"String\">a</Data></Cell>\r\n"
        "     <Cell ss:Index=\"2\" ss:StyleID=\"s101\"><Data ss:Type=\"String\">b</Data></Cell>\r\n"
        "    </Row>\r\n" +
        kOptions;
    EXPECT_NE(text.find(table), std::string::npos) << text;
}

TEST(ExcelXML, RowHeightsHaveTwoDecimalsWithAPointWhateverTheConventions) {
    ASSERT_EQ(AppFormatSettings().DecimalSeparator, ',');
    TExcelXML book;
    book.WriteRow(0);
    book.WriteRow(123460); // 12,346
    book.WriteRow(-5);
    EXPECT_EQ(RowLine(book, 0), "    <Row>");
    EXPECT_EQ(RowLine(book, 1), "    </Row>");
    EXPECT_EQ(RowLine(book, 2), "    <Row ss:AutoFitHeight=\"0\" ss:Height=\"12.35\">");
    EXPECT_EQ(RowLine(book, 4), "    <Row>");
    EXPECT_EQ(AppFormatSettings().DecimalSeparator, ',');
    EXPECT_EQ(HundredthsText(5), "0.00");
    EXPECT_EQ(HundredthsText(50), "0.01");
    EXPECT_EQ(HundredthsText(-123450), "-12.35");
    EXPECT_EQ(HundredthsText(INT64_MIN), "-922337203685477.58");
}

TEST(ExcelXML, CellPartsAppearOnlyWhenTheyMeanSomething) {
    TExcelXML book;
    book.WriteRow(0);
    book.WriteCell("x", 7, 1, 1, 0);
    book.WriteCell("x", -1, 3, 2, 4);
    book.WriteCell("x", 7, 0, -3, -1);
    EXPECT_EQ(RowLine(book, 1),
              "     <Cell ss:StyleID=\"s7\"><Data ss:Type=\"String\">x</Data></Cell>");
    EXPECT_EQ(RowLine(book, 2), "     <Cell ss:MergeAcross=\"2\" ss:MergeDown=\"1\" ss:Index=\"4\">"
                                "<Data ss:Type=\"String\">x</Data></Cell>");
    EXPECT_EQ(RowLine(book, 3),
              "     <Cell ss:StyleID=\"s7\"><Data ss:Type=\"String\">x</Data></Cell>");
    EXPECT_TRUE(book.Styles().empty());
}

TEST(ExcelXML, CellTextIsEscapedAndWrittenAsUtf8) {
    EXPECT_EQ(EscapeCellText("a\r\nb"), "a\r&#10;b");
    EXPECT_EQ(EscapeCellText("<a & \"b\" 'c'>"), "&lt;a &amp; &quot;b&quot; 'c'&gt;");
    EXPECT_EQ(EscapeCellText(testing_support::W(u8"Ёж\tя")), "\xD0\x81\xD0\xB6\t\xD1\x8F");
}

TEST(ExcelXML, ControlCharactersXmlCannotCarryBecomeQuestionMarks) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string escaped = EscapeCellText(all);
    const std::string start = "????????\t&#10;??\r?????????????????? !&quot;#";
    EXPECT_EQ(escaped.substr(0, start.size()), start);
    for (const char c : escaped)
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r');
    EXPECT_EQ(EscapeCellText(std::string(1, '\0')), "?");
}

TEST(ExcelXML, CellsWithTheSameSettingsShareOneStyle) {
    TExcelXML book;
    EXPECT_EQ(book.StyleIdFor(), 101);
    EXPECT_EQ(book.StyleIdFor(), 101);
    book.CurWrapText = true;
    EXPECT_EQ(book.StyleIdFor(), 102);
    book.CurColor = 0x00FF00;
    EXPECT_EQ(book.StyleIdFor(), 103);
    book.CurColor = kExcelNoColor;
    EXPECT_EQ(book.StyleIdFor(), 102);
    book.CurFontName = "arial cyr"; // names compare with case
    EXPECT_EQ(book.StyleIdFor(), 104);
    book.WriteRow(0);
    book.WriteCell("x", 0, 1, 1, 1);
    EXPECT_EQ(RowLine(book, 1),
              "     <Cell ss:Index=\"1\" ss:StyleID=\"s104\"><Data ss:Type=\"String\">"
              "x</Data></Cell>");
    EXPECT_EQ(book.Styles().size(), 4u);
}

TEST(ExcelXML, StylesAreWrittenInCreationOrderAfterTheDefault) {
    TExcelXML book;
    book.StyleIdFor();
    book.CurAlignment = 5;
    book.CurFontStyle = 3;
    book.CurFontSize = 12;
    book.CurBorders = "1";
    book.CurNumberFormat = "0.00";
    book.CurColor = 0x12AB34;
    book.StyleIdFor();
    const std::string styles =
        "  <Style ss:ID=\"s101\">\r\n"
        "   <Alignment ss:Horizontal=\"Left\" ss:Vertical=\"Bottom\"/>\r\n"
        "   <Font ss:FontName=\"Arial Cyr\" x:CharSet=\"204\" ss:Size=\"10\"/>\r\n"
        "  </Style>\r\n"
        "  <Style ss:ID=\"s102\">\r\n"
        "   <Alignment ss:Horizontal=\"Center\" ss:Vertical=\"Center\"/>\r\n"
        "   <Borders>\r\n"
        "    <Border ss:Position=\"Left\" ss:LineStyle=\"Continuous\" "
        "ss:Weight=\"1\"/>\r\n"
        "   </Borders>\r\n"
        "   <Font ss:FontName=\"Arial Cyr\" x:CharSet=\"204\" ss:Size=\"12\" "
        "ss:Bold=\"1\" ss:Italic=\"1\"/>\r\n"
        "   <NumberFormat ss:Format=\"0.00\"/>\r\n"
        "   <Interior ss:Color=\"#12AB34\" ss:Pattern=\"Solid\"/>\r\n"
        "  </Style>\r\n";
    EXPECT_EQ(book.WorkbookText().substr(kHead.size(), styles.size() + 12),
              styles + " </Styles>\r\n");
}

TEST(ExcelXML, BordersAreListedBottomLeftRightTop) {
    TExcelStyle style;
    style.Borders = "1230";
    const auto lines = ExcelStyleLines(style);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[2], "   <Borders>");
    EXPECT_EQ(lines[3],
              "    <Border ss:Position=\"Left\" ss:LineStyle=\"Continuous\" ss:Weight=\"1\"/>");
    EXPECT_EQ(lines[4],
              "    <Border ss:Position=\"Right\" ss:LineStyle=\"Continuous\" ss:Weight=\"3\"/>");
    EXPECT_EQ(lines[5],
              "    <Border ss:Position=\"Top\" ss:LineStyle=\"Continuous\" ss:Weight=\"2\"/>");
    EXPECT_EQ(lines[6], "   </Borders>");
    style.Borders = "0004";
    EXPECT_EQ(ExcelStyleLines(style)[3],
              "    <Border ss:Position=\"Bottom\" ss:LineStyle=\"Continuous\" ss:Weight=\"4\"/>");
    style.Borders = "0000";
    EXPECT_EQ(ExcelStyleLines(style).size(), 4u);
    style.Borders = "";
    EXPECT_EQ(ExcelStyleLines(style).size(), 4u);
}

TEST(ExcelXML, BorderCharactersOtherThanDigitsDrawNoLineAndCannotBreakTheFile) {
    TExcelStyle style;
    style.Borders = "b\"<1x";
    const auto lines = ExcelStyleLines(style);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[3],
              "    <Border ss:Position=\"Bottom\" ss:LineStyle=\"Continuous\" ss:Weight=\"1\"/>");
}

TEST(ExcelXML, FontNamesAndNumberFormatsCannotBreakTheFile) {
    TExcelStyle style;
    style.FontName = testing_support::W(u8"Шрифт \"&\"");
    style.NumberFormat = "0<0";
    const auto lines = ExcelStyleLines(style);
    EXPECT_EQ(lines[2], "   <Font ss:FontName=\"\xD0\xA8\xD1\x80\xD0\xB8\xD1\x84\xD1\x82 "
                        "&quot;&amp;&quot;\" x:CharSet=\"204\" ss:Size=\"10\"/>");
    EXPECT_EQ(lines[3], "   <NumberFormat ss:Format=\"0&lt;0\"/>");
}

TEST(ExcelXML, AlignmentCodesPlaceTheTextLikeAKeypad) {
    const char* expected[] = {
        "ss:Vertical=\"Top\"",
        "ss:Horizontal=\"Center\" ss:Vertical=\"Top\"",
        "ss:Horizontal=\"Right\" ss:Vertical=\"Top\"",
        "ss:Vertical=\"Center\"",
        "ss:Horizontal=\"Center\" ss:Vertical=\"Center\"",
        "ss:Horizontal=\"Right\" ss:Vertical=\"Center\"",
        "ss:Horizontal=\"Left\" ss:Vertical=\"Bottom\"",
        "ss:Horizontal=\"Center\" ss:Vertical=\"Bottom\"",
        "ss:Horizontal=\"Right\" ss:Vertical=\"Bottom\"",
    };
    for (int code = 1; code <= 9; ++code) {
        const std::string attributes = expected[code - 1];
        EXPECT_EQ(ExcelAlignmentLine(code, false), "   <Alignment " + attributes + "/>");
        EXPECT_EQ(ExcelAlignmentLine(code, true),
                  "   <Alignment " + attributes + " ss:WrapText=\"1\"/>");
    }
    EXPECT_EQ(ExcelAlignmentLine(0, false), ExcelAlignmentLine(5, false));
    EXPECT_EQ(ExcelAlignmentLine(-7, true), ExcelAlignmentLine(5, true));
    EXPECT_EQ(ExcelAlignmentLine(10, false), ExcelAlignmentLine(5, false));
}
