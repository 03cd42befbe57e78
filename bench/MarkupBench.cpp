// Reading what the report engine reads: a 1 000-page page-text file and a
// 5 000-statement template. The same page text, with each "</>" written
// "</page>" to make it well-formed XML, is read by pugixml in the same run
// for comparison.
#include "text/Markup.h"
#include "text/Numbers.h"
#include "text/TemplateParser.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <array>
#include <string>
#include <string_view>

namespace {

// Texts as a printed statement holds them: firm and bank names, amounts,
// dates, words; "&" goes through the writer's escape as "&amp;".
constexpr std::array<std::string_view, 10> kTexts = {
    "Препроводительная ведомость к сумке № 000123",
    "ООО «Ромашка & Партнёры»",
    "ПАО Сбербанк, г. Москва",
    "40702810938000012345",
    "044525225",
    "12 345,67",
    "Двенадцать тысяч триста сорок пять рублей 67 копеек",
    "08 декабря 2026 г.",
    "Торговая выручка",
    "Подпись кассира ____________",
};

std::string PageText(int pages) {
    std::string out;
    for (int p = 0; p < pages; ++p) {
        out += "<page orientation=\"portrait\">\r\n";
        for (int t = 0; t < 30; ++t) {
            const double x = 10 + (t % 4) * 47.5;
            const double y = 15 + t * 8.25;
            out += "  <text x=\"" + FloatToText(x) + "\" y=\"" + FloatToText(y) + "\" w=\"" +
                   FloatToText(47.5) + "\" h=\"" + FloatToText(8.25) + "\" text=\"" +
                   EscapeMarkupValue(kTexts[(p + t) % kTexts.size()]) +
                   "\" frame=\"1111\" font=\"Arial\" fontsize=\"" + (t % 3 == 0 ? "10" : "8") +
                   "\" fontstyle=\"" + (t % 5 == 0 ? "bold;" : "") + "\" align=\"" +
                   (t % 2 == 0 ? "4" : "5") + "\"/>\r\n";
        }
        out += "</>\r\n";
    }
    return out;
}

std::string AsWellFormedXml(std::string_view pageText) {
    std::string out;
    out.reserve(pageText.size() + pageText.size() / 100);
    for (std::size_t i = 0; i < pageText.size(); ++i) {
        if (pageText.compare(i, 3, "</>") == 0) {
            out += "</page>";
            i += 2;
        } else {
            out += pageText[i];
        }
    }
    return "<root>\r\n" + out + "</root>\r\n";
}

// A template of rows and cells with the computing statements among them, as
// the statement form is written; every fifth statement opens a block.
std::string TemplateText(int statements) {
    std::string out = "# dispatch statement\r\ndefaults(font=\"Arial\", fontsize=8);\r\n";
    int written = 1;
    while (written < statements) {
        out += "row(h=7.5, name=\"r" + std::string(1, static_cast<char>('a' + written % 26)) +
               "\") {\r\n"
               "  cell(w=\"30%\", text=\"{FromFirm}\", frame=\"1111\", align=4);\r\n"
               "  cell(w=\"70%\", text=\"{Sum:.2f} руб.\") { text(x=1.5, y=2, w=20, h=4, "
               "text=\"{Bag}\"); }\r\n"
               "}\r\n"
               "/* totals */ total = total + k * 2;\r\n";
        written += 4;
    }
    return out;
}

void BM_ParseMarkupPages(benchmark::State& state) {
    const std::string text = PageText(1000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseMarkup(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseMarkupPages)->Unit(benchmark::kMillisecond);

void BM_PugixmlPages(benchmark::State& state) {
    const std::string text = AsWellFormedXml(PageText(1000));
    for (auto _ : state) {
        pugi::xml_document document;
        const pugi::xml_parse_result result = document.load_buffer(
            text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
        if (!result) {
            state.SkipWithError(result.description());
            break;
        }
        benchmark::DoNotOptimize(document.first_child());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_PugixmlPages)->Unit(benchmark::kMillisecond);

void BM_ParseTemplate(benchmark::State& state) {
    const std::string text = TemplateText(5000);
    for (auto _ : state) {
        const auto sentences = ParseTemplateText(text);
        benchmark::DoNotOptimize(SentenceToNode(*sentences));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseTemplate)->Unit(benchmark::kMillisecond);

} // namespace
