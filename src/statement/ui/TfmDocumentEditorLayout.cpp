// The editor's controls: made once, when the window is created.
#include "statement/ui/TfmDocumentEditor.h"

#include "controls/VertGrid.h"
#include "controls/WindowStyle.h"
#include "report/render/DrawAlignedText.h"
#include "statement/Denominations.h"
#include "statement/ui/DocumentEditorChoices.h"
#include "statement/ui/TypedCharFilter.h"
#include "text/qt/QtCodec.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

constexpr int kCashRows = 1 + static_cast<int>(kDenominationCount);
// Pixels.
constexpr int kRowHeight = 20;
constexpr int kCashTitleHeight = 34; // two lines of a wrapped title
constexpr int kCashLabelWidth = 150;
constexpr int kCashCountWidth = 105;
constexpr int kSourceNameWidth = 250;
constexpr int kSourceAmountWidth = 100;
constexpr int kSourceVisibleRows = 5;

QLabel* MakeLabel(QWidget& parent, const char* text) {
    return new QLabel(ToQString(text), &parent);
}

// A grid with the two shown columns of the editor and two hidden ones.
void SetUpEditorGrid(TVertGrid& grid, int rows, const char* title0, const char* title1) {
    grid.SetColCount(4);
    grid.SetRowCount(rows);
    grid.SetFixedCols(1);
    grid.SetTitles({title0, title1});
    grid.SetDefaultRowHeight(kRowHeight);
    grid.setColumnHidden(2, true);
    grid.setColumnHidden(3, true);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// Titles centred, denomination labels right-aligned, both wrapped; the
// counts as the grid draws plain cells.
void DrawCashCell(QPainter& painter, const TDrawCell& cell, const std::string& text) {
    const QRect& r = cell.Rect;
    painter.fillRect(r, cell.Background);
    painter.setPen(cell.Foreground);
    if (!cell.Fixed) {
        painter.drawText(r.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         ToQString(text));
        return;
    }
    DrawAlignedText(painter, r.x(), r.y(), r.width(), r.height(), text, cell.Row == 0 ? 5 : 6,
                    true);
    painter.setPen(cell.Foreground.lighter(250));
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.drawLine(r.bottomLeft(), r.bottomRight());
}

} // namespace

void TfmDocumentEditor::FormCreate() {
    setObjectName("TfmDocumentEditor");
    setWindowTitle(ToQString("Редактор ведомости"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    SetWindowFont(*this);

    eBag_ = new QLineEdit(this);
    eBag_->setObjectName("eBag");
    eBag_->setMaxLength(kBagNumberLength);
    calendar_ = new QDateEdit(this);
    calendar_->setObjectName("Calendar");
    calendar_->setCalendarPopup(true);
    calendar_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));

    auto* header = new QGridLayout;
    header->addWidget(MakeLabel(*this, "Номер сумки:"), 0, 0);
    header->addWidget(eBag_, 0, 1);
    header->addWidget(MakeLabel(*this, "Дата:"), 1, 0);
    header->addWidget(calendar_, 1, 1);
    auto* parties = new QVBoxLayout;
    parties->addLayout(header);
    for (int i = 0; i < static_cast<int>(lists_.size()); ++i) {
        parties->addSpacing(6);
        parties->addWidget(MakeLabel(*this, kChoiceLayouts[i].Label));
        parties->addWidget(MakeChoice(i));
    }
    parties->addStretch();

    MakeCashGrid();
    lSum_ = new QLabel(this);
    lSum_->setObjectName("LSum");
    auto* cashTotal = new QHBoxLayout;
    cashTotal->addWidget(MakeLabel(*this, "Итого:"));
    cashTotal->addWidget(lSum_, 1);
    auto* counts = new QVBoxLayout;
    counts->addWidget(cash_);
    counts->addLayout(cashTotal);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addLayout(parties, 0, 0);
    grid->addLayout(counts, 0, 2);
    grid->setColumnMinimumWidth(1, 8);

    MakeSourceGrid();
    grid->addWidget(MakeLabel(*this, "Источник поступления:"), 1, 0, 1, 3);
    auto* sources = new QHBoxLayout;
    sources->addWidget(source_);
    auto* sourceButtons = new QVBoxLayout;
    for (auto [button, name, caption, click] :
         {std::tuple{&btnAddSource_, "BtnAddSource", "Добавить",
                     &TfmDocumentEditor::BtnAddSourceClick},
          std::tuple{&btnEditSource_, "BtnEditSource", "Изменить",
                     &TfmDocumentEditor::BtnEditSourceClick},
          std::tuple{&btnDeleteSource_, "BtnDeleteSource", "Удалить",
                     &TfmDocumentEditor::BtnDeleteSourceClick}}) {
        *button = new QPushButton(ToQString(caption), this);
        (*button)->setObjectName(name);
        (*button)->setFocusPolicy(Qt::NoFocus);
        connect(*button, &QPushButton::clicked, this,
                [this, click] { Act([this, click] { (this->*click)(); }); });
        sourceButtons->addWidget(*button);
    }
    sourceButtons->addStretch();
    sources->addLayout(sourceButtons);
    grid->addLayout(sources, 2, 0, 1, 3);
    lSourceSum_ = new QLabel(this);
    lSourceSum_->setObjectName("LSourceSum");
    auto* sourceTotal = new QHBoxLayout;
    sourceTotal->addWidget(MakeLabel(*this, "Итого:"));
    sourceTotal->addWidget(lSourceSum_, 1);
    grid->addLayout(sourceTotal, 3, 0, 1, 3);

    eField39_ = new QLineEdit(this);
    eField39_->setObjectName("eField39");
    eField39_->setMaxLength(200);
    grid->addWidget(MakeLabel(*this, "Текст в поле №39 (свободное поле):"), 4, 0, 1, 3);
    grid->addWidget(eField39_, 5, 0, 1, 3);

    btnPrint_ = new QPushButton(ToQString("Печать"), this);
    btnPrint_->setObjectName("BtnPrint");
    btnOK_ = new QPushButton(ToQString("Сохранить"), this);
    btnOK_->setObjectName("BtnOK");
    btnCancel_ = new QPushButton(ToQString("Отменить"), this);
    btnCancel_->setObjectName("BtnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPrint_);
    buttons->addStretch();
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);
    grid->addLayout(buttons, 6, 0, 1, 3);
    // Enter presses only the button that has the focus; in the fields it
    // has moves of its own.
    for (QPushButton* button : {btnPrint_, btnOK_, btnCancel_}) {
        button->setDefault(false);
    }
    SetTabOrder();
}

