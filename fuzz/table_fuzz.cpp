// Table-file reader: any bytes load or raise a store error; what loads is
// written in both variants, and each written file reads back to itself.
#include "store/Table.h"
#include "text/Errors.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TTable table;
    try {
        table.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size), "f.xml");
    } catch (const EAppError&) {
        return 0;
    }
    for (TTableVariant variant : {TTableVariant::Utf8, TTableVariant::SingleByte}) {
        std::string written;
        try {
            written = table.SaveToBytes(variant);
        } catch (const EAppError&) {
            return 0; // a field name no file can hold
        }
        TTable back;
        back.LoadFromBytes(written, "f.xml");
        if (back.SaveToBytes(variant) != written) {
            std::abort();
        }
    }
    return 0;
}
