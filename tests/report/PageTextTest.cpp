// The page-text format: exact output, reading back, and round trips of any text.
#include "ReportTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace report_test;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

std::shared_ptr<IReport3Text> AddPageText(IReport3& report, std::int32_t page) {
    return report.GetPage(page)->AddText();
}

} // namespace

TEST(PageText, WritesEveryFieldAndSkipsPageLevelTexts) {
    const auto report = MakeReport();
    report->SetPageNumbers(true);
    const auto text = AddPageText(*report, 1);
    text->SetX(Mm(12.5));
    text->SetY(Mm(20));
    text->SetW(1);
    text->SetH(-Mm(3));
    text->SetText("a\"b\\c");
    text->SetFrame("1b0b1b0b");
    text->SetFont("Arial");
    text->SetFontSize(9);
    text->SetFontStyle(kFontBold | kFontUnderline);
    text->SetAlign(4);
    const auto coloured = AddPageText(*report, 1);
    coloured->SetColor(-16777216);
    report->GetPage(2)->SetOrientation(kOrientationLandscape);
    report->GetPage(3)->SetOrientation(kOrientationUnset);
    EXPECT_EQ(report->GetPagesText(),
              "<page orientation=\"portrait\">\r\n"
              "  <text x=\"12,5\" y=\"20\" w=\"0,0001\" h=\"-3\" text=\"a\\\"b\\\\c\" "
              "frame=\"1b0b1b0b\" font=\"Arial\" fontsize=\"9\" fontstyle=\"bold;underline;\" "
              "align=\"4\"/>\r\n"
              "  <text x=\"0\" y=\"0\" w=\"20\" h=\"5\" text=\"\" frame=\"\" font=\"Arial\" "
              "fontsize=\"10\" fontstyle=\"\" align=\"5\" color=\"-16777216\"/>\r\n"
              "</>\r\n"
              "<page orientation=\"landscape\">\r\n"
              "</>\r\n"
              "<page orientation=\"\">\r\n"
              "</>\r\n");
}

TEST(PageText, LoadingReplacesThePagesAndSetsTheBuiltFlag) {
    const auto report = MakeReport();
    report->GetPage(5);
    report->SetVariable("v", "1", false);
    report->LoadPagesFromText("<?xml version=\"1.0\"?>\r\n"
                              "<page orientation=\"Landscape\"><text x=\"10\" text=\"a\"/></>"
                              "<sheet><t font=\"F\" fontsize=\"x\" fontstyle=\"italic\" "
                              "align=\"\" color=\"16\"/></>");
    EXPECT_TRUE(report->IsBuilt());
    EXPECT_EQ(report->GetVariable("v"), "");
    ASSERT_EQ(report->PageCount(), 2);
    const auto first = report->GetPage(1);
    EXPECT_EQ(first->GetOrientation(), kOrientationLandscape);
    EXPECT_EQ(first->GetWidth(), 297);
    const auto a = first->GetText(1);
    EXPECT_EQ(a->GetX(), Mm(10));
    EXPECT_EQ(a->GetW(), 0);
    EXPECT_EQ(a->GetFont(), "");
    EXPECT_EQ(a->GetFontSize(), 0);
    EXPECT_EQ(a->GetAlign(), 5);
    EXPECT_EQ(a->GetColor(), kNoColor);
    const auto second = report->GetPage(2);
    EXPECT_EQ(second->GetOrientation(), kOrientationUnset);
    EXPECT_EQ(second->GetHeight(), 297);
    const auto t = second->GetText(1);
    EXPECT_EQ(t->GetFont(), "F");
    EXPECT_EQ(t->GetFontSize(), 0);
    EXPECT_EQ(t->GetFontStyle(), kFontItalic);
    EXPECT_EQ(t->GetAlign(), 0);
    EXPECT_EQ(t->GetColor(), 16);
}

TEST(PageText, PageLevelTextsAreMadeAgainOnLoading) {
    const auto report = MakeReport();
    report->SetPageNumbers(true);
    report->LoadPagesFromText("<page orientation=\"portrait\"><text text=\"a\"/></>");
    const auto page = report->GetPage(1);
    ASSERT_EQ(page->TextCount(), 2);
    EXPECT_EQ(page->GetText(1)->GetName(), "$pagenumber");
    EXPECT_EQ(page->GetText(2)->GetText(), "a");
}

