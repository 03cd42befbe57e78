#include "app/MainWindow.h"

#include "app/FindDialog.h"
#include "controls/ActionRunner.h"
#include "controls/ControlPictures.h"
#include "controls/MessageDialog.h"
#include "controls/VertGrid.h"
#include "report/render/DrawAlignedText.h"
#include "statement/ChoiceList.h"
#include "statement/StatementRegister.h"
#include "statement/StatementReport.h"
#include "statement/StoredStatement.h"
#include "statement/ui/StatementPreview.h"
#include "statement/ui/TfmRegister.h"
#include "store/DocumentList.h"
#include "store/DocumentSearch.h"
#include "text/FileVersion.h"
#include "text/Format.h"
#include "text/Paths.h"
#include "text/qt/QtCodec.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kToolbarHeight = 37;
constexpr int kButtonSize = 29;

struct TColumn {
    const char* Title;
    int Width;
};
const TColumn kColumns[] = {
    {"Дата", 151},
    {"Наименование организации", 216},
    {"Наименование банка", 177},
    {"Номер сумки", 90},
    {"Сумма, руб.", 106},
};
constexpr int kSumColumn = 4;

} // namespace

TfmMain::TfmMain(std::filesystem::path workingDirectory, std::filesystem::path programDirectory,
                 TReportServices reportServices, QWidget* parent)
    : QWidget(parent), store_(workingDirectory, std::move(programDirectory)),
      workingDirectory_(std::move(workingDirectory)), reportServices_(std::move(reportServices)),
      register_(new TfmRegister(this)), find_(new TfmFind(this)) {
    setObjectName("TfmMain");
    QFont font("Arial");
    font.setPixelSize(13);
    setFont(font);

    auto* toolbar = new QFrame(this);
    toolbar->setObjectName("ToolBar");
    toolbar->setFixedHeight(kToolbarHeight);
    auto* buttons = new QHBoxLayout(toolbar);
    buttons->setContentsMargins(4, 4, 4, 4);
    buttons->setSpacing(0);
    buttons->addWidget(AddButton("BtnAdd", "Новый документ", TPicture::Add, &TfmMain::BtnAddClick));
    buttons->addWidget(
        AddButton("BtnCopy", "Новая по образцу", TPicture::Copy, &TfmMain::BtnCopyClick));
    buttons->addWidget(
        AddButton("BtnEdit", "Редактировать документ", TPicture::Edit, &TfmMain::BtnEditClick));
    buttons->addWidget(AddButton("BtnDelete", "Удалить выбранный документ", TPicture::Delete,
                                 &TfmMain::BtnDeleteClick));
    auto* separator = new QFrame(toolbar);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    buttons->addSpacing(3);
    buttons->addWidget(separator);
    buttons->addSpacing(3);
    buttons->addWidget(AddButton("BtnPrint", "Печать", TPicture::Print, &TfmMain::BtnPrintClick));
    buttons->addWidget(AddButton("BtnRegister", "Реестр за период", TPicture::Register,
                                 &TfmMain::BtnRegisterClick));
    buttons->addStretch();
    buttons->addWidget(
        AddButton("BtnHelp", "Справка по программе", TPicture::Help, &TfmMain::BtnHelpClick));

    Table = new TVertGrid(this);
    Table->setObjectName("Table");
    Table->SetOptions(kListGridOptions);
    Table->SetFixedCols(0);
    Table->SetColCount(std::size(kColumns));
    std::vector<std::string> titles;
    for (int col = 0; col < static_cast<int>(std::size(kColumns)); ++col) {
        titles.push_back(kColumns[col].Title);
        Table->SetColWidth(col, kColumns[col].Width);
    }
    Table->SetTitles(titles);
    Table->SetRowCount(2);
    Table->OnDrawCell = [this](QPainter& painter, const TDrawCell& cell) {
        TableDrawCell(painter, cell);
    };
    Table->installEventFilter(this);
    Table->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(Table);

    resize(784, 413);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    setWindowTitle(ToQString(kAppTitle));
    FormCreate();
    Table->setFocus();
}

