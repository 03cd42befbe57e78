// Page text loaded, written again and loaded back: the second load must give
// the same pages and texts as the first.
#include "report/TReport3.h"
#include "text/Errors.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Positions this far out are beyond what 15 significant digits keep exactly.
bool Representable(TLength length) {
    return length > -100'000'000'000'000 && length < 100'000'000'000'000;
}

bool SameLength(TLength a, TLength b) {
    return a == b || !Representable(a);
}

bool SameText(const IReport3Text& a, const IReport3Text& b) {
    return a.GetText() == b.GetText() && a.GetFrame() == b.GetFrame() &&
           a.GetFont() == b.GetFont() && a.GetFontSize() == b.GetFontSize() &&
           a.GetFontStyle() == b.GetFontStyle() && a.GetAlign() == b.GetAlign() &&
           a.GetColor() == b.GetColor() && SameLength(a.GetX(), b.GetX()) &&
           SameLength(a.GetY(), b.GetY()) && SameLength(a.GetW(), b.GetW()) &&
           SameLength(a.GetH(), b.GetH());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto first = TReport3::Create();
    try {
        first->LoadPagesFromText(text);
    } catch (const EAppError&) {
        return 0;
    }
    const auto second = TReport3::Create();
    second->LoadPagesFromText(first->GetPagesText());
    if (second->PageCount() != first->PageCount()) {
        std::abort();
    }
    for (std::int32_t p = 1; p <= first->PageCount(); ++p) {
        const auto a = first->GetPage(p);
        const auto b = second->GetPage(p);
        if (a->GetOrientation() != b->GetOrientation() || a->TextCount() != b->TextCount()) {
            std::abort();
        }
        for (std::int32_t t = 1; t <= a->TextCount(); ++t) {
            if (!SameText(*a->GetText(t), *b->GetText(t))) {
                std::abort();
            }
        }
    }
    return 0;
}
