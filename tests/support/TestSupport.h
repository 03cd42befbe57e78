#pragma once
// Small helpers shared by the test programs.
#include <filesystem>
#include <string>
#include <string_view>

namespace testing_support {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// The whole file as bytes; fails the test when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// Writes the bytes, replacing the file.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

// The source tree's root (for data files used by tests).
std::filesystem::path SourceDir();

// Copies the report templates the program ships ("Ведомость.rt3" and
// "Реестр.rt3", from the source tree's data folder) into `directory`, as
// the program's working folder holds them.
void CopyShippedTemplates(const std::filesystem::path& directory);

// Windows-1251 bytes of a UTF-8 literal written as u8"...".
std::string W(std::u8string_view utf8);

// Runs a shell command; its exit status.
int RunCommand(const std::string& command);

// Whether a program is on the PATH.
bool HaveProgram(const std::string& name);

} // namespace testing_support
