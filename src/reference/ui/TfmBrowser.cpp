#include "reference/ui/TfmBrowser.h"

#include "bank/DirectoryReader.h"
#include "controls/ControlPictures.h"
#include "controls/MessageDialog.h"
#include "controls/VertGrid.h"
#include "controls/WindowStyle.h"
#include "reference/ReferenceRecords.h"
#include "reference/ui/DirectoryFileDialog.h"
#include "text/Format.h"
#include "text/qt/QtCodec.h"

#include <utility>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace {

// Geometry, in pixels.
constexpr int kClientWidth = 450;
constexpr int kClientHeight = 255;
constexpr int kToolBarHeight = 37;
constexpr int kButtonSize = 29;
constexpr int kEditPictureSize = 20;
constexpr int kColumnWidths[] = {34, 262, 123};

} // namespace

// The list, with the edit picture over the row numbers of column 0.
class TBrowserList : public TVertGrid {
public:
    using TVertGrid::TVertGrid;

protected:
    void paintEvent(QPaintEvent* event) override {
        TVertGrid::paintEvent(event);
        QPainter painter(viewport());
        const int first = std::max(rowAt(0), 0);
        const int below = rowAt(viewport()->height() - 1);
        const int last = below >= 0 ? below : model()->rowCount() - 1;
        for (int row = first; row <= last; ++row) {
            // The cell is filled: the picture stands for its row number.
            const QRect cell = visualRect(model()->index(row, 0));
            const bool selected = selectionModel()->isRowSelected(row, {});
            painter.fillRect(cell,
                             palette().color(selected ? QPalette::Highlight : QPalette::Base));
            const int left = cell.left() + cell.width() / 2 - kEditPictureSize / 2;
            const int top = cell.top() + cell.height() / 2 - kEditPictureSize / 2;
            DrawPicture(painter, QRectF(left, top, kEditPictureSize, kEditPictureSize),
                        TPicture::Edit);
        }
    }
};

TfmBrowser::TfmBrowser(TStore& store, TActionRunner runner, TKeptBankDirectory* directory,
                       QWidget* parent)
    : QDialog(parent), runner_(std::move(runner)), store_(store), directory_(directory) {
    setObjectName("TfmBrowser");
    SetWindowFont(*this);
    resize(kClientWidth, kClientHeight);

    auto* toolBar = new QWidget(this);
    toolBar->setObjectName("ToolBar");
    toolBar->setFixedHeight(kToolBarHeight);
    auto* buttons = new QHBoxLayout(toolBar);
    buttons->setContentsMargins(4, 4, 4, 4);
    buttons->setSpacing(0);
    const auto makeButton = [&](const char* name, const char* hint, const QIcon& icon) {
        auto* button = new QToolButton(toolBar);
        button->setObjectName(name);
        button->setToolTip(ToQString(hint));
        button->setIcon(icon);
        button->setIconSize(QSize(20, 20));
        button->setFixedSize(kButtonSize, kButtonSize);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(button);
        return button;
    };
    QToolButton* btnAdd = makeButton("BtnAdd", "Добавить", PictureIcon(TPicture::Add));
    QToolButton* btnEdit = makeButton("BtnEdit", "Редактировать", PictureIcon(TPicture::Edit));
    QToolButton* btnDelete = makeButton("BtnDelete", "Удалить", PictureIcon(TPicture::Delete));
    btnBikDirectory_ =
        makeButton("BtnBikDirectory", "Справочник БИК…", PictureIcon(TPicture::Directory));
    buttons->addStretch();

    list_ = new TBrowserList(this);
    list_->setObjectName("List");
    list_->SetOptions(kListGridOptions);
    list_->SetColCount(3);
    list_->SetRowCount(2);
    list_->SetTitles({"Ред.", "Наименование", "Исп. по умолчанию"});
    for (int col = 0; col < 3; ++col) {
        list_->SetColWidth(col, kColumnWidths[col]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(list_);

    connect(btnAdd, &QToolButton::clicked, this,
            [this] { runner_([this] { BtnAddClick(); }); });
    connect(btnEdit, &QToolButton::clicked, this,
            [this] { runner_([this] { BtnEditClick(); }); });
    connect(btnDelete, &QToolButton::clicked, this,
            [this] { runner_([this] { BtnDeleteClick(); }); });
    connect(btnBikDirectory_, &QToolButton::clicked, this,
            [this] { runner_([this] { BtnBikDirectoryClick(); }); });
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
}

bool TfmBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        runner_([this, at] { ListDblClick(at); });
        return true;
    }
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        // The list's two commands: Enter chooses, Esc cancels.
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            runner_([this] { Choose(); });
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TfmBrowser::Execute(const TBrowserSetup& request) {
    setWindowTitle(ToQString(request.Caption));
    table_ = request.Table;
    slot_ = request.Slot;
    recordEditor_ = request.Editor;
    selectedID_ = request.SelectedID;
    btnBikDirectory_->setVisible(table_ == TStoreTable::Banks && directory_ != nullptr);
    // The editor belongs to this showing's caller: dropped however it ends.
    struct TDropEditor {
        IReferenceEditor*& Editor;
        ~TDropEditor() { Editor = nullptr; }
    } drop{recordEditor_};
    FormShow();
    return exec() == QDialog::Accepted;
}

void TfmBrowser::FormShow() {
    CentreOnScreen(*this);
    FillList();
    list_->SetCol(1);
    list_->SetRow(RowOfRecord(shown_, selectedID_));
    list_->setFocus(Qt::OtherFocusReason);
}

std::vector<TListedRecord> TfmBrowser::RecordsToShow() {
    return ListedRecords(store_.Table(table_), slot_ > 0 ? store_.DefaultID(slot_) : 0);
}

void TfmBrowser::FillList() {
    shown_ = RecordsToShow();
    list_->BeginUpdate();
    for (int col = 0; col < 3; ++col) {
        list_->SetCell(col, 1, {});
        list_->SetObject(col, 1, 0);
    }
    // The empty row stays when no record is shown.
    list_->SetRowCount(std::max(static_cast<int>(shown_.size()) + 1, 2));
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        list_->SetObject(0, row, static_cast<int>(shown_[i].ID));
        list_->SetCell(0, row, Format("%d", {row}));
        list_->SetCell(1, row, shown_[i].Name);
        if (slot_ > 0) {
            list_->SetCell(2, row, shown_[i].Default ? "Да" : "");
        }
    }
    list_->EndUpdate();
}

