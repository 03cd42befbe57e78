#include "bank/DirectoryReader.h"

#include "bank/BankChecks.h"
#include "bank/ZipMember.h"
#include "text/CharClass.h"
#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Format.h"
#include "text/Paths.h"
#include "text/SafeFile.h"

#include <pugixml.hpp>

#include <algorithm>
#include <optional>
#include <system_error>

namespace {

// No name, place or account of the directory comes near this.
constexpr std::size_t kMaxValueLength = 1000;
// Elements and attributes of a document: the full directory has about half
// a million; many more would only cost memory.
constexpr std::size_t kMaxMarks = 4'000'000;

[[noreturn]] void Fail(const std::string& reason) {
    throw EParseError(reason);
}

// The element's name without its namespace prefix.
std::string_view LocalName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// Text of an attribute: the references decoded into the program's
// encoding, control characters made blanks.
class TValueReader {
public:
    explicit TValueReader(bool utf8) : utf8_(utf8) {}

    std::string operator()(const pugi::xml_node& node, const char* name,
                           std::string_view bik) const {
        const std::string_view raw = node.attribute(name).value();
        if (raw.size() > kMaxValueLength) {
            Fail("слишком длинное значение " + std::string(name) +
                 (bik.empty() ? std::string() : " у БИК " + std::string(bik)));
        }
        std::string text;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '&') {
                const std::size_t end = raw.find(';', i);
                if (end != std::string_view::npos) {
                    if (const auto c = Reference(raw.substr(i + 1, end - i - 1))) {
                        text += *c;
                        i = end;
                        continue;
                    }
                }
            }
            text += static_cast<unsigned char>(raw[i]) < ' ' ? ' ' : raw[i];
        }
        return utf8_ ? Utf8ToCp1251(text) : text;
    }

private:
    // The character a reference stands for, in the document's encoding.
    std::optional<std::string> Reference(std::string_view name) const {
        static constexpr std::pair<std::string_view, char> kNamed[] = {
            {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
        for (const auto& [entity, c] : kNamed) {
            if (name == entity) {
                return std::string(1, c);
            }
        }
        if (name.size() < 2 || name[0] != '#') {
            return std::nullopt;
        }
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        char32_t code = 0;
        if (digits.empty() || digits.size() > 6) {
            return std::nullopt;
        }
        for (const char c : digits) {
            const int value = c >= '0' && c <= '9'          ? c - '0'
                              : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                            : -1;
            if (value < 0) {
                return std::nullopt;
            }
            code = code * (hex ? 16 : 10) + static_cast<char32_t>(value);
        }
        const char32_t shown = code < U' ' ? U' ' : code;
        if (utf8_) {
            return Cp1251ToUtf8(std::string(1, CodePointToCp1251(shown)));
        }
        return std::string(1, CodePointToCp1251(shown));
    }

    bool utf8_;
};

// Whether the declaration names UTF-8 (or none, its default); refuses
// encodings other than it and Windows-1251.
bool IsUtf8(const pugi::xml_document& document) {
    const pugi::xml_node declaration = document.first_child();
    if (declaration.type() != pugi::node_declaration) {
        return true;
    }
    std::string encoding = declaration.attribute("encoding").value();
    std::transform(encoding.begin(), encoding.end(), encoding.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
    if (encoding.empty() || encoding == "utf-8") {
        return true;
    }
    if (encoding == "windows-1251" || encoding == "cp1251") {
        return false;
    }
    Fail("неизвестная кодировка \"" + encoding + "\"");
}

bool IsValidDate(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') {
        return false;
    }
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!IsDigit(date[i])) {
            return false;
        }
    }
    const int month = (date[5] - '0') * 10 + (date[6] - '0');
    const int day = (date[8] - '0') * 10 + (date[9] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

TDirectoryBank ReadEntry(const pugi::xml_node& entry, const TValueReader& value) {
    TDirectoryBank bank;
    bank.BIK = value(entry, "BIC", {});
    if (CheckBIK(bank.BIK) != TDetailCheck::Passed || bank.BIK.find(' ') != std::string::npos) {
        Fail("неверный БИК \"" + bank.BIK.substr(0, 40) + "\"");
    }
    for (const pugi::xml_node& child : entry.children()) {
        const std::string_view name = LocalName(child);
        if (name == "ParticipantInfo") {
            bank.Name = value(child, "NameP", bank.BIK);
            bank.PlaceKind = value(child, "Tnp", bank.BIK);
            bank.Place = value(child, "Nnp", bank.BIK);
            bank.Deleted = value(child, "ParticipantStatus", bank.BIK) == "PSDL";
            for (const pugi::xml_node& restriction : child.children()) {
                if (LocalName(restriction) == "RstrList" &&
                    value(restriction, "Rstr", bank.BIK) == "LWRS") {
                    bank.Revoked = true;
                }
            }
        } else if (name == "Accounts" &&
                   value(child, "RegulationAccountType", bank.BIK) == "CRSA" &&
                   value(child, "AccountStatus", bank.BIK) != "ACDL" && bank.CorrAccount.empty()) {
            bank.CorrAccount = value(child, "Account", bank.BIK);
            if (CheckAccount(bank.CorrAccount, {}) != TDetailCheck::Passed ||
                bank.CorrAccount.find(' ') != std::string::npos) {
                Fail("неверный корреспондентский счет у БИК " + bank.BIK);
            }
        }
    }
    return bank;
}

} // namespace

