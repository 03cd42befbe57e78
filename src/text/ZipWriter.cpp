#include "text/ZipWriter.h"

#include "text/Paths.h"
#include "text/SafeFile.h"

#include <array>
#include <limits>
#include <string>

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

// Every member carries the same stamp, 17:24:16 on 1 March 2017.
constexpr std::uint16_t kDosTime = 0x8B08;
constexpr std::uint16_t kDosDate = 0x4A61;
constexpr std::uint16_t kVersionNeeded = 10;
constexpr std::uint16_t kVersionMadeBy = 63;
constexpr std::uint32_t kArchiveAttribute = 0x20;

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

// The fields the local and the central header share, from "version needed"
// to "extra field length".
void PutCommonFields(std::string& out, std::uint32_t crc, std::uint32_t size,
                     std::uint16_t nameLength) {
    Put16(out, kVersionNeeded);
    Put16(out, 0); // flags: no UTF-8 names, no data descriptor
    Put16(out, 0); // stored
    Put16(out, kDosTime);
    Put16(out, kDosDate);
    Put32(out, crc);
    Put32(out, size); // compressed
    Put32(out, size); // uncompressed
    Put16(out, nameLength);
    Put16(out, 0); // extra field
}

// The format's fields are 16 and 32 bits wide; a larger value would make a
// broken archive, so it is refused instead.
template <typename Field> Field Fit(std::size_t value, const std::filesystem::path& archive) {
    if (value > std::numeric_limits<Field>::max())
        RaiseCannotCreate(PathToText(archive),
                          "The archive exceeds the size or member count of the ZIP format");
    return static_cast<Field>(value);
}

} // namespace

std::uint32_t Crc32(std::string_view bytes, std::size_t start) {
    if (start > bytes.size())
        return 0;
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes.substr(start == 0 ? 0 : start - 1))
        crc = kCrcTable[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void WriteStoredZip(const std::vector<std::filesystem::path>& files,
                    const std::filesystem::path& archive) {
    std::string out;
    std::string directory;
    for (const std::filesystem::path& file : files) {
        const std::string contents = ReadWholeFile(file).value_or(std::string());
        const std::string name = PathToText(file.filename());
        const std::uint32_t crc = Crc32(contents);
        const auto size = Fit<std::uint32_t>(contents.size(), archive);
        const auto nameLength = Fit<std::uint16_t>(name.size(), archive);
        const auto offset = Fit<std::uint32_t>(out.size(), archive);

        Put32(directory, 0x02014B50);
        Put16(directory, kVersionMadeBy);
        PutCommonFields(directory, crc, size, nameLength);
        Put16(directory, 0); // comment
        Put16(directory, 0); // disk number
        Put16(directory, 0); // internal attributes
        Put32(directory, kArchiveAttribute);
        Put32(directory, offset);
        directory += name;

        Put32(out, 0x04034B50);
        PutCommonFields(out, crc, size, nameLength);
        out += name;
        out += contents;
    }
    const auto entries = Fit<std::uint16_t>(files.size(), archive);
    const auto directorySize = Fit<std::uint32_t>(directory.size(), archive);
    const auto directoryOffset = Fit<std::uint32_t>(out.size(), archive);
    out += directory;
    Put32(out, 0x06054B50);
    Put16(out, 0); // this disk
    Put16(out, 0); // disk of the central directory
    Put16(out, entries);
    Put16(out, entries);
    Put32(out, directorySize);
    Put32(out, directoryOffset);
    Put16(out, 0); // comment
    WriteFileAtomically(archive, out);
}