TfmMain::~TfmMain() {
    FormDestroy();
}

QToolButton* TfmMain::AddButton(const char* name, const char* hint, TPicture picture,
                                void (TfmMain::*click)()) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setToolTip(ToQString(hint));
    button->setAccessibleName(ToQString(hint));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setIconSize(QSize(22, 22));
    button->setIcon(PictureIcon(picture));
    connect(button, &QToolButton::clicked, this,
            [this, click] { RunUserAction([this, click] { (this->*click)(); }); });
    return button;
}

void TfmMain::FormCreate() {
    startupErrors_ = store_.Open();
    // Without the statements there is nothing to list; what failed has been
    // reported already.
    if (!store_.Failure(TStoreTable::Documents)) {
        RefreshList();
    }
    setWindowTitle(ToQString(std::string(kAppTitle) + " [" + FileVersionText(ProgramFile()) + "]"));
}

void TfmMain::FormDestroy() {
    try {
        store_.SaveEarnSources();
    } catch (const std::exception& error) {
        MessageDialog(std::string("Ошибка сохранения данных: ") + error.what(),
                      kMbOk | kMbIconError);
    }
}

void TfmMain::ShowStartupErrors() {
    for (const std::string& error : startupErrors_) {
        ShowErrorBox(error);
    }
}

int TfmMain::SelectedID() const {
    const int row = Table->Row();
    return row >= 1 ? Table->Object(0, row) : 0;
}

void TfmMain::RefreshList() {
    // A firms or banks table that could not be read leaves its names empty:
    // the statements stay in view, so nobody takes them for lost.
    const auto readable = [this](TStoreTable table) {
        return store_.Failure(table) ? nullptr : &store_.Table(table);
    };
    std::vector<TDocumentListRow> rows = BuildDocumentList(
        store_.Documents(), readable(TStoreTable::Firms), readable(TStoreTable::Banks));
    const int selected = SelectedID();
    Table->BeginUpdate();
    Table->SetRowCount(std::max<int>(rows.size() + 1, 2));
    for (int col = 0; col < Table->ColCount(); ++col) {
        Table->SetCell(col, 1, {});
        Table->SetObject(col, 1, 0);
    }
    int selectedRow = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        TDocumentListRow& from = rows[k];
        const int row = static_cast<int>(k) + 1;
        Table->SetObject(0, row, static_cast<int>(from.ID));
        Table->SetCell(0, row, std::move(from.Date));
        Table->SetCell(1, row, std::move(from.FirmName));
        Table->SetCell(2, row, std::move(from.BankName));
        Table->SetCell(3, row, std::move(from.BagNumber));
        Table->SetCell(4, row, std::move(from.Sum));
        if (selected != 0 && from.ID == selected) {
            selectedRow = row;
        }
    }
    Table->EndUpdate();
    if (selectedRow != 0) {
        Table->SetRow(selectedRow);
    }
}

void TfmMain::TableDrawCell(QPainter& painter, const TDrawCell& cell) {
    painter.fillRect(cell.Rect, cell.Background);
    if (cell.Fixed) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(cell.Rect.topRight(), cell.Rect.bottomRight());
        painter.drawLine(cell.Rect.bottomLeft(), cell.Rect.bottomRight());
    }
    painter.setPen(cell.Foreground);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(font());
    // Titles centred; data left, the sum right; all vertically centred.
    const int alignment = cell.Row == 0 ? 5 : cell.Col == kSumColumn ? 6 : 4;
    DrawAlignedText(painter, cell.Rect.left() + 2, cell.Rect.top() + 1, cell.Rect.width() - 4,
                    cell.Rect.height() - 2, Table->Cell(cell.Col, cell.Row), alignment, true);
}

void TfmMain::BtnAddClick() {
    const std::int64_t saved = OnEditDocument ? OnEditDocument(0) : 0;
    RefreshList();
    SelectDocument(saved);
}

void TfmMain::SelectDocument(std::int64_t id) {
    if (id <= 0) {
        return;
    }
    for (int row = 1; row < Table->RowCount(); ++row) {
        if (Table->Object(0, row) == id) {
            Table->SetRow(row);
            return;
        }
    }
}

