#include "text/ScratchDirectory.h"

#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Paths.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

TScratchDirectory::TScratchDirectory() {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    std::string pattern = ((error ? std::filesystem::path("/tmp") : base) / "ved-XXXXXX").string();
    // mkdtemp makes the directory readable by its owner only.
    if (mkdtemp(pattern.data()) == nullptr) {
        throw EFileError("Не удалось создать временную папку \"" + PathToText(pattern) + "\": " +
                         Utf8ToCp1251(std::error_code(errno, std::system_category()).message()));
    }
    path_ = pattern;
}

TScratchDirectory::~TScratchDirectory() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}
