#include "report/ui/TfmReport3Preview.h"

#include "controls/MessageDialog.h"
#include "report/PageDrawingRules.h"
#include "report/ReportError.h"
#include "report/TReport3.h"
#include "report/render/ReportCanvas.h"
#include "report/render/ReportSaving.h"
#include "report/ui/PreviewGeometry.h"
#include "report/ui/PreviewPictures.h"
#include "report/ui/TfmReport3TextEditor.h"
#include "text/qt/QtCodec.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// The page background (0x808080).
const QColor kBackground(0x80, 0x80, 0x80);
// 96 pixels per inch, in dots per metre: the pages' fonts are realised at it.
constexpr int kBitmapDotsPerMeter = 3780;
// Pixels an arrow key scrolls.
constexpr int kKeyStep = 32;
// The save dialog's filter: one choice per form the preview saves, page text first.
constexpr const char* kSaveFilter =
    "Отчеты (*.rp3);;Excel (*.xml);;Изображения страниц в архиве ZIP (*.zip);;CSV (*.csv);;"
    "PDF (*.pdf)";

QToolButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(ToQString(caption));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, Qt::Orientation orientation) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setPageStep(100);
    bar->setSingleStep(8);
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

} // namespace

TfmReport3Preview::TfmReport3Preview(TReport3& report, TfmReport3TextEditor& editor,
                                     TActionRunner runAction, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), report_(report), editor_(editor),
      runAction_(std::move(runAction)), hand_(MakeHandCursor()) {
    setObjectName("TfmReport3Preview");
    setWindowTitle(ToQString("Предварительный просмотр"));
    CreateToolbar();
    CreateZoomMenu();

    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    Shape1->setFixedHeight(1);
    Shape1->setStyleSheet("background: rgb(64, 64, 128);");
    pb = new QWidget(this);
    pb->setObjectName("pb");
    pb->setAttribute(Qt::WA_OpaquePaintEvent);
    pb->setMouseTracking(true);
    pb->installEventFilter(this);
    ScrollBar1 = MakeScrollBar(this, "ScrollBar1", Qt::Horizontal);
    ScrollBar2 = MakeScrollBar(this, "ScrollBar2", Qt::Vertical);
    ScrollBar2->setMaximum(1000);
    for (QScrollBar* bar : {ScrollBar1, ScrollBar2}) {
        bar->installEventFilter(this);
        connect(bar, &QScrollBar::valueChanged, this, [this] { PagesChanged(); });
    }

    auto* view = new QGridLayout;
    view->setSpacing(0);
    view->addWidget(pb, 0, 0);
    view->addWidget(ScrollBar2, 0, 1);
    view->addWidget(ScrollBar1, 1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Shape1);
    layout->addLayout(view, 1);

    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(QRect(QPoint(0, 0), screen->size()));
    }
}

