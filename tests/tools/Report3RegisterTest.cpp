// The register's template is a plain template: report3, given the variables
// the program binds, lays out the very pages the program's preview shows.
#include "report/TReport3.h"
#include "report/render/QtReportServices.h"
#include "report3/Report3Run.h"
#include "report3/Report3Setting.h"
#include "statement/DocumentEditorState.h"
#include "statement/StatementRegister.h"
#include "statement/StatementReport.h"
#include "store/Store.h"
#include "support/TableSupport.h"
#include "support/TestSupport.h"
#include "text/FormatSettings.h"
#include "text/Paths.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(Report3Register, LaysOutThePagesTheProgramShows) {
    const testing_support::TempDir dir;
    testing_support::CopyShippedTemplates(dir.path());
    ApplyMainWindowFormatSettings();
    TStore store(dir.path(), dir.path());
    ASSERT_TRUE(store.Open().empty());
    testing_support::AddFirstFirmAndBank(store);
    for (int i = 0; i < 70; ++i) {
        TDocumentEditorState editor(store);
        editor.Load(*EncodeDateTime(2024, 4, 1 + i % 30, 9));
        editor.SetBagNumber("B" + std::to_string(i));
        editor.SetCount(1 + i % 15, "3");
        ASSERT_TRUE(editor.Save());
    }
    const TVariableList variables = BuildRegisterVariables(
        store, {*EncodeDateTime(2024, 4, 1), *EncodeDateTime(2024, 4, 30), 0});

    const auto program = TReport3::Create(MakeQtReportServices());
    LoadRegisterReport(*program, variables, dir.path());
    program->Build();
    ASSERT_GE(program->PageCount(), 2);

    TReport3Options options;
    options.Variables = variables;
    options.Margins = kStatementMargins;
    options.TemplateFile =
        testing_support::SourceDir() / "data" / std::filesystem::path(u8"Реестр.rt3");
    options.Output = dir.path() / "register.rp3";
    std::ostringstream errors;
    const TReport3Setting setting = BuildTreeReport3Setting("1.0.0.0");
    EXPECT_EQ(RunReport3(options, MakeQtReportServices(), setting, errors), kExitSuccess)
        << errors.str();
    EXPECT_EQ(testing_support::ReadFile(dir.path() / "register.rp3"), program->GetPagesText());

    // It is saved in every form the preview offers.
    for (const char* name : {"register.xml", "register.csv", "register.zip", "register.pdf"}) {
        options.Output = dir.path() / name;
        EXPECT_EQ(RunReport3(options, MakeQtReportServices(), setting, errors), kExitSuccess)
            << errors.str();
        EXPECT_GT(std::filesystem::file_size(dir.path() / name), 0u) << name;
    }
    EXPECT_NE(testing_support::ReadFile(dir.path() / "register.csv").find("B69"),
              std::string::npos);
    InitFormatSettings();
}
