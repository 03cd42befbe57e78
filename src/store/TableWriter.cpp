#include "store/TableWriter.h"

#include "store/StoreError.h"
#include "store/ValueText.h"
#include "text/Cp1251.h"
#include "text/Format.h"

#include <array>
#include <charconv>
#include <cstring>

namespace {

// What one Windows-1251 byte becomes in an attribute value of a variant.
struct TByteText {
    char Bytes[8];
    unsigned char Length;
};

using TByteTable = std::array<TByteText, 256>;

TByteTable MakeByteTable(TTableVariant variant) {
    TByteTable table{};
    for (int b = 0; b < 256; ++b) {
        std::string text;
        switch (b) {
        case '<':
            text = "&lt;";
            break;
        case '>':
            text = "&gt;";
            break;
        case '&':
            text = "&amp;";
            break;
        case '\'':
            text = "&apos;";
            break;
        case '"':
            text = "&quot;";
            break;
        case '\r':
            text = "&#013;";
            break;
        case '\n':
            text = "&#010;";
            break;
        case '\t':
            text = "&#009;";
            break;
        case '\\':
            text = "&#092;";
            break;
        default: {
            const std::string byte(1, static_cast<char>(b));
            text = variant == TTableVariant::Utf8 ? Cp1251ToUtf8(byte) : byte;
        }
        }
        table[b].Length = static_cast<unsigned char>(text.size());
        text.copy(table[b].Bytes, text.size());
    }
    return table;
}

const TByteTable& ByteTable(TTableVariant variant) {
    static const TByteTable utf8 = MakeByteTable(TTableVariant::Utf8);
    static const TByteTable singleByte = MakeByteTable(TTableVariant::SingleByte);
    return variant == TTableVariant::Utf8 ? utf8 : singleByte;
}

// Sizes the output first and then fills it: values such as the cash field
// escape every few bytes, and appending piece by piece costs more. Every byte
// stores the eight bytes of its entry and advances by the entry's length,
// which takes no branch that the escapes could make the processor mispredict.
void AppendEscaped(std::string& out, std::string_view text, const TByteTable& table) {
    std::size_t length = 0;
    for (char c : text) {
        length += table[static_cast<unsigned char>(c)].Length;
    }
    const std::size_t old = out.size();
    out.resize(old + length + sizeof(TByteText::Bytes)); // room for the last entry's store
    char* p = out.data() + old;
    for (char c : text) {
        const TByteText& entry = table[static_cast<unsigned char>(c)];
        std::memcpy(p, entry.Bytes, sizeof entry.Bytes);
        p += entry.Length;
    }
    out.resize(old + length);
}

// Names hold nothing to escape (the reader takes none that would); they are
// only converted.
std::string NameText(std::string_view name, TTableVariant variant) {
    return variant == TTableVariant::Utf8 ? Cp1251ToUtf8(name) : std::string(name);
}

void AppendAttribute(std::string& out, std::string_view name, std::string_view value,
                     TTableVariant variant) {
    out += ' ';
    out += NameText(name, variant);
    out += "=\"";
    AppendEscaped(out, value, ByteTable(variant));
    out += '"';
}

bool IsNameChar(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c >= 0xC0 || c == 0xA8 || c == 0xB8;
}

bool IsUsableName(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9') || name[0] == '-' || name[0] == '.') {
        return false;
    }
    for (char c : name) {
        if (!IsNameChar(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

std::string AttributeNameOf(std::string_view name) {
    std::string result(name);
    for (char& c : result) {
        if (!IsNameChar(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return result;
}

std::vector<std::string> AttributeNames(const std::vector<TFieldDef>& defs) {
    std::vector<std::string> names;
    for (const TFieldDef& def : defs) {
        if (def.Name.size() > static_cast<std::size_t>(kMaxFieldNameLength)) {
            throw EStoreError(
                Format("Fieldname %s exceeds %d chars", {def.Name, kMaxFieldNameLength}));
        }
        std::string name = AttributeNameOf(def.Name);
        for (std::size_t k = 0; k < names.size(); ++k) {
            if (names[k] == name) {
                throw EStoreError(Format("Fields '%s' and '%s' cannot both be written as '%s'",
                                         {defs[k].Name, def.Name, name}));
            }
        }
        names.push_back(std::move(name));
    }
    return names;
}

void AppendField(std::string& out, const TFieldDef& def, std::string_view attrName,
                 TTableVariant variant) {
    out += "<FIELD";
    if (!IsUsableName(def.Name)) {
        AppendAttribute(out, "fieldname", def.Name, variant);
    }
    AppendAttribute(out, "attrname", attrName, variant);
    AppendAttribute(out, "fieldtype", FieldTypeName(def.Type), variant);
    const std::pair<bool, std::string_view> flags[] = {{def.ReadOnly, "readonly"},
                                                       {def.Required, "required"},
                                                       {def.Hidden, "hidden"},
                                                       {def.LinkField, "linkfield"}};
    for (const auto& [set, name] : flags) {
        if (set) {
            AppendAttribute(out, name, "true", variant);
        }
    }
    if (const std::string_view subtype = ImpliedSubtype(def.Type); !subtype.empty()) {
        AppendAttribute(out, "SUBTYPE", subtype, variant);
    }
    if (def.Size > 0) {
        char digits[16];
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, def.Size);
        AppendAttribute(out, "WIDTH", std::string_view(digits, end - digits), variant);
    }
    for (const auto& [name, value] : def.Properties) {
        AppendAttribute(out, name, value, variant);
    }
    out += "/>";
}

} // namespace

std::string FormatTable(const TTable& table, TTableVariant variant) {
    const TByteTable& bytes = ByteTable(variant);
    const std::vector<TFieldDef>& defs = table.FieldDefs();
    // Each row value starts with ` name="`: one append instead of three.
    std::vector<std::string> names = AttributeNames(defs);
    for (std::string& name : names) {
        name = ' ' + NameText(name, variant) + "=\"";
    }

    std::string out;
    // Generous: memory reserved and never written costs nothing.
    out.reserve(256 + table.RecordCount() * (64 + 48 * defs.size()));
    out += variant == TTableVariant::Utf8
               ? "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>  "
               : "<?xml version=\"1.0\" standalone=\"yes\"?>  ";
    out += "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";
    for (std::size_t i = 0; i < defs.size(); ++i) {
        AppendField(out, defs[i], AttributeNameOf(defs[i].Name), variant);
    }
    out += "</FIELDS><PARAMS";
    if (table.AutoIncField() >= 0) {
        char digits[24];
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, table.AutoIncValue());
        AppendAttribute(out, "AUTOINCVALUE", std::string_view(digits, end - digits), variant);
    }
    for (const auto& [name, value] : table.Properties()) {
        AppendAttribute(out, name, value, variant);
    }
    out += "/></METADATA><ROWDATA>";
    for (std::size_t r = 0; r < table.RecordCount(); ++r) {
        const TRowView row = table.Row(r);
        out += "<ROW";
        for (std::size_t f = 0; f < defs.size(); ++f) {
            if (row[f].IsEmpty()) {
                continue;
            }
            out += names[f];
            if (row[f].Kind() == TValue::TKind::Text) {
                AppendEscaped(out, row[f].Text(), bytes);
            } else {
                AppendValueText(out, defs[f].Type, row[f]); // digits, signs, "." and ":" only
            }
            out += '"';
        }
        out += "/>";
    }
    out += "</ROWDATA></DATAPACKET>";
    return out;
}
