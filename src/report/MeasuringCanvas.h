#pragma once
// The canvas Build measures auto-height cells on: 4 pixels per millimetre,
// fonts realised at 96 pixels per inch. The drawing layer provides the real
// one; the core takes a factory so that it never depends on a toolkit.
#include "report/ReportUnits.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class IMeasuringCanvas {
public:
    virtual ~IMeasuringCanvas() = default;
    // The font of the following measurements: face name, size in points, style bits.
    virtual void SetFont(const std::string& name, std::int32_t size, TFontStyle style) = 0;
    // Height in pixels of the text laid out with word break in a box `width`
    // pixels wide; 0 for an empty text. A word wider than the box stays whole.
    virtual std::int64_t MeasureWrappedHeight(std::string_view text, std::int64_t width) = 0;
};

// Makes the canvas for one Build.
using TMeasuringCanvasFactory = std::function<std::unique_ptr<IMeasuringCanvas>()>;

// The paragraphs a text is measured in: the parts between line breaks (CR LF,
// a lone CR or a lone LF). A break at the very end opens no new paragraph.
std::vector<std::string_view> SplitParagraphs(std::string_view text);
