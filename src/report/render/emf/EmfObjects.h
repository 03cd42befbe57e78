#pragma once
// Pens, brushes and fonts as a metafile creates them, made into their Qt
// counterparts for the player.
#include "report/render/emf/EmfObjectViews.h"

#include <QBrush>
#include <QFont>
#include <QPen>

#include <cstdint>
#include <optional>
#include <variant>

// A font with what Qt's font does not keep.
struct TEmfFont {
    QFont font{QStringLiteral("Arial")};
    double height = 16; // character height in logical units
    int escapement = 0; // tenths of a degree, counter-clockwise
    int charset = 1;
};

using TEmfObject = std::variant<std::monostate, QPen, QBrush, TEmfFont>;

QColor EmfColor(std::uint32_t colorRef);

// Qt's hatch patterns in the order of the file's hatch numbers.
inline constexpr Qt::BrushStyle kEmfHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};

// Each gives the object a creation record describes, or nothing when the
// record is too short to describe one.
std::optional<TEmfObject> ReadEmfPen(const TEmrCreatePen& record);
std::optional<TEmfObject> ReadEmfPen(const TEmrExtCreatePen& record);
std::optional<TEmfObject> ReadEmfBrush(const TEmrCreateBrushIndirect& record);
std::optional<TEmfObject> ReadEmfPatternBrush(const TEmrCreatePatternBrush& record);
std::optional<TEmfObject> ReadEmfFont(const TEmrExtCreateFontIndirectW& record);

// A stock object by its index: grey brushes, black and white pens, the null
// pen and brush, the system fonts (all the default font here).
TEmfObject EmfStockObject(std::uint32_t index);
