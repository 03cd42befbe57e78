#pragma once
// Text forms of font styles and page orientations, as templates and the
// page-text format write them.
#include "report/ReportUnits.h"

#include <string>
#include <string_view>

// "bold;" "italic;" "underline;" for the bits that are set, in that order.
std::string FontStyleToText(TFontStyle style);

// The bits whose word the text contains (case-sensitive).
TFontStyle TextToFontStyle(std::string_view text);

// "portrait" for 1, "landscape" for 2, "" for anything else.
std::string OrientationToText(TOrientation orientation);

// 2 when the lower-cased text contains "landscape", else 1 when it contains
// "portrait", else 0.
TOrientation TextToOrientation(std::string_view text);
