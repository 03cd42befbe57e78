// report3 --statement: a stored statement printed on the supplied form, as
// the main window prints it, and what it refuses.
#include "report/TReport3.h"
#include "report/render/QtReportServices.h"
#include "report3/Report3Run.h"
#include "statement/DocumentEditorState.h"
#include "store/Store.h"
#include "support/TestSupport.h"
#include "text/Cp1251.h"
#include "text/FormatSettings.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <sstream>
#include <utility>

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

struct TRun {
    int Status = 0;
    std::string Errors; // Windows-1251
};

TRun RunStatement(const std::vector<std::string>& arguments,
                  const TReport3Setting& setting = BuildTreeReport3Setting("1.0.0.0")) {
    std::ostringstream errors;
    std::ostringstream output;
    const int status = Report3Main(arguments, MakeQtReportServices(), setting, output, errors);
    InitFormatSettings();
    return {status, Utf8ToCp1251(errors.str())};
}

// A record with the given field values; its ID.
std::int64_t AddRecord(TTable& table,
                       std::initializer_list<std::pair<const char*, const char*>> fields) {
    table.Append();
    table.FieldByName("Deleted").SetInteger(0);
    for (const auto& [name, value] : fields) {
        table.FieldByName(name).SetString(value);
    }
    table.Post();
    return table.FieldByName("ID").AsInteger();
}

const std::filesystem::path kTemplate(u8"Ведомость.rt3");

// Tables holding one statement: one 5000-rouble note, three 100-rouble
// notes and two 50-kopeck coins on "Торговая выручка", 1 March 2017.
class StatementPrint : public ::testing::Test {
protected:
    void SetUp() override {
        {
            TStore store(dir_.path(), dir_.path());
            ASSERT_TRUE(store.Open().empty());
            const std::int64_t payer = AddRecord(store.Firms(), {{"Name", "ООО Вноситель"}});
            const std::int64_t receiver =
                AddRecord(store.Firms(), {{"Name", "ООО Получатель"},
                                          {"INN", "7707083893"},
                                          {"Account", "40702810900000000001"},
                                          {"CreditAccount", "30101810400000000225"}});
            const std::int64_t fromBank =
                AddRecord(store.Banks(), {{"Name", "Банк А"},
                                          {"BIK", "044525225"},
                                          {"DebitAccount", "20202810000000000001"}});
            const std::int64_t toBank =
                AddRecord(store.Banks(), {{"Name", "Банк Б"}, {"BIK", "044525000"}});
            store.SaveFirms();
            store.SaveBanks();

            TDocumentEditorState editor(store);
            editor.Load(42795.5);
            editor.SetBagNumber("12");
            editor.SetCount(1, "1");
            editor.SetCount(6, "3");
            editor.SetCount(12, "2");
            editor.SetField39("Поле для банка");
            editor.Select(TEditorList::FromFirm, payer);
            editor.Select(TEditorList::ToFirm, receiver);
            editor.Select(TEditorList::FromBank, fromBank);
            editor.Select(TEditorList::ToBank, toBank);
            ASSERT_TRUE(editor.Check().Passed);
            ASSERT_TRUE(editor.Save());
            id_ = std::to_string(editor.DocumentID());
        }
        InitFormatSettings();
        std::filesystem::copy_file(testing_support::SourceDir() / "data" / kTemplate,
                                   dir_.path() / kTemplate);
    }

    std::vector<std::string> Arguments(const std::string& output) const {
        return {"--statement",        id_,  "--tables",
                dir_.path().string(), "-o", (dir_ / output).string()};
    }

    TempDir dir_;
    std::string id_;
};

struct TPlaced {
    std::string Text;
    std::int64_t X, Y, W, H; // 1/10000 mm
};

std::vector<TPlaced> TextsOfOnlyPage(const std::filesystem::path& pages) {
    const auto report = TReport3::Create();
    report->LoadPagesFromFile(pages.string());
    EXPECT_EQ(report->PageCount(), 1);
    std::vector<TPlaced> texts;
    const auto page = report->GetPage(1);
    for (std::int32_t i = 1; i <= page->TextCount(); ++i) {
        const auto text = page->GetText(i);
        texts.push_back({text->GetText(), text->GetX(), text->GetY(), text->GetW(), text->GetH()});
    }
    return texts;
}

// The texts standing right beside (or right under) every text `label`.
std::vector<std::string> Beside(const std::vector<TPlaced>& texts, const std::string& label,
                                bool under = false) {
    std::vector<std::string> found;
    for (const TPlaced& anchor : texts) {
        if (anchor.Text != label) {
            continue;
        }
        for (const TPlaced& other : texts) {
            const bool right = other.X == anchor.X + anchor.W && other.Y == anchor.Y;
            const bool below = other.X == anchor.X && other.Y == anchor.Y + anchor.H;
            if (under ? below : right) {
                found.push_back(other.Text);
            }
        }
    }
    return found;
}

