#pragma once
// A page as a metafile file: the page drawn as on a screen at 100 % with
// both offsets -9, so that the page runs from (-1, -1) and its outline and
// shadow fall on or beyond the edges of a metafile 4 pixels smaller than the
// page. Written through a temporary file, so a failed save keeps the old one.
#include <filesystem>
#include <string>

class IReport3Page;

// The metafile's bytes.
std::string PageMetafileBytes(IReport3Page& page);

// Raises EFileError when the file cannot be written.
void SavePageMetafile(IReport3Page& page, const std::filesystem::path& fileName);
