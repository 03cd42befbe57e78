// One key typed into a count cell of the statement editor: the cash total
// recomputed and the earn sources balanced, on a full statement (every
// count filled, five sources with amounts).
#include "statement/DocumentEditorState.h"
#include "store/Store.h"
#include "text/Format.h"
#include "text/FormatSettings.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void BM_StatementEditorCountKey(benchmark::State& state) {
    ApplyMainWindowFormatSettings();
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "ved_statement_editor_bench";
    std::filesystem::create_directories(dir);
    {
        TStore store(dir, dir);
        store.Open();
        TDocumentEditorState editor(store);
        editor.Load(45000.5);
        for (int i = 0; i < 4; ++i) {
            editor.AddSource("Источник", "1");
        }
        for (int row = 1; row <= static_cast<int>(kDenominationCount); ++row) {
            editor.SetCount(row, "17");
        }
        for (int row = 2; row <= 5; ++row) {
            editor.SetAmount(row, "100");
        }
        editor.SetCurrentSource(1);
        int key = 0;
        for (auto _ : state) {
            // Typing into the 5000-rouble count: "1", "12", "123", "1234", again.
            editor.SetCount(1, Format("%d", {1 + key % 1234}));
            ++key;
            benchmark::DoNotOptimize(editor.SourceLabel().Text.data());
        }
    }
    std::filesystem::remove_all(dir);
    InitFormatSettings();
}
BENCHMARK(BM_StatementEditorCountKey);

} // namespace