std::vector<std::string> Thrice(const std::string& text) {
    return {text, text, text};
}

} // namespace

TEST_F(StatementPrint, EveryValueStandsBesideItsLabelOnAllThreeSheets) {
    const TRun run = RunStatement(Arguments("out.rp3"));
    ASSERT_EQ(run.Status, kExitSuccess) << run.Errors;
    const std::vector<TPlaced> texts = TextsOfOnlyPage(dir_ / "out.rp3");

    EXPECT_EQ(Beside(texts, "Дата"), Thrice("«01» марта 2017 г."));
    EXPECT_EQ(Beside(texts, "От кого"), Thrice("ООО Вноситель"));
    EXPECT_EQ(Beside(texts, "Банк-вноситель"), Thrice("Банк А"));
    EXPECT_EQ(Beside(texts, "Счет № (дебет)"), Thrice("20202810000000000001"));
    EXPECT_EQ(Beside(texts, "Получатель"), Thrice("ООО Получатель"));
    EXPECT_EQ(Beside(texts, "ИНН"), Thrice("7707083893"));
    EXPECT_EQ(Beside(texts, "№ расчетн. счета"), Thrice("40702810900000000001"));
    EXPECT_EQ(Beside(texts, "№ счета (кредит)"), Thrice("30101810400000000225"));
    EXPECT_EQ(Beside(texts, "Банк-получатель"), Thrice("Банк Б"));
    const std::vector<std::string> biks{"044525225", "044525000", "044525225",
                                        "044525000", "044525225", "044525000"};
    EXPECT_EQ(Beside(texts, "БИК"), biks);
    EXPECT_EQ(Beside(texts, "Источник поступления"), Thrice("Торговая выручка"));
    EXPECT_EQ(Beside(texts, "Сумма прописью", true),
              Thrice(" Пять тысяч триста один рубль 00 копеек")); // kept off the frame
    EXPECT_EQ(Beside(texts, "Сумма цифрами", true), Thrice("5 301,00"));
    // The symbol table: the used source in its first row, the others empty.
    EXPECT_EQ(Beside(texts, "Символ", true), Thrice("02"));
    EXPECT_EQ(Beside(texts, "Сумма", true), Thrice("5 301,00"));
    EXPECT_EQ(Beside(texts, "02", true), Thrice(""));

    // The inventory: counts and sums beside their denominations, the
    // denominations without cash left empty.
    EXPECT_EQ(Beside(texts, "5000 руб."), std::vector<std::string>{"1"});
    EXPECT_EQ(Beside(texts, "1"), std::vector<std::string>{"5 000,00"});
    EXPECT_EQ(Beside(texts, "100 руб."), std::vector<std::string>{"3"});
    EXPECT_EQ(Beside(texts, "3"), std::vector<std::string>{"300,00"});
    EXPECT_EQ(Beside(texts, "50 коп."), std::vector<std::string>{"2"});
    EXPECT_EQ(Beside(texts, "2"), std::vector<std::string>{"1,00"});
    EXPECT_EQ(Beside(texts, "2000 руб."), std::vector<std::string>{""});
    EXPECT_EQ(Beside(texts, "Итого"), std::vector<std::string>{"5 301,00"});
    EXPECT_EQ(Beside(texts, "Поле № 39", true), std::vector<std::string>{"Поле для банка"});

    std::vector<std::string> captions;
    for (const TPlaced& text : texts) {
        if (text.Text.find("К СУМКЕ") != std::string::npos) {
            captions.push_back(text.Text);
        }
    }
    const std::vector<std::string> expected{"ПРЕПРОВОДИТЕЛЬНАЯ ВЕДОМОСТЬ К СУМКЕ № 12",
                                            "НАКЛАДНАЯ К СУМКЕ № 12", "КВИТАНЦИЯ К СУМКЕ № 12"};
    EXPECT_EQ(captions, expected);
}