void TfmReport3Preview::CreateToolbar() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFixedHeight(33);
    Panel1->setFont(QFont("Arial"));
    MyGlassGradient1 = new QWidget(Panel1);
    MyGlassGradient1->setObjectName("MyGlassGradient1");
    MyGlassGradient1->setAttribute(Qt::WA_StyledBackground);
    MyGlassGradient1->setStyleSheet(
        "#MyGlassGradient1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
        "stop:0 #c5dfff, stop:0.48 #8cc0ff, stop:0.52 #3d95ff, stop:1 #78b6ff); }"
        "QToolButton { color: black; } QToolButton:disabled { color: #50607a; }");
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(MyGlassGradient1);

    SpeedButton1 = MakeButton(MyGlassGradient1, "SpeedButton1", "100%");
    SpeedButton1->setIcon(MakeZoomIcon());
    SpeedButton3 = MakeButton(MyGlassGradient1, "SpeedButton3", "Печать (Enter)");
    SpeedButton7 = MakeButton(MyGlassGradient1, "SpeedButton7", "");
    SpeedButton7->setArrowType(Qt::DownArrow);
    SpeedButton7->setFixedWidth(16);
    SpeedButton4 = MakeButton(MyGlassGradient1, "SpeedButton4", "Настройка печати");
    SpeedButton2 = MakeButton(MyGlassGradient1, "SpeedButton2", "Сохранить (F2)");
    SpeedButton6 = MakeButton(MyGlassGradient1, "SpeedButton6", "Границы листа");
    SpeedButton6->setEnabled(false);
    Label1 = new QLabel(ToQString("Идет загрузка отчета..."), MyGlassGradient1);
    Label1->setObjectName("Label1");
    Label1->setStyleSheet("color: white;");
    SpeedButton5 = MakeButton(MyGlassGradient1, "SpeedButton5", "Выход (ESC)");

    auto* buttons = new QHBoxLayout(MyGlassGradient1);
    buttons->setContentsMargins(4, 2, 4, 2);
    buttons->setSpacing(4);
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton3);
    buttons->addSpacing(-4);
    buttons->addWidget(SpeedButton7);
    buttons->addWidget(SpeedButton4);
    buttons->addWidget(SpeedButton2);
    buttons->addWidget(SpeedButton6);
    buttons->addSpacing(12);
    buttons->addWidget(Label1);
    buttons->addStretch();
    buttons->addWidget(SpeedButton5);

    connect(SpeedButton3, &QToolButton::clicked, this, [this] { Print(false); });
    connect(SpeedButton7, &QToolButton::clicked, this, [this] { Print(true); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { PrinterSetup(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { Save(); });
    connect(SpeedButton5, &QToolButton::clicked, this, &QWidget::close);
}

void TfmReport3Preview::CreateZoomMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    for (const char* caption : kZoomCaptions) {
        QAction* item = PopupMenu1->addAction(ToQString(caption));
        connect(item, &QAction::triggered, this, [this, item] {
            SpeedButton1->setText(item->text());
            RecomputeScrollRanges();
        });
    }
    // Keeps F2 listed with the menu; the key itself is handled with the others.
    QAction* save = PopupMenu1->addAction(ToQString("Сохранить"));
    save->setShortcut(Qt::Key_F2);
    save->setVisible(false);
    connect(save, &QAction::triggered, this, [this] { Save(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] {
        PopupMenu1->popup(SpeedButton1->mapToGlobal(SpeedButton1->rect().bottomLeft()));
    });
}

void TfmReport3Preview::CreateSaveDialog() {
    // Made at the first save: a file dialog takes longer to make than the
    // whole preview to appear.
    if (SaveDialog1 != nullptr) {
        return;
    }
    SaveDialog1 = new QFileDialog(this, ToQString("Сохранить отчет"), ".", ToQString(kSaveFilter));
    SaveDialog1->setObjectName("SaveDialog1");
    SaveDialog1->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setDefaultSuffix("rp3");
    SaveDialog1->setLabelText(QFileDialog::LookIn, ToQString("Папка:"));
    SaveDialog1->setLabelText(QFileDialog::FileName, ToQString("Имя файла:"));
    SaveDialog1->setLabelText(QFileDialog::FileType, ToQString("Тип файла:"));
    SaveDialog1->setLabelText(QFileDialog::Accept, ToQString("Сохранить"));
    SaveDialog1->setLabelText(QFileDialog::Reject, ToQString("Отмена"));
    // A name typed without an extension takes the one of the chosen form.
    connect(SaveDialog1, &QFileDialog::filterSelected, SaveDialog1, [this](const QString& filter) {
        const qsizetype dot = filter.lastIndexOf("*.");
        SaveDialog1->setDefaultSuffix(filter.mid(dot + 2).chopped(1));
    });
}

std::int32_t TfmReport3Preview::Zoom() const {
    return ZoomFromCaption(FromQString(SpeedButton1->text()));
}

void TfmReport3Preview::RecomputeScrollRanges() {
    const TScrollRanges ranges = ComputeScrollRanges(report_, Zoom(), width(), height());
    ScrollBar1->setRange(0, ranges.Horizontal);
    ScrollBar1->setValue(0);
    ScrollBar2->setRange(0, ranges.Vertical);
    ScrollBar2->setValue(0);
    PagesChanged();
}

void TfmReport3Preview::PagesChanged() {
    // What failed to paint may paint now: the view or the pages changed.
    paintFailed_ = false;
    pb->update();
}

void TfmReport3Preview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The count and ranges are set once the window is on the screen.
    QMetaObject::invokeMethod(this, &TfmReport3Preview::AfterShow, Qt::QueuedConnection);
}

void TfmReport3Preview::AfterShow() {
    modified_ = false;
    Label1->setText(ToQString(PageCountMessage(report_.PageCount())));
    RecomputeScrollRanges();
}

void TfmReport3Preview::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    bitmap_ = QImage(size(), QImage::Format_RGB32);
    bitmap_.setDotsPerMeterX(kBitmapDotsPerMeter);
    bitmap_.setDotsPerMeterY(kBitmapDotsPerMeter);
}

