// The main window over 100 000 statements (10 000 firms, 1 000 banks, ten
// years of 10 000 statements each): refilling its list beside building the
// list's texts alone, the memory the grid adds beyond the texts, the
// start-up from the entry's first step to the main window on the screen,
// finding a statement, and the register of a period from the dialog's OK to
// its first page painted in the preview. Runs on the offscreen platform.
#include "BenchApplication.h"
#include "BenchWindows.h"
#include "FirstPaint.h"
#include "app/ProgramWindows.h"
#include "controls/VertGrid.h"
#include "report/render/QtReportServices.h"
#include "statement/StatementRegister.h"
#include "statement/StatementReport.h"
#include "store/DocumentList.h"
#include "store/Schemas.h"
#include "text/DateTime.h"
#include "text/Format.h"
#include "text/FormatSettings.h"
#include "text/Numbers.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <malloc.h>
#include <memory>

namespace {

constexpr int kStatements = 100000;
constexpr int kFirms = 10000;
constexpr int kBanks = 1000;

void AddNamed(TTable& table, const std::string& name) {
    table.Append();
    table.FieldByName("Name").SetString(name);
    table.Post();
}

// A working and a program directory holding the statements, made once.
struct TBenchData {
    TBenchData() {
        root = std::filesystem::temp_directory_path() / "ved_main_window_bench";
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "program");
        InitFormatSettings();
        TStore store(root, root / "program");
        store.Open();
        for (int i = 1; i <= kFirms; ++i) {
            AddNamed(store.Firms(), Format("ООО \"Торговый дом %d\"", {i}));
        }
        for (int i = 1; i <= kBanks; ++i) {
            AddNamed(store.Banks(), Format("ПАО Банк %d", {i}));
        }
        TTable documents;
        for (TFieldDef& def : DocumentsFieldDefs()) {
            documents.AddFieldDef(std::move(def));
        }
        documents.CreateDataSet();
        for (int i = 0; i < kStatements; ++i) {
            documents.Append();
            documents.FieldByName("Datetime")
                .SetDateTime(
                    *EncodeDateTime(2015 + i % 10, 1 + i % 12, 1 + i % 28, i % 24, i % 60));
            documents.FieldByName("BagNumber").SetString(Format("%d", {100000 + i}));
            documents.FieldByName("FromFirm").SetInteger(1 + (i * 7919LL) % kFirms);
            documents.FieldByName("ToBank").SetInteger(1 + (i * 7907LL) % kBanks);
            // Some notes, coins and two earn sources, as the editor saves them.
            const int notes = 1 + i % 50;
            const int coins = i % 7;
            documents.FieldByName("Cash").SetString(
                Format("<5000>0<2000>0<1000>%d<500>0<200>0<100>0<50>0<10>0<5>0<2>0<1>0<05>0"
                       "<01>%d<005>0<001>0<SI>1<SS1>%d,00",
                       {notes, coins * 10, notes * 1000 + coins}));
            documents.FieldByName("CashSum").SetFloat(notes * 1000 + coins);
            documents.Post();
        }
        documents.MergeChangeLog();
        documents.SaveToFile(store.TablePath(TStoreTable::Documents), TTableVariant::Utf8);
        store.SaveFirms();
        store.SaveBanks();
    }
    ~TBenchData() { std::filesystem::remove_all(root); }
    std::filesystem::path root;
};

const TBenchData& Data() {
    static const TBenchData data;
    return data;
}

// Made on first use, gone before the application (their dialogs need it).
TProgramWindows& Windows() {
    BenchApplication();
    static std::unique_ptr<TProgramWindows> windows;
    if (!windows) {
        windows = std::make_unique<TProgramWindows>(Data().root, Data().root / "program");
        AtBenchEnd([] { windows.reset(); });
    }
    return *windows;
}

