#include "report/StyleText.h"

#include "text/TextCase.h"

std::string FontStyleToText(TFontStyle style) {
    std::string text;
    if (style & kFontBold) {
        text += "bold;";
    }
    if (style & kFontItalic) {
        text += "italic;";
    }
    if (style & kFontUnderline) {
        text += "underline;";
    }
    return text;
}

TFontStyle TextToFontStyle(std::string_view text) {
    TFontStyle style = 0;
    if (text.find("bold") != std::string_view::npos) {
        style |= kFontBold;
    }
    if (text.find("italic") != std::string_view::npos) {
        style |= kFontItalic;
    }
    if (text.find("underline") != std::string_view::npos) {
        style |= kFontUnderline;
    }
    return style;
}

std::string OrientationToText(TOrientation orientation) {
    switch (orientation) {
    case kOrientationPortrait:
        return "portrait";
    case kOrientationLandscape:
        return "landscape";
    default:
        return "";
    }
}

TOrientation TextToOrientation(std::string_view text) {
    const std::string lower = LowerCaseCyr(text);
    if (lower.find("landscape") != std::string::npos) {
        return kOrientationLandscape;
    }
    if (lower.find("portrait") != std::string::npos) {
        return kOrientationPortrait;
    }
    return kOrientationUnset;
}
