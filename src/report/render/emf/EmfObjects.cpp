#include "report/render/emf/EmfObjects.h"
#include "report/render/emf/EmfBitmap.h"
#include "report/render/emf/EmfFormat.h"

#include <QFontMetricsF>

#include <algorithm>
#include <type_traits>

namespace {

// Wider pens only turn drawing into work without end.
constexpr double kMaxPenWidth = 1e5;

// Qt's line styles in the order of the file's pen styles 0 to 4.
constexpr Qt::PenStyle kLineStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                        Qt::DashDotDotLine};

QBrush HatchBrush(std::uint32_t hatch, const QColor& color) {
    return hatch < std::size(kEmfHatches) ? QBrush(color, kEmfHatches[hatch]) : QBrush(color);
}

} // namespace

QColor EmfColor(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

namespace {

// Both pen records: the plain one gives cosmetic pens of width 0 or 1 and
// wider geometric ones; the extended one says which, and may carry the
// dashes of a user style.
template <class TPenRecord> std::optional<TEmfObject> ReadPen(const TPenRecord& record) {
    constexpr bool extended = std::is_same_v<TPenRecord, TEmrExtCreatePen>;
    if (!record.Complete()) {
        return std::nullopt;
    }
    const std::uint32_t style = record.Style();
    const double width = std::min<double>(record.Width(), kMaxPenWidth);
    const QColor color = EmfColor(record.Color());
    bool geometric = false;
    bool nullBrush = false;
    if constexpr (extended) {
        geometric = (style & emf::kPsGeometric) != 0;
        nullBrush = record.BrushStyle() == emf::kBsNull;
    }
    if ((style & emf::kPsStyleMask) == emf::kPsNull || nullBrush) {
        return QPen(Qt::NoPen);
    }
    // Cosmetic pens are one device pixel wide; others scale with the drawing.
    QPen pen(color);
    pen.setWidthF(geometric || (!extended && width > 1) ? width : 0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (geometric || !extended) {
        const std::uint32_t cap = style & emf::kPsEndCapMask;
        const std::uint32_t join = style & emf::kPsJoinMask;
        pen.setCapStyle(cap == emf::kPsEndCapSquare ? Qt::SquareCap
                        : cap == emf::kPsEndCapFlat ? Qt::FlatCap
                                                    : Qt::RoundCap);
        pen.setJoinStyle(join == emf::kPsJoinBevel   ? Qt::BevelJoin
                         : join == emf::kPsJoinMiter ? Qt::MiterJoin
                                                     : Qt::RoundJoin);
        if (!extended && pen.widthF() == 0) {
            pen.setCapStyle(Qt::FlatCap);
        }
    }
    if ((style & emf::kPsStyleMask) < std::size(kLineStyles)) {
        pen.setStyle(kLineStyles[style & emf::kPsStyleMask]);
    } else if constexpr (extended) {
        const std::uint32_t count = record.StyleEntryCount();
        if ((style & emf::kPsStyleMask) == emf::kPsUserStyle && count >= 2 &&
            record.HasStyleEntries()) {
            const double unit = std::max(1.0, pen.widthF());
            // An odd count repeats once more, so dashes and gaps alternate.
            const std::uint32_t entries =
                std::min<std::uint32_t>(count % 2 ? 2 * count : count, 16);
            QList<qreal> pattern;
            for (std::uint32_t i = 0; i < entries; ++i) {
                const double entry = record.StyleEntry(i % count);
                pattern.append(std::clamp(entry / unit, 0.01, 1e4));
            }
            pen.setDashPattern(pattern);
            // Qt's own styles are drawn as such: its fast line drawing then
            // gives the same pixels as the painter that recorded them.
            for (const Qt::PenStyle builtin : kLineStyles) {
                QPen probe = pen;
                probe.setStyle(builtin);
                if (probe.dashPattern() == pattern) {
                    pen = probe;
                    break;
                }
            }
        }
    }
    return pen;
}

} // namespace

std::optional<TEmfObject> ReadEmfPen(const TEmrCreatePen& record) {
    return ReadPen(record);
}

std::optional<TEmfObject> ReadEmfPen(const TEmrExtCreatePen& record) {
    return ReadPen(record);
}

std::optional<TEmfObject> ReadEmfBrush(const TEmrCreateBrushIndirect& record) {
    if (!record.Complete()) {
        return std::nullopt;
    }
    const std::uint32_t style = record.Style();
    const QColor color = EmfColor(record.Color());
    if (style == emf::kBsNull) {
        return QBrush();
    }
    return style == emf::kBsHatched ? HatchBrush(record.Hatch(), color) : QBrush(color);
}

std::optional<TEmfObject> ReadEmfPatternBrush(const TEmrCreatePatternBrush& record) {
    if (!record.Complete()) {
        return std::nullopt;
    }
    const QImage image = DecodeDib(record.BitmapInfo(), record.Bits());
    return image.isNull() ? QBrush(Qt::gray) : QBrush(image);
}

std::optional<TEmfObject> ReadEmfFont(const TEmrExtCreateFontIndirectW& record) {
    if (!record.Complete()) {
        return std::nullopt;
    }
    TEmfFont font;
    QString family;
    for (std::size_t i = 0; i < emf::kFaceNameLength; ++i) {
        const char16_t c = record.FaceName(i);
        if (c == 0) {
            break;
        }
        family.append(QChar(c));
    }
    if (!family.isEmpty()) {
        font.font.setFamily(family);
    }
    const std::int32_t weight = record.Weight();
    font.font.setWeight(weight <= 0 ? QFont::Normal
                                    : static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.font.setItalic(record.Italic() != 0);
    font.font.setUnderline(record.Underline() != 0);
    font.font.setStrikeOut(record.StrikeOut() != 0);
    font.charset = record.Charset();
    font.escapement = record.Escapement() % 3600;
    const std::int64_t height = record.Height();
    if (height < 0) {
        font.height = static_cast<double>(-height);
    } else if (height > 0) {
        // A positive height is the cell height: ascent and descent together.
        QFont probe = font.font;
        probe.setPixelSize(100);
        font.height = static_cast<double>(height) * 100 / QFontMetricsF(probe).height();
    }
    return font;
}

TEmfObject EmfStockObject(std::uint32_t index) {
    static constexpr int kGrays[] = {255, 192, 128, 64, 0};
    if (index <= emf::kBlackBrush) {
        return QBrush(QColor(kGrays[index], kGrays[index], kGrays[index]));
    }
    switch (index) {
    case emf::kNullBrush:
        return QBrush();
    case emf::kWhitePen:
    case emf::kBlackPen:
        return QPen(QBrush(index == emf::kWhitePen ? Qt::white : Qt::black), 0, Qt::SolidLine,
                    Qt::FlatCap);
    case emf::kNullPen:
        return QPen(Qt::NoPen);
    case 15: // the default palette
        return {};
    default:
        return index >= 10 && index <= 17 ? TEmfObject(TEmfFont()) : TEmfObject();
    }
}
