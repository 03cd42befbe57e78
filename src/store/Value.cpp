#include "store/Value.h"

#include "store/StoreError.h"

#include <limits>

TValue::TValue(std::string_view text)
    : text_(text.data()), size_(static_cast<std::uint32_t>(text.size())), kind_(TKind::Text) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw EStoreError("A text of 4 GiB or more cannot be stored");
    }
}

bool operator==(const TValue& a, const TValue& b) {
    if (a.kind_ != b.kind_) {
        return false;
    }
    switch (a.kind_) {
    case TValue::TKind::Empty:
        return true;
    case TValue::TKind::Integer:
        return a.integer_ == b.integer_;
    case TValue::TKind::Float:
        return a.float_ == b.float_;
    case TValue::TKind::Text:
        return a.Text() == b.Text();
    }
    return false;
}
