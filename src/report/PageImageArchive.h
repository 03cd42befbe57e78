#pragma once
// The archive of page images: every page's metafile, packed in page order as
// "Page_001.emf", "Page_002.emf", ... The page files are made in a fresh
// temporary directory (the program's own may not be writable) and removed
// afterwards, also when a page or the archive fails.
#include <filesystem>
#include <string>

class IReport3;

// A page number in at least three digits: "007", "1000".
std::string PaddedPageNumber(int number);

// The member name of a page: "Page_001.emf".
std::string PageImageName(int number);

// Raises the error of the page or of the archive; a previous archive then stays.
void WritePageImageArchive(IReport3& report, const std::filesystem::path& archiveName);
