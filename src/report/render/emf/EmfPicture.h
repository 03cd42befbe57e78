#pragma once
// Pictures kept in page texts: "!EMF" and the Base64 form of a metafile.
#include <QPainter>
#include <QRect>

#include <string_view>

// Whether the content of a text is a picture.
bool IsPictureContent(std::string_view content);

// Plays the picture of such a content stretched into `box`; a picture that
// cannot be decoded, read or played draws nothing.
void PlayPictureContent(QPainter& painter, std::string_view content, const QRect& box);
