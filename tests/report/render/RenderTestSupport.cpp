#include "RenderTestSupport.h"

#include "support/TestSupport.h"
#include "text/Cp1251.h"

namespace render_test {

std::shared_ptr<IReport3Text> AddBox(IReport3Page& page, double x, double y, double w, double h,
                                     const std::string& text, const std::string& frame) {
    auto box = page.AddText();
    box->SetX(Mm(x));
    box->SetY(Mm(y));
    box->SetW(Mm(w));
    box->SetH(Mm(h));
    box->SetText(text);
    box->SetFrame(frame);
    return box;
}

bool IsBlack(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 64;
}

bool IsWhite(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) > 250;
}

std::string RowInk(const QImage& image, int y, int from, int count) {
    std::string ink;
    for (int x = from; x < from + count; ++x) {
        ink += IsBlack(image, x, y) ? '#' : '.';
    }
    return ink;
}

std::string ColumnInk(const QImage& image, int x, int from, int count) {
    std::string ink;
    for (int y = from; y < from + count; ++y) {
        ink += IsBlack(image, x, y) ? '#' : '.';
    }
    return ink;
}

bool HasInk(const QImage& image, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (!IsWhite(image, x, y)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace render_test

namespace render_test {

std::string CommandOutput(const std::string& command) {
    const testing_support::TempDir dir;
    const auto output = dir / "output";
    if (testing_support::RunCommand(command + " >'" + output.string() + "' 2>/dev/null") != 0) {
        return {};
    }
    return testing_support::ReadFile(output);
}

std::string PdfInfo(const std::filesystem::path& pdf, const std::string& options) {
    return CommandOutput("pdfinfo " + options + " '" + pdf.string() + "'");
}

std::string PdfText(const std::filesystem::path& pdf) {
    return Utf8ToCp1251(CommandOutput("pdftotext -enc UTF-8 '" + pdf.string() + "' -"));
}

} // namespace render_test
