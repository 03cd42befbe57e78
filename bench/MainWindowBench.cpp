// The main window over 100 000 statements (10 000 firms, 1 000 banks):
// refilling its list beside building the list's texts alone, the memory the
// grid adds beyond the texts, and the start-up from the entry's first step to
// the main window on the screen. Runs on the offscreen platform.
#include "BenchApplication.h"
#include "app/ProgramWindows.h"
#include "controls/VertGrid.h"
#include "report/render/QtReportServices.h"
#include "store/DocumentList.h"
#include "store/Schemas.h"
#include "text/DateTime.h"
#include "text/Format.h"
#include "text/FormatSettings.h"

#include <QWindow>

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
            documents.FieldByName("CashSum").SetFloat((i * 3779LL % 10000000) / 100.0);
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

TProgramWindows& Windows() {
    BenchApplication();
    static TProgramWindows windows(Data().root, Data().root / "program");
    return windows;
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

// What main does before the event loop, until the main window is exposed.
void BM_StartUpToShownWindow(benchmark::State& state) {
    BenchApplication();
    Data();
    for (auto _ : state) {
        InitFormatSettings();
        auto windows = std::make_unique<TProgramWindows>(Data().root, Data().root / "program",
                                                         MakeQtReportServices());
        windows->Show();
        while (!windows->Main().windowHandle() || !windows->Main().windowHandle()->isExposed()) {
            QApplication::processEvents();
        }
        state.PauseTiming();
        windows.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond);

} // namespace
