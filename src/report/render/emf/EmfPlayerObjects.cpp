// The file's objects: pens, brushes and fonts kept by handle, selected into
// the device context and deleted.
#include "report/render/emf/EmfPlayback.h"

#include <variant>

TEmfObject* TEmfPlayback::Slot(std::uint32_t handle) {
    return handle > 0 && handle < objects_.size() ? &objects_[handle] : nullptr;
}

TEmfObject TEmfPlayback::Object(std::uint32_t handle) {
    if (handle & emf::kStockObject) {
        return EmfStockObject(handle & ~emf::kStockObject);
    }
    const TEmfObject* object = Slot(handle);
    return object ? *object : TEmfObject();
}

void TEmfPlayback::Keep(std::uint32_t handle, std::optional<TEmfObject> object) {
    if (TEmfObject* slot = Slot(handle); slot && object) {
        *slot = std::move(*object);
    }
}

void TEmfPlayback::Create(const TEmrCreatePen& record) {
    Keep(record.Handle(), ReadEmfPen(record));
}

void TEmfPlayback::Create(const TEmrExtCreatePen& record) {
    Keep(record.Handle(), ReadEmfPen(record));
}

void TEmfPlayback::Create(const TEmrCreateBrushIndirect& record) {
    Keep(record.Handle(), ReadEmfBrush(record));
}

void TEmfPlayback::Create(const TEmrCreatePatternBrush& record) {
    Keep(record.Handle(), ReadEmfPatternBrush(record));
}

void TEmfPlayback::Create(const TEmrExtCreateFontIndirectW& record) {
    Keep(record.Handle(), ReadEmfFont(record));
}

void TEmfPlayback::SelectObject(const TEmrObject& record) {
    if (!record.Complete()) {
        return;
    }
    const TEmfObject object = Object(record.Handle());
    if (const auto* pen = std::get_if<QPen>(&object)) {
        dc_.pen = *pen;
    } else if (const auto* brush = std::get_if<QBrush>(&object)) {
        dc_.brush = *brush;
    } else if (const auto* font = std::get_if<TEmfFont>(&object)) {
        dc_.font = *font;
    }
}

void TEmfPlayback::DeleteObject(const TEmrObject& record) {
    if (TEmfObject* slot = Slot(record.Handle()); slot && record.Complete()) {
        *slot = std::monostate();
    }
}
