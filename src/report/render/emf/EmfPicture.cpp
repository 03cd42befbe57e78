#include "report/render/emf/EmfPicture.h"

#include "report/Base64.h"
#include "report/render/emf/EmfMetafile.h"

#include <exception>

namespace {

constexpr std::string_view kPictureMark = "!EMF";

} // namespace

bool IsPictureContent(std::string_view content) {
    return content.starts_with(kPictureMark);
}

void PlayPictureContent(QPainter& painter, std::string_view content, const QRect& box) {
    const auto bytes = Base64Decode(content.substr(kPictureMark.size()));
    if (!bytes || box.isEmpty()) {
        return;
    }
    painter.save();
    try {
        TEmfMetafile::FromBytes(*bytes).Play(painter, QRectF(box));
    } catch (const std::exception&) {
        // A picture that cannot be read is left out; the page draws on.
    }
    painter.restore();
}
