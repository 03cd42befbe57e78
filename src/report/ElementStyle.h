#pragma once
// What rows, cells and texts share about how their text looks: font, frame,
// alignment and fill. A cell takes its row's, a nested row its cell's, and
// placing copies it onto the page text.
#include "report/ReportUnits.h"

#include <string>

struct TElementStyle {
    std::string Font = "Arial";
    std::int32_t FontSize = 10;
    TFontStyle FontStyle = 0;
    std::string Frame;
    std::int32_t Align = kAlignCentre;
    TColor Color = kNoColor;
};

// The style accessors of an element interface, kept in one TElementStyle.
// Alignment is left to the elements that have it.
template <class Interface> class TStyledElement : public Interface {
public:
    void SetFont(const std::string& name) override { style_.Font = name; }
    const std::string& GetFont() const override { return style_.Font; }
    void SetFontSize(std::int32_t size) override { style_.FontSize = size; }
    std::int32_t GetFontSize() const override { return style_.FontSize; }
    void SetFontStyle(TFontStyle style) override { style_.FontStyle = style; }
    TFontStyle GetFontStyle() const override { return style_.FontStyle; }
    void SetFrame(const std::string& frame) override {
        style_.Frame = frame;
        this->Changed();
    }
    const std::string& GetFrame() const override { return style_.Frame; }
    void SetColor(TColor color) override { style_.Color = color; }
    TColor GetColor() const override { return style_.Color; }

    const TElementStyle& Style() const { return style_; }
    void SetStyle(const TElementStyle& style) { style_ = style; }

protected:
    TElementStyle style_;
};
