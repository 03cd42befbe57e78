#include "statement/ui/TfmDocumentEditor.h"

#include "controls/MessageDialog.h"
#include "controls/VertGrid.h"
#include "controls/WindowStyle.h"
#include "statement/EditorKeys.h"
#include "statement/StatementReport.h"
#include "statement/ui/DocumentEditorChoices.h"
#include "statement/ui/StatementPreview.h"
#include "statement/ui/TfmEarnSourceEditor.h"
#include "statement/ui/TypedCharFilter.h"
#include "text/qt/QtCodec.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

QDate DateOf(TDateTime value) {
    const TDateTimeParts parts = DecodeDateTime(value);
    return QDate(parts.Year, parts.Month, parts.Day);
}

// The picked day at the time of day the statement had.
TDateTime WithDate(TDateTime value, QDate date) {
    const TDateTimeParts time = DecodeDateTime(value);
    return EncodeDateTime(date.year(), date.month(), date.day(), time.Hour, time.Minute,
                          time.Second, time.Millisecond)
        .value_or(value);
}

void ShowLabel(QLabel& label, const TEditorLabel& shown) {
    const QString text = ToQString(shown.Text);
    if (label.text() != text) {
        label.setText(text);
    }
    const QColor colour = shown.Good ? QColor(0, 128, 0) : QColor(255, 0, 0);
    if (label.palette().color(QPalette::WindowText) != colour) {
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText, colour);
        label.setPalette(palette);
    }
}

} // namespace

TfmDocumentEditor::TfmDocumentEditor(TStore& store, TReportServices reportServices,
                                     std::filesystem::path templateDirectory, TActionRunner runner,
                                     QWidget* parent)
    : QDialog(parent), state_(store), reportServices_(std::move(reportServices)),
      templateDirectory_(std::move(templateDirectory)), runner_(std::move(runner)) {
    FormCreate();
    earnSourceEditor_ = new TfmEarnSourceEditor(this);

    GuardLineEdit(*eBag_, FreeTextKey, [this] { cash_->setFocus(); });
    GuardLineEdit(*eField39_, FreeTextKey, [this] { cash_->setFocus(); });
    connect(eBag_, &QLineEdit::textChanged, this,
            [this] { state_.SetBagNumber(FromQString(eBag_->text())); });
    connect(eField39_, &QLineEdit::textChanged, this,
            [this] { state_.SetField39(FromQString(eField39_->text())); });
    connect(calendar_, &QDateEdit::dateChanged, this, [this](QDate date) {
        if (!showing_) {
            state_.SetDatetime(WithDate(state_.Statement().Datetime, date));
        }
    });
    const std::array<QWidget*, 5> choices = {calendar_, lists_[0], lists_[1], lists_[2], lists_[3]};
    for (QWidget* control : choices) {
        FilterTypedChars(*control, nullptr, [this] { focusNextChild(); });
    }
    LeaveOnTab(*calendar_, *calendar_);

    FilterTypedChars(*cash_, CountKey, [this] { CashEnter(); });
    OnGridEditorOpened(*cash_, [this](TMyInplaceEditList& editor) {
        FilterTypedChars(editor, CountKey, [this] { CashEnter(); });
        connect(&editor, &QLineEdit::textEdited, this,
                [this, &editor] { CountEdited(editor.EditRow(), FromQString(editor.text())); });
    });
    cash_->OnSelectCell = [this](TVertGrid&, int, int row) {
        if (!showing_) {
            state_.SetCashRow(row);
        }
    };
    // Enter in an amount does nothing: it must not press a button of the window.
    FilterTypedChars(*source_, AmountKey, {});
    OnGridEditorOpened(*source_, [this](TMyInplaceEditList& editor) {
        FilterTypedChars(editor, AmountKey, {});
        connect(&editor, &QLineEdit::textEdited, this,
                [this, &editor] { AmountEdited(editor.EditRow(), FromQString(editor.text())); });
    });
    source_->OnSelectCell = [this](TVertGrid&, int, int row) {
        if (!showing_) {
            state_.SetCurrentSource(row);
        }
    };

    connect(btnOK_, &QPushButton::clicked, this, [this] { Act([this] { BtnOKClick(); }); });
    connect(btnPrint_, &QPushButton::clicked, this, [this] { Act([this] { BtnPrintClick(); }); });
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

TfmDocumentEditor::~TfmDocumentEditor() = default;

bool TfmDocumentEditor::EditStatement(std::int64_t id) {
    SetDocumentID(id);
    // Loaded before the window opens: a table that cannot be read stops the
    // action here, and no half-loaded window is ever shown.
    LoadStatement();
    loaded_ = true;
    return exec() == QDialog::Accepted;
}

void TfmDocumentEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored from the task bar keeps what the user typed.
    if (event->spontaneous()) {
        return;
    }
    CentreOnScreen(*this);
    if (!std::exchange(loaded_, false)) {
        Act([this] { LoadStatement(); });
    }
    eBag_->setFocus();
}

void TfmDocumentEditor::Act(const std::function<void()>& action) {
    runner_(action);
}

void TfmDocumentEditor::LoadStatement() {
    state_.Load(Now());
    ShowStatement();
}

