// The report3 command: its command line, its choice of output and whole runs.
#include "report/TReport3.h"
#include "report/render/QtReportServices.h"
#include "report3/Report3Run.h"
#include "support/TestSupport.h"
#include "text/Cp1251.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::W;
using testing_support::WriteFile;

namespace {

struct TRun {
    int Status = 0;
    std::string Errors; // UTF-8
    std::string Output; // UTF-8
};

TRun RunCommandLine(const std::vector<std::string>& arguments) {
    std::ostringstream output;
    std::ostringstream errors;
    const int status = Report3Main(arguments, MakeQtReportServices(),
                                   BuildTreeReport3Setting("1.2.3.4"), output, errors);
    return {status, errors.str(), output.str()};
}

std::string Utf8(const std::string& cp1251) {
    return Cp1251ToUtf8(cp1251);
}

} // namespace

TEST(Report3Options, ReadsEveryOption) {
    const auto options =
        ParseReport3Arguments({"-D", "A=1", "-DB=x=y", "--margins", "8,9,10,11", "--page-numbers",
                               "--report-code", Utf8("код"), "t.rt3", "-o", "out.rp3"});
    const std::vector<std::pair<std::string, std::string>> variables{{"A", "1"}, {"B", "x=y"}};
    EXPECT_EQ(options.Variables, variables);
    EXPECT_EQ(options.Margins, (TIntRect{8, 9, 10, 11}));
    EXPECT_TRUE(options.PageNumbers);
    EXPECT_EQ(options.ReportCode, "код");
    EXPECT_EQ(options.TemplateFile, "t.rt3");
    EXPECT_EQ(options.Output, "out.rp3");
}

TEST(Report3Options, RefusesMalformedCommandLines) {
    const std::vector<std::vector<std::string>> bad{
        {},
        {"t.rt3"},
        {"-o", "x"},
        {"a.rt3", "b.rt3", "-o", "x"},
        {"--pages", "p.rp3", "t.rt3", "-o", "x"},
        {"-D", "=1", "t.rt3", "-o", "x"},
        {"-D", "novalue", "t.rt3", "-o", "x"},
        {"--margins", "1,2,3", "t.rt3", "-o", "x"},
        {"--margins", "1,2,3,-4", "t.rt3", "-o", "x"},
        {"--margins", "1,2,3,4,5", "t.rt3", "-o", "x"},
        {"--bogus", "t.rt3", "-o", "x"},
        {"t.rt3", "-o"},
    };
    for (const auto& arguments : bad) {
        EXPECT_THROW(ParseReport3Arguments(arguments), EUsageError) << arguments.size();
        EXPECT_EQ(RunCommandLine(arguments).Status, kExitUsage);
    }
}