TEST(PageText, SyntaxErrorsLeaveThePagesButSetTheFlag) {
    const auto report = MakeReport();
    report->GetPage(2);
    EXPECT_THROW(report->LoadPagesFromText("<page x=\"1\"> junk"), EAppError);
    EXPECT_TRUE(report->IsBuilt());
    EXPECT_EQ(report->PageCount(), 2);
}

TEST(PageText, EveryTextReadsBackAsItWas) {
    std::string everyByte;
    for (int c = 1; c < 256; ++c) {
        everyByte += static_cast<char>(c);
    }
    const std::vector<std::string> contents{everyByte,
                                            "\"",
                                            "\\",
                                            "\\\"",
                                            "&",
                                            "&amp;",
                                            "&#x41;",
                                            "&quot;",
                                            "<",
                                            ">",
                                            "?>",
                                            "a?>b",
                                            "?"
                                            "?>>",
                                            "</>",
                                            "<text x=\"1\"/>",
                                            "line\r\nbreak\n\r",
                                            "{pagenumber}",
                                            "",
                                            "?",
                                            "\\?>",
                                            "!EMFAAAA"};
    const auto report = MakeReport();
    report->GetFooterRow()->AddTextCell("40", everyByte, everyByte, 1);
    std::int32_t page = 1;
    for (const std::string& content : contents) {
        const auto row = report->AddRow(Mm(5));
        row->AddStyledCell("30%", content, content, 9, 14, kFontItalic);
        row->GetCell(1)->SetFont(content);
        row->GetCell(1)->SetColor(0x123456);
        row->SetPageFeed(page++ % 3 == 0);
    }
    report->AddRow(Mm(5))->SetOrientation(kOrientationLandscape);
    report->AddRow(Mm(5))->AddCell("12,3456%");
    report->Build();
    const std::string saved = report->GetPagesText();

    const auto loaded = MakeReport();
    loaded->LoadPagesFromText(saved);
    ASSERT_EQ(loaded->PageCount(), report->PageCount());
    for (std::int32_t p = 1; p <= report->PageCount(); ++p) {
        const auto a = report->GetPage(p);
        const auto b = loaded->GetPage(p);
        EXPECT_EQ(b->GetOrientation(), a->GetOrientation());
        EXPECT_EQ(b->GetWidth(), a->GetWidth());
        ASSERT_EQ(b->TextCount(), a->TextCount());
        for (std::int32_t t = 1; t <= a->TextCount(); ++t) {
            const auto x = a->GetText(t);
            const auto y = b->GetText(t);
            EXPECT_EQ(y->GetText(), x->GetText());
            EXPECT_EQ(y->GetFrame(), x->GetFrame());
            EXPECT_EQ(y->GetFont(), x->GetFont());
            EXPECT_EQ(y->GetFontSize(), x->GetFontSize());
            EXPECT_EQ(y->GetFontStyle(), x->GetFontStyle());
            EXPECT_EQ(y->GetAlign(), x->GetAlign());
            EXPECT_EQ(y->GetColor(), x->GetColor());
            EXPECT_EQ(y->GetX(), x->GetX());
            EXPECT_EQ(y->GetY(), x->GetY());
            EXPECT_EQ(y->GetW(), x->GetW());
            EXPECT_EQ(y->GetH(), x->GetH());
        }
    }
    EXPECT_EQ(loaded->GetPagesText(), saved);
}

TEST(PageText, FilesAreWrittenWholeAndReadBack) {
    const TempDir dir;
    const auto report = MakeReport();
    AddPageText(*report, 1)->SetText("x");
    const std::filesystem::path name = dir.path() / u8"Отчёты-ü ✓.rp3";
    report->SavePagesToFile(name);
    EXPECT_EQ(ReadFile(name), report->GetPagesText());

    const auto loaded = MakeReport();
    loaded->LoadPagesFromFile(name);
    EXPECT_EQ(loaded->GetFileName(), name);
    EXPECT_EQ(loaded->GetPage(1)->GetText(1)->GetText(), "x");

    loaded->LoadPagesFromFile((dir / "missing.rp3").string());
    EXPECT_TRUE(loaded->IsBuilt());
    EXPECT_EQ(loaded->PageCount(), 0);
    // A device is no file: it gives no pages instead of being read without end.
    loaded->LoadPagesFromFile("/dev/zero");
    EXPECT_EQ(loaded->PageCount(), 0);
    EXPECT_THROW(report->SavePagesToFile((dir / "no" / "such" / "dir.rp3").string()), EAppError);
}
