#include "text/qt/QtCodec.h"

#include "text/Cp1251.h"

#include <QList>

QString ToQString(std::string_view cp1251) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1251.size()));
    for (char c : cp1251)
        out += QChar(static_cast<char16_t>(Cp1251ToCodePoint(static_cast<unsigned char>(c))));
    return out;
}

std::string FromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const uint codePoint : text.toUcs4())
        out += CodePointToCp1251(codePoint);
    return out;
}