TEST_F(StatementPrint, TheWholeFormFitsOnOnePageInsideTheMargins) {
    const TRun run = RunStatement(Arguments("out.rp3"));
    ASSERT_EQ(run.Status, kExitSuccess) << run.Errors;
    EXPECT_EQ(run.Errors, ""); // no row failed to be placed
    int cuts = 0;
    for (const TPlaced& text : TextsOfOnlyPage(dir_ / "out.rp3")) {
        EXPECT_GE(text.X, 80000) << text.Text;
        EXPECT_GE(text.Y, 80000) << text.Text;
        EXPECT_LE(text.X + text.W, 2020000) << text.Text;
        EXPECT_LE(text.Y + text.H, 2890000) << text.Text;
    }
    const std::string pages = ReadFile(dir_ / "out.rp3");
    for (std::size_t at = pages.find("frame=\"0a0a0a1c\""); at != std::string::npos;
         at = pages.find("frame=\"0a0a0a1c\"", at + 1)) {
        ++cuts;
    }
    EXPECT_EQ(cuts, 2); // dashed cut lines between the three sheets
}

TEST_F(StatementPrint, EveryOutputFormOfTheCommandWorks) {
    for (const char* output : {"out.xml", "out.csv"}) {
        const TRun run = RunStatement(Arguments(output));
        EXPECT_EQ(run.Status, kExitSuccess) << output << run.Errors;
        EXPECT_NE(ReadFile(dir_ / output).find("5 301,00"), std::string::npos) << output;
    }
}

namespace {

// The lines of `text` holding every one of `pieces`.
int LinesWithAll(const std::string& text, std::initializer_list<std::string> pieces) {
    int count = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        bool all = true;
        for (const std::string& piece : pieces) {
            all = all && line.find(piece) != std::string::npos;
        }
        count += all ? 1 : 0;
        start = end + 1;
    }
    return count;
}

} // namespace

TEST_F(StatementPrint, PdfReadsBackWithEveryValueOnItsLine) {
    if (!testing_support::HaveProgram("pdftotext") || !testing_support::HaveProgram("pdfinfo")) {
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) are not installed";
    }
    const std::string program = std::string(std::getenv("VED_BINARY_DIR")) + "/bin/report3";
    const std::filesystem::path pdf = dir_ / "out.pdf";
    std::string command = "'" + program + "'";
    for (const std::string& argument : Arguments("out.pdf")) {
        command += " '" + argument + "'";
    }
    ASSERT_EQ(testing_support::RunCommand(command + " 2>'" + (dir_ / "err").string() + "'"), 0)
        << ReadFile(dir_ / "err");
    if (ReadFile(pdf).rfind("%PDF", 0) != 0) {
        GTEST_SKIP() << "this build of report3 writes no PDF";
    }
    ASSERT_EQ(testing_support::RunCommand("pdfinfo '" + pdf.string() + "' >'" +
                                          (dir_ / "info").string() + "'"),
              0);
    const std::string info = ReadFile(dir_ / "info");
    const std::size_t pages = info.find("Pages:");
    ASSERT_NE(pages, std::string::npos) << info;
    const std::size_t count = info.find_first_not_of(' ', pages + 6);
    EXPECT_EQ(info.substr(count, info.find('\n', count) - count), "1") << info;
    ASSERT_EQ(testing_support::RunCommand("pdftotext -layout '" + pdf.string() + "' '" +
                                          (dir_ / "out.txt").string() + "'"),
              0);
    const std::string text = Utf8ToCp1251(ReadFile(dir_ / "out.txt"));
    EXPECT_EQ(LinesWithAll(text, {"ПРЕПРОВОДИТЕЛЬНАЯ ВЕДОМОСТЬ К СУМКЕ № 12", "0402300"}), 1)
        << text;
    EXPECT_EQ(LinesWithAll(text, {"НАКЛАДНАЯ К СУМКЕ № 12"}), 1);
    EXPECT_EQ(LinesWithAll(text, {"КВИТАНЦИЯ К СУМКЕ № 12"}), 1);
    EXPECT_EQ(LinesWithAll(text, {"Дата", "«01» марта 2017 г."}), 3);
    EXPECT_EQ(LinesWithAll(text, {"От кого", "ООО Вноситель"}), 3);
    EXPECT_EQ(LinesWithAll(text, {"Банк-вноситель", "Банк А", "БИК", "044525225"}), 3);
    EXPECT_EQ(LinesWithAll(text, {"Получатель", "ООО Получатель", "ИНН", "7707083893"}), 3);
    // Beside the symbol table the reader may take the first account to the
    // table's row, a few pixels higher, so each number is counted alone.
    EXPECT_EQ(LinesWithAll(text, {"40702810900000000001"}), 3);
    EXPECT_EQ(LinesWithAll(text, {"30101810400000000225"}), 3);
    EXPECT_EQ(LinesWithAll(text, {"Банк-получатель", "Банк Б", "044525000"}), 3);
    EXPECT_EQ(LinesWithAll(text, {"Источник поступления", "Торговая выручка"}), 3);
    EXPECT_EQ(LinesWithAll(text, {"Пять тысяч триста один рубль 00 копеек"}), 3);
    EXPECT_EQ(LinesWithAll(text, {"02", "5 301,00"}), 3);
    EXPECT_EQ(LinesWithAll(text, {"5000 руб.", "1", "5 000,00"}), 1);
    EXPECT_EQ(LinesWithAll(text, {"100 руб.", "3", "300,00"}), 1);
    EXPECT_EQ(LinesWithAll(text, {"50 коп.", "2", "1,00"}), 1);
    EXPECT_EQ(LinesWithAll(text, {"Итого", "5 301,00"}), 1);
    EXPECT_EQ(LinesWithAll(text, {"Поле для банка"}), 1);
}

