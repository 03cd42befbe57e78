#pragma once
// Pages as PNG pictures at 100 %: the page image alone on white, without
// outline or shadow (840 x 1188 pixels for a portrait A4 page).
#include <QImage>

#include <filesystem>

class IReport3;
class IReport3Page;

QImage PagePicture(IReport3Page& page);

// The file of page `number` for an output name: "page.png" gives
// "page-001.png"; a name without ".png" gets it added.
std::filesystem::path PagePngName(const std::filesystem::path& outputName, int number);

// One file per page, named by PagePngName; raises EFileError for a file that
// cannot be written (the pages before it stay written).
void WritePagePngs(IReport3& report, const std::filesystem::path& outputName);
