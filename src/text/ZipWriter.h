#pragma once
// A writer of ZIP archives whose members are stored without compression,
// with fixed time stamps, as the page export packs its page files.
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

// CRC-32 (IEEE 802.3, reflected) of bytes from the 1-based start to the end;
// a start beyond the end gives 0, and 0 counts as 1.
std::uint32_t Crc32(std::string_view bytes, std::size_t start = 1);

// Writes the archive: one member per path, named by its file name, in order.
// A member that cannot be read is stored empty; an archive that cannot be
// written raises EFileError and leaves any previous archive intact.
void WriteStoredZip(const std::vector<std::filesystem::path>& files,
                    const std::filesystem::path& archive);