int TfmBrowser::SelectedRowID() const {
    return list_->Row() >= 1 ? list_->Object(0, list_->Row()) : 0;
}

void TfmBrowser::BtnAddClick() {
    if (recordEditor_ != nullptr) {
        RunEditor(0);
    }
}

void TfmBrowser::BtnEditClick() {
    EditRecord(SelectedRowID());
}

void TfmBrowser::EditRecord(int id) {
    if (id != 0 && recordEditor_ != nullptr) {
        RunEditor(id);
    }
}

void TfmBrowser::RunEditor(int id) {
    recordEditor_->SetRecordID(id);
    if (recordEditor_->Execute()) {
        FillList();
        return;
    }
    // A save that failed before the user gave up left the record changed
    // in memory: the list shows it as it is.
    if (RecordsToShow() != shown_) {
        FillList();
    }
}

void TfmBrowser::BtnDeleteClick() {
    const int id = SelectedRowID();
    if (id == 0) {
        return;
    }
    const std::string name = list_->Cell(1, list_->Row());
    if (ShowMessageBox(DeleteQuestion(name), "", kMbYesNo | kMbIconQuestion) != kIdYes) {
        return;
    }
    if (!MarkDeleted(store_.Table(table_), id)) {
        return;
    }
    FillList();
    SaveReferenceTables(store_);
}

void TfmBrowser::ListDblClick(QPoint viewportPos) {
    int col = -1;
    int row = -1;
    if (!list_->MouseToCell(viewportPos, col, row)) {
        return;
    }
    const int id = list_->Object(0, row);
    switch (DoubleClickAction(col, row, list_->RowCount(), slot_, id != 0)) {
    case TListClick::Nothing:
        return;
    case TListClick::Edit:
        EditRecord(id);
        return;
    case TListClick::SetDefault:
        store_.SetDefaultID(slot_, id);
        FillList();
        store_.SaveConfig();
        return;
    case TListClick::Choose:
        selectedID_ = id;
        accept();
        return;
    }
}

void TfmBrowser::Choose() {
    if (const int id = SelectedRowID(); id != 0) {
        selectedID_ = id;
        accept();
    }
}

void TfmBrowser::BtnBikDirectoryClick() {
    const std::optional<std::filesystem::path> file = ChooseDirectoryFile(*this);
    if (!file) {
        return;
    }
    TBankDirectory directory = ReadDirectoryFile(*file);
    const TBankDirectory& kept = directory_->Directory();
    if (!kept.Empty() && directory.Date() < kept.Date() &&
        !ConfirmQuestion(OlderDirectoryQuestion(directory, kept))) {
        return;
    }
    const std::string read = DirectoryReadText(directory);
    directory_->Replace(std::move(directory));
    MessageDialog(read, kMbIconInformation | kMbOk);
}
