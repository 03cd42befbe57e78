#include "app/HelpWindow.h"

#include "app/HelpText.h"
#include "controls/ControlPictures.h"
#include "text/FileVersion.h"
#include "text/Paths.h"
#include "text/qt/QtCodec.h"

#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

constexpr int kLinePixels = 20;
constexpr int kWheelDivisor = 6;

// The decorative title strip: a gradient from the program's blue to white.
class TGradientPanel : public QWidget {
public:
    explicit TGradientPanel(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, width(), 0);
        gradient.setColorAt(0, QColor(0x1F, 0x4E, 0x9A));
        gradient.setColorAt(1, QColor(0xE8, 0xF0, 0xFB));
        painter.fillRect(rect(), gradient);
    }
};

const std::pair<const char*, TPicture> kPictures[] = {
    {"picture:add", TPicture::Add},     {"picture:copy", TPicture::Copy},
    {"picture:edit", TPicture::Edit},   {"picture:delete", TPicture::Delete},
    {"picture:print", TPicture::Print}, {"picture:register", TPicture::Register},
    {"picture:help", TPicture::Help},
};

} // namespace

TfmHelp::TfmHelp(QWidget* parent) : QDialog(parent) {
    setObjectName("TfmHelp");
    setWindowTitle(ToQString("Справка по программе"));
    resize(560, 520);

    auto* panel = new TGradientPanel(this);
    panel->setObjectName("Panel");
    panel->setFixedHeight(56);
    auto* title = new QLabel(ToQString("Препроводительная ведомость"), panel);
    QFont titleFont("Arial");
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet("color: white");
    LVersion = new QLabel(panel);
    LVersion->setObjectName("LVersion");
    LVersion->setStyleSheet("color: white");
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(12, 6, 12, 6);
    panelLayout->addWidget(title);
    panelLayout->addWidget(LVersion);

    page_ = new QTextBrowser(this);
    page_->setObjectName("Page");
    page_->setOpenLinks(false);
    // Scrolling is this window's own: by the wheel's delta and by the arrows.
    page_->setFocusPolicy(Qt::NoFocus);
    page_->viewport()->installEventFilter(this);
    for (const auto& [name, picture] : kPictures) {
        // Drawn at twice the size shown, so that the page stays sharp when scaled.
        page_->document()->addResource(QTextDocument::ImageResource, QUrl(name),
                                       PictureIcon(picture).pixmap(44, 44).toImage());
    }
    page_->setHtml(ToQString(HelpPageText()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(page_);

    LVersion->setText(VersionText());
}

QString TfmHelp::VersionText() const {
    const QFileInfo program(QString::fromStdString(ProgramFile().string()));
    return ToQString("Версия " + FileVersionText(ProgramFile()) + " [") +
           program.lastModified().toString("dd.MM.yyyy") + "]";
}

void TfmHelp::ScrollBy(int pixels) {
    QScrollBar* bar = page_->verticalScrollBar();
    bar->setValue(bar->value() + pixels);
}

bool TfmHelp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_->viewport() && event->type() == QEvent::Wheel) {
        ScrollBy(-static_cast<QWheelEvent*>(event)->angleDelta().y() / kWheelDivisor);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfmHelp::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        ScrollBy(-kLinePixels);
        break;
    case Qt::Key_Down:
        ScrollBy(kLinePixels);
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}
