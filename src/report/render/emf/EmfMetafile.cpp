#include "report/render/emf/EmfMetafile.h"
#include "report/NumberText.h"
#include "report/ReportError.h"
#include "report/render/emf/EmfFormat.h"
#include "report/render/emf/EmfPlayer.h"
#include "report/render/emf/EmfReader.h"
#include "report/render/emf/EmfRecorder.h"
#include "report/render/emf/EmfWriter.h"

struct TEmfMetafileState {
    TEmfHeader header;
    std::string bytes;
    // Made on first use and kept, since a painter may still refer to it.
    std::unique_ptr<TEmfPaintDevice> device;
};

TEmfMetafile::TEmfMetafile() : state_(std::make_unique<TEmfMetafileState>()) {}

TEmfMetafile::TEmfMetafile(int widthPixels, int heightPixels) : TEmfMetafile() {
    if (!emf::AcceptablePictureSize(widthPixels, heightPixels)) {
        throw EReportError("Недопустимый размер метафайла: " + IntToText(widthPixels) + " x " +
                           IntToText(heightPixels));
    }
    state_->bytes = EmfFileBytes(widthPixels, heightPixels, 1, {}, 0);
    state_->header = ReadEmfHeader(state_->bytes);
}

TEmfMetafile TEmfMetafile::FromBytes(std::string_view bytes) {
    TEmfMetafile metafile;
    metafile.state_->header = ReadEmfHeader(bytes);
    metafile.state_->bytes = std::string(bytes.substr(0, metafile.state_->header.size));
    return metafile;
}

TEmfMetafile::TEmfMetafile(const TEmfMetafile& other)
    : state_(std::make_unique<TEmfMetafileState>()) {
    state_->header = other.state_->header;
    state_->bytes = other.state_->bytes;
}

TEmfMetafile& TEmfMetafile::operator=(const TEmfMetafile& other) {
    if (this != &other) {
        TEmfMetafile copy(other);
        *this = std::move(copy);
    }
    return *this;
}

TEmfMetafile::TEmfMetafile(TEmfMetafile&& other) noexcept = default;
TEmfMetafile& TEmfMetafile::operator=(TEmfMetafile&& other) noexcept = default;
TEmfMetafile::~TEmfMetafile() = default;

int TEmfMetafile::Width() const {
    return state_->header.width;
}

int TEmfMetafile::Height() const {
    return state_->header.height;
}

QPaintDevice& TEmfMetafile::PaintDevice() {
    if (!state_->device) {
        TEmfMetafileState* state = state_.get();
        state_->device =
            std::make_unique<TEmfPaintDevice>(Width(), Height(), [state](std::string&& file) {
                state->header = ReadEmfHeader(file);
                state->bytes = std::move(file);
            });
    }
    return *state_->device;
}

void TEmfMetafile::Play(QPainter& painter, const QRectF& target) const {
    PlayEmf(painter, state_->bytes, state_->header, target);
}

std::string TEmfMetafile::Bytes() const {
    return state_->bytes;
}
