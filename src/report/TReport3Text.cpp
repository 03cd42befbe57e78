#include "report/TReport3Text.h"

#include "report/Base64.h"
#include "report/ReportError.h"
#include "report/TReport3.h"
#include "report/TReport3Page.h"

void TReport3Text::Changed() {
    if (Owner() != nullptr) {
        Owner()->Changed();
    }
}

void TReport3Text::PlaceAt(TLength x, TLength y) {
    TReport3* report = FindReport();
    if (report == nullptr) {
        return;
    }
    // Page texts of free texts keep zero insets.
    const auto copy = report->PlacementPage().AddText();
    copy->SetX(AddLengths(x, x_));
    copy->SetY(AddLengths(y, y_));
    copy->SetW(w_);
    copy->SetH(h_);
    copy->SetText(text_);
    copy->SetFont(font_);
    copy->SetFontSize(fontSize_);
    copy->SetFontStyle(fontStyle_);
    copy->SetFrame(frame_);
    copy->SetAlign(align_);
    copy->SetColor(color_);
}

void TReport3Text::SetMetafile(std::string_view metafileBytes) {
    SetText("!EMF" + Base64Encode(metafileBytes));
}

void TReport3Text::DrawChart(const std::vector<std::string>&, int, const std::vector<std::string>&,
                             int, const std::vector<double>&) {
    RaiseNotAvailable("DrawChart");
}

void TReport3Text::SetInnerRect(const TIntRect& rect) {
    inner_ = rect;
    Changed();
}

void TReport3Text::SetX(TLength x) {
    x_ = x;
    Changed();
}

void TReport3Text::SetY(TLength y) {
    y_ = y;
    Changed();
}

void TReport3Text::SetW(TLength w) {
    w_ = w;
    Changed();
}

void TReport3Text::SetH(TLength h) {
    h_ = h;
    Changed();
}

void TReport3Text::SetText(const std::string& text) {
    text_ = text;
    Changed();
}

void TReport3Text::SetFrame(const std::string& frame) {
    frame_ = frame;
    Changed();
}