void TfmDocumentEditor::ShowStatement() {
    const TStatement& statement = state_.Statement();
    showing_ = true;
    // Typing is held to the box's length; a longer stored number is shown
    // whole, so that saving does not cut it.
    const QString bag = ToQString(statement.BagNumber);
    eBag_->setMaxLength(std::max<int>(kBagNumberLength, bag.size()));
    eBag_->setText(bag);
    eField39_->setText(ToQString(statement.Field39));
    calendar_->setDate(DateOf(statement.Datetime));
    for (int i = 0; i < static_cast<int>(lists_.size()); ++i) {
        ShowList(i);
    }
    ShowCounts();
    ShowSources();
    ShowLabels();
    cash_->SetCol(1);
    cash_->SetRow(state_.CashRow());
    showing_ = false;
}

void TfmDocumentEditor::ShowList(int listIndex) {
    QComboBox& list = *lists_[static_cast<std::size_t>(listIndex)];
    const TChoiceItems& items = state_.Items(ListOf(listIndex));
    const QSignalBlocker blocker(list);
    list.clear();
    for (const TChoiceItem& item : items) {
        list.addItem(ToQString(item.Name), QVariant::fromValue<qlonglong>(item.ID));
    }
    list.setCurrentIndex(ChoiceIndex(items, state_.SelectedID(ListOf(listIndex))));
}

void TfmDocumentEditor::ShowCounts() {
    const TStatement& statement = state_.Statement();
    for (std::size_t i = 0; i < kDenominationCount; ++i) {
        cash_->SetCell(1, static_cast<int>(i + 1), statement.Counts[i]);
    }
}

void TfmDocumentEditor::ShowSources() {
    const bool wasShowing = std::exchange(showing_, true);
    const std::vector<TSourceRow>& rows = state_.Statement().Sources;
    source_->BeginUpdate();
    source_->SetRowCount(std::max(static_cast<int>(rows.size()) + 1, 2));
    for (int row = 1; row < source_->RowCount(); ++row) {
        const bool listed = row <= static_cast<int>(rows.size());
        source_->SetCell(0, row, state_.SourceCaption(row));
        source_->SetCell(1, row, listed ? rows[row - 1].Amount : std::string());
        source_->SetCell(2, row, listed ? rows[row - 1].Symbol : std::string());
        source_->SetCell(3, row, listed ? rows[row - 1].Name : std::string());
    }
    source_->EndUpdate();
    source_->SetCol(1);
    source_->SetRow(state_.Statement().CurrentSource);
    showing_ = wasShowing;
}

void TfmDocumentEditor::ShowAmounts() {
    const std::vector<TSourceRow>& rows = state_.Statement().Sources;
    for (int row = 1; row <= static_cast<int>(rows.size()); ++row) {
        if (source_->Cell(1, row) != rows[row - 1].Amount) {
            source_->SetCell(1, row, rows[row - 1].Amount);
        }
    }
}

void TfmDocumentEditor::ShowLabels() {
    ShowLabel(*lSum_, state_.CashLabel());
    ShowLabel(*lSourceSum_, state_.SourceLabel());
}

void TfmDocumentEditor::CountEdited(int row, const std::string& text) {
    state_.SetCount(row, text);
    ShowAmounts();
    ShowLabels();
}

void TfmDocumentEditor::AmountEdited(int row, const std::string& text) {
    state_.SetAmount(row, text);
    ShowLabels();
}

void TfmDocumentEditor::CashEnter() {
    if (const int next = NextCashRow(cash_->Row())) {
        cash_->SetRow(next);
    } else {
        btnOK_->setFocus();
    }
}

void TfmDocumentEditor::ListChosen(int listIndex) {
    const QComboBox& list = *lists_[static_cast<std::size_t>(listIndex)];
    state_.Select(ListOf(listIndex), list.currentIndex() < 0 ? 0 : list.currentData().toLongLong());
}

bool TfmDocumentEditor::RunCheck() {
    const TCheckResult result = state_.Check();
    ShowAmounts();
    ShowLabels();
    if (result.Passed) {
        return true;
    }
    if (!result.Message.empty()) {
        MessageDialog(result.Message, kMbIconWarning | kMbOk);
    }
    switch (result.Focus) {
    case TEditorControl::Bag:
        eBag_->setFocus();
        break;
    case TEditorControl::Cash:
        cash_->SetCol(1);
        cash_->SetRow(state_.CashRow());
        cash_->setFocus();
        break;
    case TEditorControl::FromFirm:
    case TEditorControl::ToFirm:
    case TEditorControl::FromBank:
    case TEditorControl::ToBank:
        lists_[static_cast<std::size_t>(result.Focus) -
               static_cast<std::size_t>(TEditorControl::FromFirm)]
            ->setFocus();
        break;
    case TEditorControl::Source:
        source_->SetCol(1);
        source_->SetRow(state_.Statement().CurrentSource);
        source_->setFocus();
        break;
    case TEditorControl::None:
        break;
    }
    return false;
}

void TfmDocumentEditor::BtnOKClick() {
    if (RunCheck() && ConfirmBankDetails() && state_.Save()) {
        accept();
    }
}

void TfmDocumentEditor::BtnPrintClick() {
    if (RunCheck() && ConfirmBankDetails()) {
        PreviewReport(reportServices_, [this](IReport3& report) {
            LoadStatementReport(report, state_.PrintVariables(), templateDirectory_);
        });
    }
}
