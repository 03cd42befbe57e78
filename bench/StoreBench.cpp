// Loading and saving a statements file of 100 000 rows, beside pugixml
// parsing and saving the same file, and building the main list's texts.
#include "store/DocumentList.h"
#include "store/Schemas.h"
#include "store/Table.h"
#include "text/DateTime.h"
#include "text/Format.h"
#include "text/FormatSettings.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <filesystem>
#include <random>

namespace {

constexpr int kStatements = 100000;
constexpr int kFirms = 10000;
constexpr int kBanks = 1000;

TTable MakeTable(std::vector<TFieldDef> defs) {
    TTable table;
    for (TFieldDef& def : defs) {
        table.AddFieldDef(std::move(def));
    }
    table.CreateDataSet();
    return table;
}

// Statements as the editor writes them: a date and time, a bag number, firms
// and banks, the full cash field, the total and now and then a field 39 text.
TTable MakeDocuments(int count) {
    TTable table = MakeTable(DocumentsFieldDefs());
    std::mt19937 random(20240305);
    const char* codes[] = {"5000", "2000", "1000", "500", "200", "100", "50", "10",
                           "5",    "2",    "1",    "05",  "01",  "005", "001"};
    const long long values[] = {50000000, 20000000, 10000000, 5000000, 2000000,
                                1000000,  500000,   100000,   50000,   20000,
                                10000,    5000,     1000,     500,     100};
    for (int i = 0; i < count; ++i) {
        std::string cash;
        long long total = 0;
        for (int d = 0; d < 15; ++d) {
            const int n = random() % 4 == 0 ? static_cast<int>(random() % 40) : 0;
            total += n * values[d];
            cash += Format("<%s>%d", {codes[d], n});
        }
        cash += Format("<SI>1<SS1>%.2f", {total / 10000.0});
        table.Append();
        table.FieldByName("Datetime")
            .SetDateTime(*EncodeDateTime(2015 + i % 10, 1 + i % 12, 1 + i % 28, 8 + i % 10, i % 60,
                                         i % 7 == 0 ? 0 : i % 60));
        table.FieldByName("BagNumber").SetString(Format("%d", {100000 + i}));
        table.FieldByName("FromFirm").SetInteger(1 + random() % kFirms);
        table.FieldByName("ToFirm").SetInteger(1 + random() % kFirms);
        table.FieldByName("FromBank").SetInteger(1 + random() % kBanks);
        table.FieldByName("ToBank").SetInteger(1 + random() % kBanks);
        table.FieldByName("Cash").SetString(cash);
        table.FieldByName("CashSum").SetFloat(total / 10000.0);
        if (i % 5 == 0) {
            table.FieldByName("FIELD39").SetString("Выручка за смену № " + Format("%d", {i}));
        }
        table.Post();
    }
    return table;
}

TTable MakeNamed(std::vector<TFieldDef> defs, int count, const char* prefix) {
    TTable table = MakeTable(std::move(defs));
    for (int i = 0; i < count; ++i) {
        table.Append();
        table.FieldByName("Name").SetString(Format("%s \"%d\"", {prefix, i}));
        table.Post();
    }
    return table;
}

struct TFixture {
    std::filesystem::path Directory = std::filesystem::temp_directory_path() / "ved-store-bench";
    std::filesystem::path File = Directory / "Documents.xml";
    TTable Documents = MakeDocuments(kStatements);
    TTable Firms = MakeNamed(FirmsFieldDefs(), kFirms, "ООО Фирма");
    TTable Banks = MakeNamed(BanksFieldDefs(), kBanks, "Банк");
    std::string Bytes = Documents.SaveToBytes(TTableVariant::Utf8);

    TFixture() {
        std::filesystem::create_directories(Directory);
        Documents.SaveToFile(File, TTableVariant::Utf8);
    }
};

TFixture& Fixture() {
    static TFixture fixture;
    return fixture;
}

// Both parse the same bytes from memory, each from its own copy of them
// (pugixml's load_buffer copies too), so neither waits for the disk.
void BM_StoreLoad(benchmark::State& state) {
    TFixture& f = Fixture();
    for (auto _ : state) {
        TTable table;
        table.LoadFromBytes(f.Bytes, "Documents.xml");
        benchmark::DoNotOptimize(table.RecordCount());
    }
    state.SetBytesProcessed(state.iterations() * f.Bytes.size());
}
BENCHMARK(BM_StoreLoad)->Unit(benchmark::kMillisecond);

void BM_PugixmlParse(benchmark::State& state) {
    TFixture& f = Fixture();
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(
            document.load_buffer(f.Bytes.data(), f.Bytes.size(), pugi::parse_default));
    }
    state.SetBytesProcessed(state.iterations() * f.Bytes.size());
}
BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond);

// The file bytes alone, and the whole save through a temporary file, which
// also waits for the disk.
void BM_StoreSaveBytes(benchmark::State& state) {
    TFixture& f = Fixture();
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.Documents.SaveToBytes(TTableVariant::Utf8));
    }
}
BENCHMARK(BM_StoreSaveBytes)->Unit(benchmark::kMillisecond);

void BM_PugixmlSaveBytes(benchmark::State& state) {
    TFixture& f = Fixture();
    pugi::xml_document document;
    document.load_buffer(f.Bytes.data(), f.Bytes.size());
    for (auto _ : state) {
        struct TSink : pugi::xml_writer {
            std::string Bytes;
            void write(const void* data, size_t size) override {
                Bytes.append(static_cast<const char*>(data), size);
            }
        } sink;
        document.save(sink, "", pugi::format_raw);
        benchmark::DoNotOptimize(sink.Bytes);
    }
}
BENCHMARK(BM_PugixmlSaveBytes)->Unit(benchmark::kMillisecond);

void BM_StoreSaveFile(benchmark::State& state) {
    TFixture& f = Fixture();
    for (auto _ : state) {
        f.Documents.SaveToFile(f.Directory / "Saved.xml", TTableVariant::Utf8);
    }
}
BENCHMARK(BM_StoreSaveFile)->Unit(benchmark::kMillisecond);

void BM_PugixmlSaveFile(benchmark::State& state) {
    TFixture& f = Fixture();
    pugi::xml_document document;
    document.load_file(f.File.c_str());
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            document.save_file((f.Directory / "Pugi.xml").c_str(), "", pugi::format_raw));
    }
}
BENCHMARK(BM_PugixmlSaveFile)->Unit(benchmark::kMillisecond);

void BM_DocumentList(benchmark::State& state) {
    TFixture& f = Fixture();
    ApplyMainWindowFormatSettings();
    TTable documents = MakeTable(DocumentsFieldDefs());
    for (std::size_t r = 0; r < static_cast<std::size_t>(state.range(0)); ++r) {
        documents.Append();
        for (std::size_t c = 1; c < documents.FieldDefs().size(); ++c) {
            TFieldRef(documents, static_cast<int>(c)).SetValue(f.Documents.Row(r)[c]);
        }
        documents.Post();
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildDocumentList(documents, &f.Firms, &f.Banks));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DocumentList)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
