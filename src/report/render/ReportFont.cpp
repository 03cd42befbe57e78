#include "report/render/ReportFont.h"

#include "text/qt/QtCodec.h"

#include <algorithm>

QFont ReportFont(const std::string& name, std::int32_t size, TFontStyle style) {
    QFont font(ToQString(name));
    // Points to pixels at 96 per inch, rounded as the platform's MulDiv does.
    font.setPixelSize((std::clamp(size, 1, 1000) * 96 + 36) / 72);
    font.setBold((style & kFontBold) != 0);
    font.setItalic((style & kFontItalic) != 0);
    font.setUnderline((style & kFontUnderline) != 0);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