void TfmMain::BtnEditClick() {
    const int id = SelectedID();
    if (id == 0) {
        return;
    }
    if (OnEditDocument) {
        OnEditDocument(id);
    }
    RefreshList();
}

void TfmMain::BtnDeleteClick() {
    const int id = SelectedID();
    if (id == 0 || ShowMessageBox("Вы действительно хотите удалить выбранный документ?", "",
                                  kMbYesNo | kMbIconQuestion) != kIdYes) {
        return;
    }
    TTable& documents = store_.Documents();
    if (!documents.Locate(id)) {
        return;
    }
    documents.Remove();
    // The row is gone from memory whether the file can be written or not: the
    // list shows that, and the next save of the table writes it.
    try {
        store_.SaveDocuments();
    } catch (...) {
        RefreshList();
        throw;
    }
    RefreshList();
}

void TfmMain::BtnCopyClick() {
    const int id = SelectedID();
    if (id == 0) {
        return;
    }
    const std::int64_t saved = OnCopyDocument ? OnCopyDocument(id) : 0;
    RefreshList();
    SelectDocument(saved);
}

void TfmMain::BtnPrintClick() {
    const int id = SelectedID();
    if (id == 0) {
        return;
    }
    // The stored statement as it is, without the editor's check.
    const TVariableList variables = StoredStatementVariables(store_, id);
    PreviewReport(reportServices_, [&](IReport3& report) {
        LoadStatementReport(report, variables, workingDirectory_);
    });
}

void TfmMain::BtnRegisterClick() {
    const std::optional<TRegisterQuery> query =
        register_->Execute(BuildChoiceItems(store_.Firms()), Now());
    if (!query) {
        return;
    }
    const TVariableList variables = BuildRegisterVariables(store_, *query);
    PreviewReport(reportServices_, [&](IReport3& report) {
        LoadRegisterReport(report, variables, workingDirectory_);
    });
}

void TfmMain::FindClick() {
    if (std::optional<std::string> text = find_->Execute(findText_)) {
        FindText(std::move(*text));
    }
}

void TfmMain::FindNextClick() {
    if (findText_.empty()) {
        FindClick();
    } else {
        FindText(findText_);
    }
}

void TfmMain::FindText(std::string text) {
    findText_ = std::move(text);
    const TTextFinder finder(findText_);
    const int last = Table->RowCount() - 1;
    const int found = FindNextRow(1, last, Table->Row(), [&](int row) {
        if (Table->Object(0, row) == 0) {
            return false; // the placeholder row
        }
        for (int col = 0; col < Table->ColCount(); ++col) {
            if (finder.FoundIn(Table->Cell(col, row))) {
                return true;
            }
        }
        return false;
    });
    if (found == 0) {
        MessageDialog(Format("Текст \"%s\" не найден", {findText_}), kMbIconInformation | kMbOk);
        return;
    }
    Table->SetRow(found);
}

void TfmMain::BtnHelpClick() {
    if (help_) {
        help_->exec();
    }
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Table && event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        const bool control = key.modifiers() == Qt::ControlModifier;
        const bool plain = key.modifiers() == Qt::NoModifier;
        void (TfmMain::*command)() = nullptr;
        if (key.key() == Qt::Key_F1) {
            command = &TfmMain::BtnHelpClick;
        } else if (key.key() == Qt::Key_F9 && plain) {
            command = &TfmMain::BtnCopyClick;
        } else if (key.key() == Qt::Key_F && control) {
            command = &TfmMain::FindClick;
        } else if (key.key() == Qt::Key_F3 && plain) {
            command = &TfmMain::FindNextClick;
        }
        if (command) {
            RunUserAction([this, command] { (this->*command)(); });
            return true;
        }
    }
    if (watched == Table->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        int col = 0;
        int row = 0;
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (Table->MouseToCell(at, col, row) && row > 0 && row < Table->RowCount() &&
            col < Table->ColCount()) {
            // The statement under the pointer is the one edited.
            Table->SetRow(row);
            RunUserAction([this] { BtnEditClick(); });
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
