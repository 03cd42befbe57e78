// Pens, brushes and fonts: each is created and selected only when it
// differs from the one in use.
#include "report/render/emf/EmfObjects.h"
#include "report/render/emf/EmfPaintEngine.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t kMaxDashEntries = 16;

} // namespace

void TEmfPaintEngine::Select(TEmfObjectSlot& slot, emf::TRecordType type, const std::string& body) {
    if (slot.selected == body) {
        return;
    }
    const std::uint32_t handle =
        slot.activeHandle == slot.firstHandle ? slot.firstHandle + 1 : slot.firstHandle;
    out_.Begin(type);
    out_.U32(handle);
    out_.Raw(body);
    out_.End();
    out_.Begin(emf::kSelectObject);
    out_.U32(handle);
    out_.End();
    if (slot.activeHandle != 0) {
        out_.Begin(emf::kDeleteObject);
        out_.U32(slot.activeHandle);
        out_.End();
    }
    slot.activeHandle = handle;
    slot.selected = body;
}

void TEmfPaintEngine::SelectStock(TEmfObjectSlot& slot, emf::TStock stock) {
    // Creation records are never this short, so the key cannot clash.
    const std::string key(1, static_cast<char>(stock));
    if (slot.selected == key) {
        return;
    }
    out_.Begin(emf::kSelectObject);
    out_.U32(emf::kStockObject | stock);
    out_.End();
    if (slot.activeHandle != 0) {
        out_.Begin(emf::kDeleteObject);
        out_.U32(slot.activeHandle);
        out_.End();
    }
    slot.activeHandle = 0;
    slot.selected = key;
}

void TEmfPaintEngine::SelectPen(const QPen& pen) {
    if (pen.style() == Qt::NoPen || pen.brush().style() == Qt::NoBrush) {
        SelectStock(penSlot_, emf::kNullPen);
        return;
    }
    const double deviceWidth =
        pen.isCosmetic() ? std::max(pen.widthF(), 1.0) : pen.widthF() * widthScale_;
    const auto width = static_cast<std::uint32_t>(std::max(1, EmfCoord(deviceWidth)));
    const Qt::PenCapStyle cap = pen.capStyle();
    const Qt::PenJoinStyle join = pen.joinStyle();
    std::uint32_t style = emf::kPsGeometric |
                          (cap == Qt::FlatCap    ? emf::kPsEndCapFlat
                           : cap == Qt::RoundCap ? emf::kPsEndCapRound
                                                 : emf::kPsEndCapSquare) |
                          (join == Qt::RoundJoin   ? emf::kPsJoinRound
                           : join == Qt::BevelJoin ? emf::kPsJoinBevel
                                                   : emf::kPsJoinMiter);
    // Dashes are written as the exact pattern, so that every reader draws
    // the dash lengths the painter asked for.
    std::vector<std::uint32_t> entries;
    if (pen.style() != Qt::SolidLine) {
        for (const double entry : pen.dashPattern()) {
            entries.push_back(
                static_cast<std::uint32_t>(std::max<long>(1, std::lround(entry * width))));
        }
        if (entries.size() > kMaxDashEntries) {
            entries.resize(kMaxDashEntries);
        }
        if (entries.size() % 2 != 0) {
            entries.pop_back();
        }
        style |= entries.empty() ? emf::kPsSolid : emf::kPsUserStyle;
    }
    TEmfWriter body;
    body.Zeros(16); // no brush bitmap
    body.U32(style);
    body.U32(width);
    body.U32(emf::kBsSolid);
    body.U32(EmfColorRef(pen.color()));
    body.U32(0);
    body.U32(static_cast<std::uint32_t>(entries.size()));
    for (const std::uint32_t entry : entries) {
        body.U32(entry);
    }
    Select(penSlot_, emf::kExtCreatePen, body.Data());
}

void TEmfPaintEngine::SelectBrush(const QBrush& brush) {
    QColor color = brush.color();
    if (const QGradient* gradient = brush.gradient(); gradient && !gradient->stops().empty()) {
        color = gradient->stops().front().second;
    }
    if (brush.style() == Qt::NoBrush || color.alpha() == 0) {
        SelectStock(brushSlot_, emf::kNullBrush);
        return;
    }
    const auto* hatch = std::find(std::begin(kEmfHatches), std::end(kEmfHatches), brush.style());
    const bool hatched = hatch != std::end(kEmfHatches);
    TEmfWriter body;
    body.U32(hatched ? emf::kBsHatched : emf::kBsSolid);
    body.U32(EmfColorRef(color));
    body.U32(hatched ? static_cast<std::uint32_t>(hatch - std::begin(kEmfHatches)) : 0);
    Select(brushSlot_, emf::kCreateBrushIndirect, body.Data());
}

void TEmfPaintEngine::SelectFont(const QFont& font, double pixelSize) {
    TEmfWriter body;
    body.I32(-EmfCoord(pixelSize)); // negative: the character height, not the cell height
    body.I32(0);
    body.I32(0);
    body.I32(0);
    body.I32(font.weight());
    body.U8(font.italic() ? 1 : 0);
    // Qt draws underlines and strike-outs as lines of their own, which are
    // recorded; a font flag as well would draw them twice.
    body.U8(0);
    body.U8(0);
    body.U8(1); // default character set
    body.Zeros(4);
    const QString family = font.family().left(emf::kFaceNameLength - 1);
    for (const QChar c : family) {
        body.U16(c.unicode());
    }
    body.Zeros(2 * (emf::kFaceNameLength - static_cast<std::size_t>(family.size())));
    // The rest of the font description that readers expect: full name,
    // style, version and matching fields, all empty.
    body.Zeros(320 - 92);
    Select(fontSlot_, emf::kExtCreateFontIndirectW, body.Data());
}