void TfmReport3Preview::PaintPages() {
    const std::int32_t zoom = Zoom();
    const std::int32_t x = -ScrollBar1->value();
    std::int64_t y = -ScrollBar2->value();
    QPainter painter(&bitmap_);
    painter.fillRect(bitmap_.rect(), kBackground);
    if (!paintFailed_) {
        try {
            IReport3Canvas canvas(painter);
            for (std::int32_t number = 1; number <= report_.PageCount(); ++number) {
                const auto page = report_.GetPage(number);
                const std::int64_t h = ZoomedPagePixels(page->GetHeight(), zoom);
                if (y + h + kPreviewPageGap >= 0) {
                    page->Draw(&canvas, zoom, x, static_cast<std::int32_t>(y));
                }
                y += h + kPreviewPageGap;
                if (y > bitmap_.height()) {
                    break;
                }
            }
        } catch (const std::exception& error) {
            // Told after the paint: a box shown inside it would paint again.
            paintFailed_ = true;
            const std::string message = error.what();
            QMetaObject::invokeMethod(
                this, [this, message] { RunAction([&message] { throw EAppError(message); }); },
                Qt::QueuedConnection);
        }
    }
    painter.end();
    QPainter(pb).drawImage(QPoint(0, 0), bitmap_, pb->rect());
}

bool TfmReport3Preview::eventFilter(QObject* watched, QEvent* event) {
    // The wheel scrolls the pages by its own rule wherever it turns.
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched != pb) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Paint:
        PaintPages();
        return true;
    case QEvent::MouseButtonPress:
        PressAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        MoveTo(mouse->position().toPoint(), mouse->buttons());
        return true;
    }
    case QEvent::MouseButtonRelease:
        SetDragging(false);
        return true;
    case QEvent::MouseButtonDblClick:
        EditTextAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    default:
        return false;
    }
}

void TfmReport3Preview::PressAt(QPoint point) {
    last_ = point;
}

void TfmReport3Preview::MoveTo(QPoint point, Qt::MouseButtons buttons) {
    if (!buttons.testFlag(Qt::LeftButton)) {
        SetDragging(false);
        return;
    }
    SetDragging(true);
    ScrollBar1->setValue(ScrollBar1->value() + last_.x() - point.x());
    ScrollBar2->setValue(ScrollBar2->value() + last_.y() - point.y());
    last_ = point;
}

void TfmReport3Preview::SetDragging(bool dragging) {
    for (QWidget* widget : {static_cast<QWidget*>(this), pb}) {
        if (dragging) {
            widget->setCursor(hand_);
        } else {
            widget->unsetCursor();
        }
    }
}