TEST(Report3Options, HelpAndVersionAnswerOnTheOutputAndDoNothingElse) {
    const TempDir dir;
    // Whatever else the line holds; no output file is made.
    TRun run = RunCommandLine({"-D", "A=1", "--version", "t.rt3", "-o", (dir / "x.pdf").string()});
    EXPECT_EQ(run.Status, kExitSuccess);
    EXPECT_EQ(run.Output, "report3 1.2.3.4\n");
    EXPECT_EQ(run.Errors, "");
    run = RunCommandLine({"--help"});
    EXPECT_EQ(run.Status, kExitSuccess);
    EXPECT_EQ(run.Output, Utf8(Report3Usage()));
    EXPECT_NE(run.Output.find("report3 --help | --version"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(Report3Run, BuildsATemplateIntoPageText) {
    const TempDir dir;
    WriteFile(dir / "t.rt3", "row(h=7) { cell(w=\"50%\", text=\"{Name}\"); }");
    const std::string output = (dir / "out.rp3").string();
    const TRun run = RunCommandLine({"-D", Utf8("Name=Иванов"), "--margins", "0,0,0,0",
                                     (dir / "t.rt3").string(), "-o", output});
    EXPECT_EQ(run.Status, kExitSuccess) << run.Errors;
    EXPECT_EQ(ReadFile(output),
              "<page orientation=\"portrait\">\r\n"
              "  <text x=\"0\" y=\"0\" w=\"105\" h=\"7\" text=\"Иванов\" frame=\"\" font=\"Arial\" "
              "fontsize=\"10\" fontstyle=\"\" align=\"5\"/>\r\n"
              "</>\r\n");
}

TEST(Report3Run, TemplateErrorsLeaveNoOutput) {
    const TempDir dir;
    WriteFile(dir / "t.rt3", "row() { rows(); }");
    const std::string output = (dir / "out.rp3").string();
    const TRun run = RunCommandLine({(dir / "t.rt3").string(), "-o", output});
    EXPECT_EQ(run.Status, kExitFailure);
    EXPECT_EQ(run.Errors, Utf8("Недопустимый раздел: rows\n"));
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST(Report3Run, MissingInputsFail) {
    const TempDir dir;
    EXPECT_EQ(RunCommandLine({(dir / "none.rt3").string(), "-o", (dir / "o.rp3").string()}).Status,
              kExitFailure);
    EXPECT_EQ(
        RunCommandLine({"--pages", (dir / "none.rp3").string(), "-o", (dir / "o.rp3").string()})
            .Status,
        kExitFailure);
}

TEST(Report3Run, WritesEveryFormByTheOutputNameInAnyFolder) {
    // A folder name Windows-1251 has no letters for is kept to the file call.
    const TempDir base;
    const std::filesystem::path dir = base.path() / u8"Отчёты-ü ✓";
    std::filesystem::create_directory(dir);
    WriteFile(dir / "t.rt3",
              "row(h=7) { cell(w=\"50%\", text=\"A\", frame=\"1\"); }\n"
              "row(h=7, pageorientation=\"landscape\") { cell(w=\"50%\", text=\"B\"); }");
    for (const char* name : {"o.zip", "o.pdf", "o.png", "o.xml", "o.csv", "o.rp3"}) {
        const TRun run = RunCommandLine({(dir / "t.rt3").string(), "-o", (dir / name).string()});
        EXPECT_EQ(run.Status, kExitSuccess) << name << run.Errors;
        if (std::string_view(name) != "o.png") {
            EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
        }
    }
    const std::string archive = ReadFile(dir / "o.zip");
    EXPECT_LT(archive.find("Page_001.emf"), archive.find("Page_002.emf"));
    EXPECT_NE(archive.find("Page_002.emf"), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "o.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(QImage(QString::fromStdString((dir / "o-001.png").string())).size(),
              QSize(840, 1188));
    EXPECT_EQ(QImage(QString::fromStdString((dir / "o-002.png").string())).size(),
              QSize(1188, 840));
    EXPECT_FALSE(std::filesystem::exists(dir / "o-003.png"));
}

TEST(Report3Run, AReportWithoutPagesGivesNoPdf) {
    const TempDir dir;
    WriteFile(dir / "t.rt3", "");
    const TRun run = RunCommandLine({(dir / "t.rt3").string(), "-o", (dir / "o.pdf").string()});
    EXPECT_EQ(run.Status, kExitFailure);
    EXPECT_EQ(run.Errors, Utf8("В отчете нет страниц\n"));
    EXPECT_FALSE(std::filesystem::exists(dir / "o.pdf"));
}

TEST(Report3Run, PagesAreLoadedAndSavedAgain) {
    const TempDir dir;
    const std::string pages =
        "<page orientation=\"landscape\">\r\n"
        "  <text x=\"1,5\" y=\"2\" w=\"3\" h=\"4\" text=\"a\\\"b\" frame=\"1\" "
        "font=\"Arial\" fontsize=\"9\" fontstyle=\"bold;\" align=\"1\" "
        "color=\"255\"/>\r\n"
        "</>\r\n";
    WriteFile(dir / "in.rp3", pages);
    const TRun run =
        RunCommandLine({"--pages", (dir / "in.rp3").string(), "-o", (dir / "out.rp3").string()});
    EXPECT_EQ(run.Status, kExitSuccess) << run.Errors;
    EXPECT_EQ(ReadFile(dir / "out.rp3"), pages);
}

TEST(Report3Command, RunsTheSampleTemplateWithoutADisplay) {
    const TempDir dir;
    const std::string program = std::string(std::getenv("VED_BINARY_DIR")) + "/bin/report3";
    const std::string sample = (testing_support::SourceDir() / "data" / "sample.rt3").string();
    const std::string output = (dir / "sample.rp3").string();
    const std::string command = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY '" + program +
                                "' -D 'Title=" + Utf8("Ведомость") +
                                "' -D 'Signer=" + Utf8("Петров П. П.") + "' --page-numbers '" +
                                sample + "' -o '" + output + "' 2>'" + (dir / "err").string() + "'";
    ASSERT_EQ(testing_support::RunCommand(command), 0) << ReadFile(dir / "err");

    // Page-level texts such as the page number are not saved.
    const auto report = TReport3::Create();
    report->LoadPagesFromFile(output);
    ASSERT_EQ(report->PageCount(), 1);
    const auto page = report->GetPage(1);
    std::vector<std::string> texts;
    for (std::int32_t i = 1; i <= page->TextCount(); ++i) {
        texts.push_back(page->GetText(i)->GetText());
    }
    const std::vector<std::string> expected{
        "Ведомость", "№",     "Наименование", "Сумма",   "1",           "Позиция 1",
        "100,00",    "2",     "Позиция 2",    "200,00",  "3",           "Позиция 3",
        "300,00",    "Итого", "600,00",       "Подпись", "Петров П. П."};
    EXPECT_EQ(texts, expected);
    // The signature's free text lies 2 mm right of and 12 mm below its cell.
    const auto signature = page->GetText(page->TextCount());
    EXPECT_EQ(signature->GetX(), 120000);
    EXPECT_EQ(signature->GetY(), page->GetText(page->TextCount() - 1)->GetY() + 120000);
}
