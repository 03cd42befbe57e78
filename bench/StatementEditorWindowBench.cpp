// One key typed into a count cell of the statement editor's window, as the
// user types it: the key filtered, the cell written, the cash total
// recomputed, the earn sources balanced and the labels and amounts shown, on
// a full statement (every count filled, five sources with amounts).
#include "BenchApplication.h"
#include "BenchWindows.h"
#include "controls/VertGrid.h"
#include "statement/EarnSources.h"
#include "statement/ui/TfmDocumentEditor.h"
#include "store/Store.h"
#include "text/FormatSettings.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void BM_StatementEditorWindowCountKey(benchmark::State& state) {
    BenchApplication();
    ApplyMainWindowFormatSettings();
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "ved_statement_editor_window_bench";
    std::filesystem::create_directories(dir);
    {
        TStore store(dir, dir);
        store.Open();
        BuildEarnSourceList(store.EarnSources());
        for (int i = 0; i < 4; ++i) {
            AddEarnSource(store.EarnSources(), "Источник", "1");
        }
        TfmDocumentEditor editor(store, {}, dir, RunUserAction);
        editor.show();
        auto& cash = *editor.findChild<TVertGrid*>("Cash");
        auto& source = *editor.findChild<TVertGrid*>("Source");
        const auto typeInto = [](TVertGrid& grid, int row, const QString& text) {
            grid.SetCol(1);
            grid.SetRow(row);
            grid.setFocus();
            QApplication::processEvents();
            // After what the cell holds, which the grid selects on opening.
            SendKey(*grid.InplaceEditor(), Qt::Key_End, {});
            for (const QChar c : text) {
                SendKey(*grid.InplaceEditor(), Qt::Key_unknown, QString(c));
            }
        };
        for (int row = 1; row <= 15; ++row) {
            typeInto(cash, row, "17");
        }
        for (int row = 2; row <= 5; ++row) {
            typeInto(source, row, "100");
        }
        typeInto(source, 1, "");
        typeInto(cash, 1, "");
        QWidget& cell = *cash.InplaceEditor();
        bool add = true;
        for (auto _ : state) {
            // "171", then back to "17", and again.
            if (add) {
                SendKey(cell, Qt::Key_1, "1");
            } else {
                SendKey(cell, Qt::Key_Backspace, "\b");
            }
            add = !add;
        }
        const std::string& typed = cash.Cell(1, 1);
        if ((typed != "17" && typed != "171") || source.Cell(1, 1).empty()) {
            state.SkipWithError("the keys did not reach the statement");
        }
        state.SetItemsProcessed(state.iterations());
    }
    std::filesystem::remove_all(dir);
    InitFormatSettings();
}
BENCHMARK(BM_StatementEditorWindowCountKey);

} // namespace