TEST_F(StatementPrint, AFolderOfAnyNameHoldsTheTablesAndTheOutput) {
    const std::filesystem::path folder = dir_.path() / u8"Отчёты-ü ✓";
    std::filesystem::create_directory(folder);
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
        if (entry.is_regular_file()) {
            std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
        }
    }
    const std::filesystem::path output = folder / u8"✓.pdf";
    const TRun run =
        RunStatement({"--statement", id_, "--tables", folder.string(), "-o", output.string()});
    EXPECT_EQ(run.Status, kExitSuccess) << run.Errors;
    EXPECT_EQ(ReadFile(output).substr(0, 5), "%PDF-");
}

TEST_F(StatementPrint, MissingStatementTemplateOrTablesFailWithAMessage) {
    std::vector<std::string> arguments = Arguments("out.rp3");
    arguments[1] = "999";
    TRun run = RunStatement(arguments);
    EXPECT_EQ(run.Status, kExitFailure);
    EXPECT_EQ(run.Errors, "Ведомость с ID 999 не найдена\n");

    std::filesystem::remove(dir_.path() / kTemplate);
    run = RunStatement(Arguments("out.rp3"));
    EXPECT_EQ(run.Status, kExitFailure);
    EXPECT_NE(run.Errors.find("Не найден шаблон ведомости \"Ведомость.rt3\""), std::string::npos)
        << run.Errors;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "out.rp3"));

    // A folder without tables is left as it was.
    const TempDir empty;
    run = RunStatement(
        {"--statement", "1", "--tables", empty.path().string(), "-o", (dir_ / "out.rp3").string()});
    EXPECT_EQ(run.Status, kExitFailure);
    EXPECT_NE(run.Errors.find("Documents.xml"), std::string::npos) << run.Errors;
    EXPECT_TRUE(std::filesystem::is_empty(empty.path()));
}

TEST_F(StatementPrint, TheInstalledCommandReadsTheProgramsDataFolder) {
    const TempDir data;
    const std::filesystem::path folder = data / "vedomost";
    std::filesystem::copy(dir_.path(), folder);
    WriteFile(folder / "Data.txt", "Источники {\n  1 {\n    Наименование='Выручка из папки'\n"
                                   "    Символ='02'\n  }\n}\n");
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path().string()));
    const TReport3Setting installed = InstalledReport3Setting("1.0.0.0");
    qputenv("XDG_DATA_HOME", saved);
    EXPECT_EQ(installed.Tables, folder);

    const std::filesystem::path output = dir_ / "installed.rp3";
    TRun run = RunStatement({"--statement", id_, "-o", output.string()}, installed);
    ASSERT_EQ(run.Status, kExitSuccess) << run.Errors;
    EXPECT_EQ(Beside(TextsOfOnlyPage(output), "Источник поступления"), Thrice("Выручка из папки"));

    // With --tables, "Data.txt" comes from that folder too.
    std::filesystem::remove(folder / "Data.txt");
    run = RunStatement({"--statement", id_, "--tables", folder.string(), "-o", output.string()},
                       installed);
    ASSERT_EQ(run.Status, kExitSuccess) << run.Errors;
    EXPECT_EQ(Beside(TextsOfOnlyPage(output), "Источник поступления"), Thrice("Торговая выручка"));
}

TEST(Report3StatementOptions, TakeOnlyTheTablesFolderAndTheOutput) {
    const std::vector<std::vector<std::string>> bad{
        {"--statement", "0", "-o", "x"},
        {"--statement", "abc", "-o", "x"},
        {"--statement", "1", "t.rt3", "-o", "x"},
        {"--statement", "1", "-D", "A=1", "-o", "x"},
        {"--statement", "1", "--margins", "1,1,1,1", "-o", "x"},
        {"--statement", "1", "--pages", "p.rp3", "-o", "x"},
        {"--tables", ".", "t.rt3", "-o", "x"},
        {"--statement", "1"},
    };
    for (const auto& arguments : bad) {
        EXPECT_EQ(RunStatement(arguments).Status, kExitUsage) << arguments[1];
    }
}
