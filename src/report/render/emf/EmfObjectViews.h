#pragma once
// Views of the records that create, select and delete pens, brushes and fonts.
#include "report/render/emf/EmfRecordView.h"

// SelectObject, DeleteObject, and the start of every creation record.
class TEmrObject : public TEmrView {
public:
    explicit TEmrObject(TEmfRecord record) : TEmrView(record, 12) {}
    std::uint32_t Handle() const { return record_.U32(8); }

protected:
    TEmrObject(TEmfRecord record, std::size_t fixedSize) : TEmrView(record, fixedSize) {}
};

class TEmrCreatePen : public TEmrObject {
public:
    explicit TEmrCreatePen(TEmfRecord record) : TEmrObject(record, 28) {}
    std::uint32_t Style() const { return record_.U32(12); }
    std::uint32_t Width() const { return record_.U32(16); }
    std::uint32_t Color() const { return record_.U32(24); }
};

class TEmrExtCreatePen : public TEmrObject {
public:
    explicit TEmrExtCreatePen(TEmfRecord record) : TEmrObject(record, 52) {}
    std::uint32_t Style() const { return record_.U32(28); }
    std::uint32_t Width() const { return record_.U32(32); }
    std::uint32_t BrushStyle() const { return record_.U32(36); }
    std::uint32_t Color() const { return record_.U32(40); }
    // The dash and gap lengths of a user style.
    std::uint32_t StyleEntryCount() const { return record_.U32(48); }
    bool HasStyleEntries() const { return record_.HasArray(52, StyleEntryCount(), 4); }
    std::uint32_t StyleEntry(std::uint32_t index) const { return record_.U32(52 + 4 * index); }
};

class TEmrCreateBrushIndirect : public TEmrObject {
public:
    explicit TEmrCreateBrushIndirect(TEmfRecord record) : TEmrObject(record, 24) {}
    std::uint32_t Style() const { return record_.U32(12); }
    std::uint32_t Color() const { return record_.U32(16); }
    std::uint32_t Hatch() const { return record_.U32(20); }
};

// CreateDibPatternBrushPt, CreateMonoBrush.
class TEmrCreatePatternBrush : public TEmrObject {
public:
    explicit TEmrCreatePatternBrush(TEmfRecord record) : TEmrObject(record, 32) {}
    std::string_view BitmapInfo() const { return Block(16); }
    std::string_view Bits() const { return Block(24); }
};

class TEmrExtCreateFontIndirectW : public TEmrObject {
public:
    explicit TEmrExtCreateFontIndirectW(TEmfRecord record) : TEmrObject(record, 104) {}
    // Negative: the character height; positive: the cell height.
    std::int32_t Height() const { return record_.I32(12); }
    std::int32_t Escapement() const { return record_.I32(20); } // tenths of a degree
    std::int32_t Weight() const { return record_.I32(28); }
    std::uint8_t Italic() const { return record_.U8(32); }
    std::uint8_t Underline() const { return record_.U8(33); }
    std::uint8_t StrikeOut() const { return record_.U8(34); }
    std::uint8_t Charset() const { return record_.U8(35); }
    // A character of the face name, of kFaceNameLength with a terminating 0.
    char16_t FaceName(std::size_t index) const { return record_.U16(40 + 2 * index); }
};
