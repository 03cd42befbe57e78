// What the exports write to files, and what report3 writes for a template
// with merged cells, read back by an XML parser and, where one is installed,
// by a real spreadsheet program.
#include "report/export/ReportExport.h"

#include "report/ReportTestSupport.h"
#include "support/TestSupport.h"
#include "text/Cp1251.h"
#include "text/Errors.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

using testing_support::HaveProgram;
using testing_support::ReadFile;
using testing_support::RunCommand;
using testing_support::TempDir;

namespace {

std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// Runs report3 on the merged-cells sample; the output's path.
std::filesystem::path RunReport3(const TempDir& dir, const std::string& outputName) {
    const std::string program = std::string(std::getenv("VED_BINARY_DIR")) + "/bin/report3";
    const auto sample = testing_support::SourceDir() / "data" / "merged.rt3";
    const auto output = dir / outputName;
    const std::string command = "'" + program + "' " + Quoted(sample) + " -o " + Quoted(output) +
                                " 2>" + Quoted(dir / "err");
    EXPECT_EQ(RunCommand(command), 0) << ReadFile(dir / "err");
    return output;
}

bool IsWellFormedXml(const std::filesystem::path& file) {
    return RunCommand(
               "python3 -c \"import xml.dom.minidom,sys; xml.dom.minidom.parse(sys.argv[1])\" " +
               Quoted(file)) == 0;
}

const char* SpreadsheetProgram() {
    for (const char* name : {"libreoffice", "soffice"})
        if (HaveProgram(name))
            return name;
    return nullptr;
}

// Converts the workbook with the spreadsheet program into `format` in `outDir`.
void Convert(const char* program, const TempDir& dir, const std::filesystem::path& workbook,
             const std::string& format, const std::string& outDir) {
    // A profile of its own, so that no other run of the program gets in the way.
    const std::string command = std::string(program) + " -env:UserInstallation=file://" +
                                (dir / "profile").string() + " --headless --convert-to '" + format +
                                "' --outdir " + Quoted(dir / outDir) + " " + Quoted(workbook) +
                                " >" + Quoted(dir / "convert.log") + " 2>&1";
    ASSERT_EQ(RunCommand(command), 0) << ReadFile(dir / "convert.log");
}

} // namespace

TEST(SpreadsheetPeer, Report3WritesTheSeparatedValuesOfTheSample) {
    const TempDir dir;
    const auto output = RunReport3(dir, "merged.csv");
    EXPECT_EQ(ReadFile(output), testing_support::W(u8"Банк;Сумма;\r\nКупюры;Монеты;\r\n"
                                                   u8"Сбербанк;1000,00;5,50;\r\n"
                                                   u8"Итого & <всего>;\r\n"));
}

TEST(SpreadsheetPeer, TheWorkbookIsWellFormedXml) {
    const TempDir dir;
    const auto output = RunReport3(dir, "merged.xml");
    ASSERT_TRUE(HaveProgram("python3"));
    EXPECT_TRUE(IsWellFormedXml(output));
    const std::string text = ReadFile(output);
    EXPECT_NE(text.find(reinterpret_cast<const char*>(u8"Итого &amp; &lt;всего&gt;")),
              std::string::npos);
}

TEST(ExportFiles, EveryByteOfTheTextsStillMakesAWellFormedWorkbook) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const auto report = report_test::MakeReport();
    const auto row = report->AddRow(report_test::Mm(5));
    const auto cell = row->AddCell("40");
    cell->SetText(all);
    cell->SetFont(all);
    cell->SetFrame(all.substr(0, 8));
    row->AddCell("0")->SetText(all);
    const TempDir dir;
    ExportWorkbook(*report, (dir / "all.xml").string());
    ExportText(*report, (dir / "all.csv").string());
    ASSERT_TRUE(HaveProgram("python3"));
    EXPECT_TRUE(IsWellFormedXml(dir / "all.xml"));
    EXPECT_EQ(ReadFile(dir / "all.xml"), BuildWorkbook(*report).WorkbookText());
    EXPECT_EQ(ReadFile(dir / "all.csv"), all + ";" + all + ";\r\n");
}

TEST(ExportFiles, AFileThatCannotBeWrittenIsAnErrorAndNoCrash) {
    const auto report = report_test::MakeReport();
    const TempDir dir;
    const std::string missing = (dir / "no" / "such" / "dir.xml").string();
    EXPECT_THROW(ExportWorkbook(*report, missing), EFileError);
    EXPECT_THROW(ExportText(*report, missing), EFileError);
}

TEST(ExportFiles, AReadOnlyFileIsNeverReplaced) {
    const auto report = report_test::MakeReport();
    report->AddRow(report_test::Mm(5))->AddCell("40")->SetText("new");
    report->Build();
    const TempDir dir;
    const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> writers = {
        {"book.xml", [&](const std::string& name) { ExportWorkbook(*report, name); }},
        {"cells.csv", [&](const std::string& name) { ExportText(*report, name); }},
        {"pages.rp3", [&](const std::string& name) { report->SavePagesToFile(name); }},
    };
    for (const auto& [fileName, write] : writers) {
        const std::string name = (dir / fileName).string();
        testing_support::WriteFile(name, "old");
        std::filesystem::permissions(name, std::filesystem::perms(0444));
        try {
            write(name);
            ADD_FAILURE() << fileName << " was replaced";
        } catch (const EFileError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Cannot create file \"" + name + "\". Permission denied");
        }
        EXPECT_EQ(ReadFile(name), "old") << fileName;
    }
}

TEST(SpreadsheetPeer, ASpreadsheetProgramReadsTheCellsAndMerges) {
    const char* program = SpreadsheetProgram();
    if (program == nullptr)
        GTEST_SKIP() << "No spreadsheet program (libreoffice or soffice) on the PATH: "
                        "scripts/install-deps --test installs libreoffice-calc-nogui, which "
                        "opens the workbook in this test";
    const TempDir dir;
    const auto workbook = RunReport3(dir, "merged.xml");

    Convert(program, dir, workbook, "csv:Text - txt - csv (StarCalc):59,34,76,1", "csv");
    // Versions differ in whether they quote text cells; the texts are what counts.
    std::string cells = ReadFile(dir / "csv" / "merged.csv");
    std::erase(cells, '"');
    EXPECT_EQ(cells, reinterpret_cast<const char*>(u8"Банк;Сумма;\n;Купюры;Монеты\n"
                                                   u8"Сбербанк;1000,00;5,50\nИтого & <всего>;;\n"));

    Convert(program, dir, workbook, "xlsx", "xlsx");
    ASSERT_EQ(RunCommand("cd " + Quoted(dir.path()) + " && unzip -p xlsx/merged.xlsx " +
                         "xl/worksheets/sheet1.xml >sheet.xml"),
              0);
    const std::string sheet = ReadFile(dir / "sheet.xml");
    for (const char* merge :
         {"<mergeCell ref=\"A1:A2\"/>", "<mergeCell ref=\"B1:C1\"/>", "<mergeCell ref=\"A4:C4\"/>"})
        EXPECT_NE(sheet.find(merge), std::string::npos) << merge << "\n" << sheet;
}
