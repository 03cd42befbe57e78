// The form a report is saved in, chosen by its file name.
#include "report/render/ReportSaving.h"

#include <gtest/gtest.h>

TEST(ReportSaveForm, FirstKnownExtensionAnywhereInTheNameDecides) {
    EXPECT_EQ(SaveFormFor("report.xml.rp3"), TSaveForm::Workbook);
    EXPECT_EQ(SaveFormFor("C:/A.XML"), TSaveForm::Workbook);
    EXPECT_EQ(SaveFormFor("a.zip.xml"), TSaveForm::Workbook);
    EXPECT_EQ(SaveFormFor("pages.zip.csv"), TSaveForm::PageImages);
    EXPECT_EQ(SaveFormFor("a.zip.pdf"), TSaveForm::PageImages);
    EXPECT_EQ(SaveFormFor("cells.csv"), TSaveForm::SeparatedValues);
    EXPECT_EQ(SaveFormFor("a.csv.rp3"), TSaveForm::SeparatedValues);
    EXPECT_EQ(SaveFormFor("form.pdf.rp3"), TSaveForm::Pdf);
    EXPECT_EQ(SaveFormFor("form.PDF"), TSaveForm::Pdf);
    EXPECT_EQ(SaveFormFor("form"), TSaveForm::PageText);
}

TEST(ReportSaveForm, PicturesOnlyWhereAskedForAndOnlyAtTheEnd) {
    EXPECT_EQ(SaveFormFor("form.png"), TSaveForm::PageText);
    EXPECT_EQ(SaveFormFor("page.Png", true), TSaveForm::Png);
    EXPECT_EQ(SaveFormFor("a.png.rp3", true), TSaveForm::PageText);
    EXPECT_EQ(SaveFormFor("a.xml.png", true), TSaveForm::Workbook);
    EXPECT_EQ(SaveFormFor("a", true), TSaveForm::PageText);
}