void TfmReport3Preview::mousePressEvent(QMouseEvent* event) {
    PressAt(event->position().toPoint());
}

void TfmReport3Preview::mouseMoveEvent(QMouseEvent* event) {
    MoveTo(event->position().toPoint(), event->buttons());
}

void TfmReport3Preview::mouseReleaseEvent(QMouseEvent*) {
    SetDragging(false);
}

void TfmReport3Preview::mouseDoubleClickEvent(QMouseEvent*) {
    RecomputeScrollRanges();
}

void TfmReport3Preview::wheelEvent(QWheelEvent* event) {
    ScrollBar2->setValue(ScrollBar2->value() - event->angleDelta().y());
}

void TfmReport3Preview::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Print(false);
        close();
        return;
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Left:
        ScrollBar1->setValue(ScrollBar1->value() - kKeyStep);
        return;
    case Qt::Key_Right:
        ScrollBar1->setValue(ScrollBar1->value() + kKeyStep);
        return;
    case Qt::Key_Up:
        ScrollBar2->setValue(ScrollBar2->value() - kKeyStep);
        return;
    case Qt::Key_Down:
        ScrollBar2->setValue(ScrollBar2->value() + kKeyStep);
        return;
    case Qt::Key_PageUp:
        ScrollBar2->setValue(ScrollBar2->value() - pb->height());
        return;
    case Qt::Key_PageDown:
        ScrollBar2->setValue(ScrollBar2->value() + pb->height());
        return;
    case Qt::Key_Home:
        ScrollBar2->setValue(0);
        return;
    case Qt::Key_End:
        ScrollBar2->setValue(1000000);
        return;
    case Qt::Key_F2:
        Save();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TfmReport3Preview::EditTextAt(QPoint point) {
    if (!report_.GetEditable()) {
        return;
    }
    RunAction([this, point] {
        const auto hit = FindTextAt(report_, Zoom(), ScrollBar1->value(), ScrollBar2->value(),
                                    point.x(), point.y());
        if (!hit) {
            return;
        }
        const auto edited = editor_.Edit(hit->Text->GetText());
        if (!edited || *edited == hit->Text->GetText()) {
            return;
        }
        hit->Text->SetText(*edited);
        hit->Page->Invalidate();
        modified_ = true;
        PagesChanged();
    });
}

void TfmReport3Preview::Print(bool withDialog) {
    if (!SpeedButton3->isEnabled()) {
        return;
    }
    RunAction([this, withDialog] {
        RequireService(report_.Services().PrintReport, "Print")(report_, withDialog);
    });
}

void TfmReport3Preview::PrinterSetup() {
    if (!SpeedButton3->isEnabled()) {
        return;
    }
    RunAction([this] { RequireService(report_.Services().PrinterSetup, "PrinterSetup")(); });
}

void TfmReport3Preview::Save() {
    if (!SpeedButton2->isEnabled()) {
        return;
    }
    CreateSaveDialog();
    if (SaveDialog1->exec() != QDialog::Accepted) {
        return;
    }
    const QStringList chosen = SaveDialog1->selectedFiles();
    if (chosen.isEmpty()) {
        return;
    }
    RunAction([this, name = PathFromQString(chosen.first())] {
        SaveReportAs(report_, name, SaveFormFor(name));
    });
}

void TfmReport3Preview::closeEvent(QCloseEvent* event) {
    if (modified_ && !report_.GetFileName().empty()) {
        const int answer =
            MessageDialog("Сохранить изменения в отчете?", kMbYesNoCancel | kMbIconQuestion);
        const bool keepOpen =
            answer == kIdCancel || (answer == kIdYes && !RunAction([this] {
                                        report_.SavePagesToFile(report_.GetFileName());
                                    }));
        if (keepOpen) {
            event->ignore();
            return;
        }
    }
    QDialog::closeEvent(event);
}

bool TfmReport3Preview::RunAction(const std::function<void()>& action) {
    return runAction_(action);
}