QWidget* TfmDocumentEditor::MakeChoice(int listIndex) {
    const TChoiceLayout& layout = kChoiceLayouts[static_cast<std::size_t>(listIndex)];
    auto* row = new QWidget(this);
    QComboBox*& list = lists_[static_cast<std::size_t>(listIndex)];
    list = new QComboBox(row);
    list->setObjectName(layout.ListName);
    list->setMinimumWidth(260);
    auto* browse = new QToolButton(row);
    browse->setObjectName(layout.BrowseName);
    browse->setText(QStringLiteral("..."));
    browse->setFocusPolicy(Qt::NoFocus);
    auto* box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(list, 1);
    box->addWidget(browse);
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, listIndex] { ListChosen(listIndex); });
    connect(browse, &QToolButton::clicked, this,
            [this, listIndex] { Act([this, listIndex] { BrowseClick(listIndex); }); });
    return row;
}

void TfmDocumentEditor::MakeCashGrid() {
    cash_ = new TVertGrid(this);
    cash_->setObjectName("Cash");
    SetUpEditorGrid(*cash_, kCashRows, "Номинал банкноты (монеты)", "Количество, шт.");
    cash_->horizontalHeader()->setFixedHeight(kCashTitleHeight);
    for (int row = 1; row < kCashRows; ++row) {
        const TDenomination& denomination = Denominations()[static_cast<std::size_t>(row - 1)];
        cash_->SetCell(0, row, std::string(denomination.Label));
        cash_->SetCell(2, row, std::string(denomination.ValueText));
        cash_->SetCell(3, row, std::string(denomination.Code));
    }
    cash_->SetColWidth(0, kCashLabelWidth);
    cash_->SetColWidth(1, kCashCountWidth);
    cash_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * cash_->frameWidth();
    cash_->setFixedSize(kCashLabelWidth + kCashCountWidth + frame,
                        kCashTitleHeight + (kCashRows - 1) * kRowHeight + frame);
    cash_->OnDrawCell = [this](QPainter& painter, const TDrawCell& cell) {
        DrawCashCell(painter, cell, cash_->Cell(cell.Col, cell.Row));
    };
}

void TfmDocumentEditor::MakeSourceGrid() {
    source_ = new TVertGrid(this);
    source_->setObjectName("Source");
    SetUpEditorGrid(*source_, 2, "Наименование", "Сумма");
    source_->SetColWidth(0, kSourceNameWidth);
    source_->SetColWidth(1, kSourceAmountWidth);
    source_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int frame = 2 * source_->frameWidth();
    source_->setFixedSize(kSourceNameWidth + kSourceAmountWidth + frame +
                              source_->verticalScrollBar()->sizeHint().width(),
                          kSourceVisibleRows * kRowHeight + frame);
}

void TfmDocumentEditor::SetTabOrder() {
    const std::array<QWidget*, 12> order = {eBag_,      cash_,     calendar_, lists_[0],
                                            lists_[1],  lists_[2], lists_[3], btnOK_,
                                            btnCancel_, source_,   eField39_, btnPrint_};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}
