#include "bank/ZipMember.h"

#include "text/Errors.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kMaxComment = 0xFFFF;

[[noreturn]] void Fail(const std::string& reason) {
    throw EParseError(reason);
}

// Little-endian fields of a byte range, every read checked against its end.
class TReader {
public:
    explicit TReader(std::string_view bytes) : bytes_(bytes) {}

    std::uint32_t U16(std::size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
    std::string_view Span(std::size_t at, std::size_t size) const {
        if (at > bytes_.size() || size > bytes_.size() - at) {
            Fail("архив ZIP обрезан или поврежден");
        }
        return bytes_.substr(at, size);
    }

private:
    std::uint32_t Byte(std::size_t at) const { return static_cast<unsigned char>(Span(at, 1)[0]); }
    std::string_view bytes_;
};

struct TMember {
    std::uint32_t Flags = 0;
    std::uint32_t Method = 0;
    std::uint32_t Crc = 0;
    std::uint32_t PackedSize = 0;
    std::uint32_t Size = 0;
    std::uint32_t LocalOffset = 0;
};

std::size_t EndOfDirectory(std::string_view zip) {
    if (zip.size() < kEndSize) {
        Fail("архив ZIP обрезан или поврежден");
    }
    const TReader reader(zip);
    const std::size_t lowest =
        zip.size() > kEndSize + kMaxComment ? zip.size() - kEndSize - kMaxComment : 0;
    for (std::size_t at = zip.size() - kEndSize + 1; at-- > lowest;) {
        if (reader.U32(at) == kEndOfDirectory) {
            return at;
        }
    }
    Fail("архив ZIP обрезан или поврежден: нет его оглавления");
}

bool IsXmlName(std::string_view name) {
    if (name.size() <= 4) {
        return false;
    }
    std::string ending(name.substr(name.size() - 4));
    for (char& c : ending) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return ending == ".xml";
}

// The member of the central directory that holds the XML file.
TMember FindXmlMember(std::string_view zip) {
    const TReader reader(zip);
    const std::size_t end = EndOfDirectory(zip);
    const std::uint32_t count = reader.U16(end + 10);
    const std::uint32_t offset = reader.U32(end + 16);
    if (count == 0xFFFF || offset == 0xFFFFFFFF) {
        Fail("архивы ZIP64 не поддерживаются");
    }
    std::size_t at = offset;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (reader.U32(at) != kCentralHeader) {
            Fail("архив ZIP поврежден: неверное оглавление");
        }
        const std::uint32_t nameLength = reader.U16(at + 28);
        const std::uint32_t extraLength = reader.U16(at + 30);
        const std::uint32_t commentLength = reader.U16(at + 32);
        const std::string_view name = reader.Span(at + kCentralHeaderSize, nameLength);
        if (IsXmlName(name)) {
            TMember member;
            member.Flags = reader.U16(at + 8);
            member.Method = reader.U16(at + 10);
            member.Crc = reader.U32(at + 16);
            member.PackedSize = reader.U32(at + 20);
            member.Size = reader.U32(at + 24);
            member.LocalOffset = reader.U32(at + 42);
            return member;
        }
        at += kCentralHeaderSize + nameLength + extraLength + commentLength;
    }
    Fail("в архиве нет файла XML");
}

// The member's data, never more than its declared size. The buffer grows
// with what comes out, so that a small archive claiming a large member costs
// only what it really holds.
std::string Inflate(std::string_view packed, std::size_t size) {
    constexpr std::size_t kFirstChunk = 1u << 20;
    // One byte more than declared: a stream that goes past it is refused,
    // and one that ends right there still finds room to say so.
    const std::size_t room = size + 1;
    std::string out(std::min(room, std::max(kFirstChunk, packed.size() * 4)), '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        Fail("не удалось распаковать архив");
    }
    // zlib takes unsigned int counts; the limits keep both within them.
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    int status = Z_OK;
    while (true) {
        stream.next_out = reinterpret_cast<Bytef*>(out.data()) + stream.total_out;
        stream.avail_out = static_cast<uInt>(out.size() - stream.total_out);
        status = inflate(&stream, Z_NO_FLUSH);
        const bool full = stream.avail_out == 0;
        if (status != Z_OK || !full || out.size() == room) {
            break;
        }
        out.resize(std::min(room, out.size() * 2));
    }
    const std::size_t produced = stream.total_out;
    inflateEnd(&stream);
    if (status != Z_STREAM_END || produced != size) {
        Fail("архив ZIP поврежден: данные не распаковываются");
    }
    out.resize(size);
    return out;
}

} // namespace

bool LooksLikeZip(std::string_view bytes) {
    return bytes.starts_with(std::string_view("PK\x03\x04", 4)) ||
           bytes.starts_with(std::string_view("PK\x05\x06", 4));
}

std::string ExtractXmlMember(std::string_view zip, std::size_t limit) {
    const TMember member = FindXmlMember(zip);
    if (member.Flags & 1) {
        Fail("архив зашифрован");
    }
    if (member.PackedSize == 0xFFFFFFFF || member.Size == 0xFFFFFFFF) {
        Fail("архивы ZIP64 не поддерживаются");
    }
    if (member.Size > limit || member.Size > std::numeric_limits<uInt>::max()) {
        Fail("файл в архиве слишком велик");
    }
    const TReader reader(zip);
    if (reader.U32(member.LocalOffset) != kLocalHeader) {
        Fail("архив ZIP поврежден: неверный заголовок файла");
    }
    const std::size_t dataAt = std::size_t{member.LocalOffset} + kLocalHeaderSize +
                               reader.U16(member.LocalOffset + 26) +
                               reader.U16(member.LocalOffset + 28);
    const std::string_view packed = reader.Span(dataAt, member.PackedSize);
    std::string data;
    if (member.Method == 0) {
        if (member.PackedSize != member.Size) {
            Fail("архив ZIP поврежден: неверный размер файла");
        }
        data = std::string(packed);
    } else if (member.Method == 8) {
        data = Inflate(packed, member.Size);
    } else {
        Fail("файл в архиве сжат неизвестным способом");
    }
    const uLong crc = crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.data()),
                            static_cast<uInt>(data.size()));
    if (crc != member.Crc) {
        Fail("архив ZIP поврежден: не сходится контрольная сумма");
    }
    return data;
}
