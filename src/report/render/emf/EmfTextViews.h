#pragma once
// Views of the records that draw text.
#include "report/render/emf/EmfRecordView.h"

#include <cstdint>
#include <string_view>

// ExtTextOutW, or with wide false ExtTextOutA.
class TEmrExtTextOut : public TEmrView {
public:
    TEmrExtTextOut(TEmfRecord record, bool wide) : TEmrView(record, 76), charSize_(wide ? 2 : 1) {}
    bool Wide() const { return charSize_ == 2; }
    TEmfPointL Reference() const { return EmfPointAt(record_, 36); }
    std::uint32_t CharCount() const { return record_.U32(44); }
    // The characters' bytes, or nothing when they are not all there.
    std::string_view Chars() const {
        return record_.Bytes(record_.U32(48), std::uint64_t{CharCount()} * charSize_);
    }
    std::uint32_t Options() const { return record_.U32(52); }
    TEmfRectL Rectangle() const { return EmfRectAt(record_, 56); } // for opaque and clipped text

private:
    std::uint64_t charSize_;
};