void BM_MainListTexts(benchmark::State& state) {
    TStore& store = Windows().Main().Store();
    for (auto _ : state) {
        auto rows = BuildDocumentList(store.Documents(), &store.Firms(), &store.Banks());
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_MainListTexts)->Unit(benchmark::kMillisecond);

void BM_RefreshList(benchmark::State& state) {
    TfmMain& window = Windows().Main();
    window.show();
    for (auto _ : state) {
        window.RefreshList();
    }
}
BENCHMARK(BM_RefreshList)->Unit(benchmark::kMillisecond);

// The heap the grid takes beyond the texts' own blocks: the texts are moved
// into the grid, so what the heap grows by while it is filled is the grid's.
void BM_GridBytesPerCell(benchmark::State& state) {
    TStore& store = Windows().Main().Store();
    for (auto _ : state) {
        state.PauseTiming();
        auto rows = BuildDocumentList(store.Documents(), &store.Firms(), &store.Banks());
        TVertGrid grid;
        grid.SetColCount(5);
        const std::size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        grid.BeginUpdate();
        grid.SetRowCount(static_cast<int>(rows.size()) + 1);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const int row = static_cast<int>(k) + 1;
            grid.SetObject(0, row, static_cast<int>(rows[k].ID));
            grid.SetCell(0, row, std::move(rows[k].Date));
            grid.SetCell(1, row, std::move(rows[k].FirmName));
            grid.SetCell(2, row, std::move(rows[k].BankName));
            grid.SetCell(3, row, std::move(rows[k].BagNumber));
            grid.SetCell(4, row, std::move(rows[k].Sum));
        }
        grid.EndUpdate();
        state.PauseTiming();
        const double added = static_cast<double>(mallinfo2().uordblks) - before;
        state.counters["bytes_per_cell"] = added / (5.0 * (rows.size() + 1));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GridBytesPerCell)->Unit(benchmark::kMillisecond)->Iterations(1);

// Ctrl+F with a bag number only the last statement has: every search walks
// the whole list (the second and later go round from that statement).
void BM_FindInList(benchmark::State& state) {
    TfmMain& window = Windows().Main();
    window.show();
    window.SelectDocument(1);
    const std::string last = Format("%d", {100000 + kStatements - 1});
    for (auto _ : state) {
        window.FindText(last);
    }
    if (window.SelectedID() != kStatements) {
        state.SkipWithError("the statement was not found");
    }
}
BENCHMARK(BM_FindInList)->Unit(benchmark::kMillisecond);

// The register of the first `months` months of 2020 (about 833 statements
// a month) over all 100 000: its variables, the template, the build and the
// first page painted.
void BM_RegisterToFirstPaint(benchmark::State& state) {
    TStore& store = Windows().Main().Store();
    const int months = static_cast<int>(state.range(0));
    const TRegisterQuery query{*EncodeDateTime(2020, 1, 1),
                               *EncodeDateTime(2020 + months / 12, 1 + months % 12, 1) - 1, 0};
    const TReportServices services = MakeQtReportServices();
    ApplyMainWindowFormatSettings();
    std::size_t listed = 0;
    for (auto _ : state) {
        const TVariableList variables = BuildRegisterVariables(store, query);
        const auto report = TReport3::Create(services);
        LoadRegisterReport(*report, variables, VED_DATA_DIR);
        report->Build();
        ShowFirstPage(state, report);
        listed = TextToIntDef(report->GetVariable("Count"), 0);
        state.counters["pages"] = report->PageCount();
    }
    state.counters["statements"] = static_cast<double>(listed);
    InitFormatSettings();
}
BENCHMARK(BM_RegisterToFirstPaint)->Arg(3)->Arg(6)->Arg(12)->Arg(24)->Unit(benchmark::kMillisecond);

// What main does before the event loop, until the main window is exposed.
void BM_StartUpToShownWindow(benchmark::State& state) {
    TimeStartUp(state, Data().root);
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond);

} // namespace
