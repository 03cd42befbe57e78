// The directory of banks: reading the Bank of Russia's full file from its
// ZIP, reading the kept file at its first need, the start of the program
// with and without a kept directory, and a BIK looked up while typing, in
// the directory alone and in the bank editor with its lines.
#include "BenchApplication.h"
#include "BenchWindows.h"
#include "bank/DirectoryReader.h"
#include "bank/KeptDirectory.h"
#include "controls/ActionRunner.h"
#include "reference/ui/TfmBankEditor.h"
#include "text/SafeFile.h"

#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

const std::filesystem::path kFullDirectory =
    std::filesystem::path(VED_BANK_DIRECTORY_DIR) / "20190117ED01OSBR.zip";

// Working folders with the same tables, one with the full directory kept.
struct TBenchFolders {
    TBenchFolders() {
        root = std::filesystem::temp_directory_path() / "ved_bank_directory_bench";
        std::filesystem::remove_all(root);
        for (const auto& folder : {without(), with()}) {
            std::filesystem::create_directories(folder / "program");
            TStore store(folder, folder / "program");
            store.Open();
        }
        if (std::filesystem::exists(kFullDirectory)) {
            directory = ReadDirectoryFile(kFullDirectory);
            TKeptBankDirectory(with()).Replace(directory);
        }
    }
    ~TBenchFolders() { std::filesystem::remove_all(root); }
    std::filesystem::path without() const { return root / "without"; }
    std::filesystem::path with() const { return root / "with"; }

    std::filesystem::path root;
    TBankDirectory directory;
};

const TBenchFolders& Folders() {
    static const TBenchFolders folders;
    return folders;
}

bool HaveDirectory(benchmark::State& state) {
    if (Folders().directory.Empty()) {
        state.SkipWithError("the Bank of Russia's directory is not beside the source tree");
        return false;
    }
    return true;
}

void BM_BankDirectoryFromZip(benchmark::State& state) {
    if (!HaveDirectory(state)) {
        return;
    }
    for (auto _ : state) {
        const TBankDirectory directory = ReadDirectoryFile(kFullDirectory);
        benchmark::DoNotOptimize(directory.Size());
    }
}
BENCHMARK(BM_BankDirectoryFromZip)->Unit(benchmark::kMillisecond);

// Reading the file, and replacing the kept one with it, as "Справочник БИК…" does.
void BM_BankDirectoryLoadAndKeep(benchmark::State& state) {
    if (!HaveDirectory(state)) {
        return;
    }
    const std::filesystem::path folder = Folders().root / "load";
    std::filesystem::create_directories(folder);
    TKeptBankDirectory kept(folder);
    for (auto _ : state) {
        kept.Replace(ReadDirectoryFile(kFullDirectory));
    }
}
BENCHMARK(BM_BankDirectoryLoadAndKeep)->Unit(benchmark::kMillisecond);

// The first need of the kept directory: its file read.
void BM_KeptDirectoryFirstNeed(benchmark::State& state) {
    if (!HaveDirectory(state)) {
        return;
    }
    for (auto _ : state) {
        TKeptBankDirectory kept(Folders().with());
        benchmark::DoNotOptimize(kept.Find("044525225"));
    }
}
BENCHMARK(BM_KeptDirectoryFirstNeed)->Unit(benchmark::kMillisecond);

// The program's start until the main window is exposed, without and with a
// kept directory (argument 1).
void BM_StartUpWithKeptDirectory(benchmark::State& state) {
    if (!HaveDirectory(state)) {
        return;
    }
    TimeStartUp(state, state.range(0) ? Folders().with() : Folders().without());
}
BENCHMARK(BM_StartUpWithKeptDirectory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BIKLookUp(benchmark::State& state) {
    if (!HaveDirectory(state)) {
        return;
    }
    const std::vector<TDirectoryBank>& banks = Folders().directory.Banks();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Folders().directory.Find(banks[i].BIK));
        i = (i + 7919) % banks.size();
    }
}
BENCHMARK(BM_BIKLookUp);

// The ninth digit of a BIK typed into the bank editor and taken back: the
// look-up and the directory's lines under the boxes, each time.
void BM_BankEditorBIKKey(benchmark::State& state) {
    if (!HaveDirectory(state)) {
        return;
    }
    BenchApplication();
    TStore store(Folders().with(), Folders().with() / "program");
    store.Open();
    TKeptBankDirectory kept(Folders().with());
    TfmBankEditor editor(store, RunUserAction, &kept);
    auto* bik = editor.findChild<QLineEdit*>("eBIK");
    bik->setText("04452522");
    kept.Directory(); // read once before, as the first key of the day would
    for (auto _ : state) {
        SendKey(*bik, Qt::Key_5, "5");
        SendKey(*bik, Qt::Key_Backspace, {});
    }
    state.counters["bik"] = bik->text().size();
}
BENCHMARK(BM_BankEditorBIKKey)->Unit(benchmark::kMicrosecond);

} // namespace
