// The page-text format: every page as a "page" element holding one "text"
// element per page text, one per line, lines ended by CR LF. Page-level
// texts (names beginning with "$") are not written: a page makes them itself.
#include "report/NumberText.h"
#include "report/StyleText.h"
#include "report/TReport3.h"
#include "report/TReport3Page.h"
#include "text/Markup.h"
#include "text/Numbers.h"
#include "text/SafeFile.h"

namespace {

// The value is escaped so that every text, font name and frame code reads
// back byte for byte.
void AppendAttribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    out += EscapeMarkupValue(value);
    out += '"';
}

// Millimetres in the general format with the decimal comma: 12,5 and 20.
std::string LengthText(TLength length) {
    return FloatToText(static_cast<double>(length) / kLengthPerMm);
}

void AppendText(std::string& out, const IReport3Text& text) {
    out += "  <text";
    AppendAttribute(out, "x", LengthText(text.GetX()));
    AppendAttribute(out, "y", LengthText(text.GetY()));
    AppendAttribute(out, "w", LengthText(text.GetW()));
    AppendAttribute(out, "h", LengthText(text.GetH()));
    AppendAttribute(out, "text", text.GetText());
    AppendAttribute(out, "frame", text.GetFrame());
    AppendAttribute(out, "font", text.GetFont());
    AppendAttribute(out, "fontsize", IntToText(text.GetFontSize()));
    AppendAttribute(out, "fontstyle", FontStyleToText(text.GetFontStyle()));
    AppendAttribute(out, "align", IntToText(text.GetAlign()));
    if (text.GetColor() != kNoColor) {
        AppendAttribute(out, "color", IntToText(text.GetColor()));
    }
    out += "/>\r\n";
}

} // namespace

std::string TReport3::GetPagesText() const {
    std::string out;
    for (const auto& page : pages_) {
        out += "<page";
        AppendAttribute(out, "orientation", OrientationToText(page->GetOrientation()));
        out += ">\r\n";
        for (std::int32_t i = 1; i <= page->TextCount(); ++i) {
            const auto text = page->GetText(i);
            if (!text->GetName().starts_with('$')) {
                AppendText(out, *text);
            }
        }
        out += "</>\r\n";
    }
    return out;
}

void TReport3::LoadPagesFromText(const std::string& text) {
    built_ = true;
    const auto root = ParseMarkup(text);
    Clear();
    for (int i = 0; i < root->ChildCount(); ++i) {
        const TNode& pageNode = root->GetChild(i);
        const auto page = GetPage(i + 1);
        page->SetOrientation(TextToOrientation(pageNode.GetString("orientation", "")));
        for (int j = 0; j < pageNode.ChildCount(); ++j) {
            const TNode& node = pageNode.GetChild(j);
            const auto pageText = page->AddText();
            pageText->SetX(node.GetFixed("x", 0));
            pageText->SetY(node.GetFixed("y", 0));
            pageText->SetW(node.GetFixed("w", 0));
            pageText->SetH(node.GetFixed("h", 0));
            pageText->SetText(node.GetString("text", ""));
            pageText->SetFrame(node.GetString("frame", ""));
            pageText->SetFont(node.GetString("font", ""));
            pageText->SetFontSize(ClampToInt32(node.GetInteger("fontsize", 0)));
            pageText->SetFontStyle(TextToFontStyle(node.GetString("fontstyle", "")));
            pageText->SetAlign(ClampToInt32(node.GetInteger("align", kAlignCentre)));
            // Colours are 32-bit values whatever sign the file gives them.
            pageText->SetColor(static_cast<TColor>(node.GetInteger("color", kNoColor)));
        }
    }
}

void TReport3::LoadPagesFromFile(const std::filesystem::path& fileName) {
    // A file that cannot be read (or is no plain file) gives no pages.
    LoadPagesFromText(ReadWholeFile(fileName).value_or(""));
    fileName_ = fileName;
}

void TReport3::SavePagesToFile(const std::filesystem::path& fileName) {
    WriteFileAtomically(fileName, GetPagesText());
}
