#pragma once
// A fresh private directory under the system's temporary directory for files
// that are only made to be packed or converted; it goes with everything in it
// when the object does, also when an error cuts the work short.
#include <filesystem>

class TScratchDirectory {
public:
    // Raises EFileError when no directory can be made.
    TScratchDirectory();
    ~TScratchDirectory();
    TScratchDirectory(const TScratchDirectory&) = delete;
    TScratchDirectory& operator=(const TScratchDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};