TBankDirectory ReadDirectoryXml(std::string_view xml) {
    if (xml.size() > kDirectoryFileLimit) {
        Fail("файл слишком велик");
    }
    if (static_cast<std::size_t>(std::count(xml.begin(), xml.end(), '<') +
                                 std::count(xml.begin(), xml.end(), '=')) > kMaxMarks) {
        Fail("в файле слишком много элементов");
    }
    pugi::xml_document document;
    // The bytes are taken as they are: references are decoded above, into
    // the document's own encoding.
    const unsigned options =
        pugi::parse_cdata | pugi::parse_wconv_attribute | pugi::parse_eol | pugi::parse_declaration;
    const pugi::xml_parse_result parsed =
        document.load_buffer(xml.data(), xml.size(), options, pugi::encoding_utf8);
    if (!parsed) {
        Fail(Format("XML поврежден или обрезан (ошибка в позиции %d)",
                    {static_cast<long long>(parsed.offset)}));
    }
    const TValueReader value(IsUtf8(document));
    const pugi::xml_node root = document.document_element();
    if (LocalName(root) != "ED807") {
        Fail("это не электронное сообщение ED807");
    }
    if (const std::string kind = value(root, "InfoTypeCode", {}); !kind.empty() && kind != "FIRR") {
        Fail("это не полный справочник (InfoTypeCode \"" + kind + "\")");
    }
    std::string date = value(root, "BusinessDay", {});
    if (date.empty()) {
        date = value(root, "EDDate", {});
    }
    if (!IsValidDate(date)) {
        Fail("неверная дата справочника \"" + date.substr(0, 40) + "\"");
    }
    std::vector<TDirectoryBank> banks;
    for (const pugi::xml_node& entry : root.children()) {
        if (LocalName(entry) == "BICDirectoryEntry") {
            banks.push_back(ReadEntry(entry, value));
        }
    }
    if (banks.empty()) {
        Fail("в справочнике нет ни одного банка");
    }
    return TBankDirectory(std::move(date), std::move(banks));
}

TBankDirectory ReadDirectoryBytes(std::string_view bytes) {
    if (LooksLikeZip(bytes)) {
        return ReadDirectoryXml(ExtractXmlMember(bytes, kDirectoryFileLimit));
    }
    return ReadDirectoryXml(bytes);
}

TBankDirectory ReadDirectoryFile(const std::filesystem::path& path) {
    const std::string name = PathToText(path.filename());
    try {
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        if (!error && size > kDirectoryFileLimit) {
            Fail("файл слишком велик");
        }
        return ReadDirectoryBytes(ReadWholeFileOrRaise(path));
    } catch (const EParseError& error) {
        throw EParseError("Файл \"" + name + "\" не является справочником БИК: " + error.what());
    }
}
