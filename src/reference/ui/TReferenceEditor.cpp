#include "reference/ui/TReferenceEditor.h"

#include "bank/BankChecks.h"
#include "controls/MessageDialog.h"
#include "controls/WindowStyle.h"
#include "reference/ui/TextBoxGuard.h"
#include "text/qt/QtCodec.h"

#include <utility>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

namespace {

// Geometry of the dialogs, in pixels.
constexpr int kClientWidth = 379;
constexpr int kMargin = 8;
constexpr int kFirstBoxTop = 16;
constexpr int kBoxPitch = 34;
constexpr int kLabelWidth = 120;
constexpr int kBoxLeft = kMargin + kLabelWidth + 8;
constexpr int kBoxHeight = 21;
constexpr int kButtonWidth = 85;
constexpr int kButtonHeight = 25;

void SaveTable(TStore& store, TStoreTable table) {
    if (table == TStoreTable::Firms) {
        store.SaveFirms();
    } else {
        store.SaveBanks();
    }
}

} // namespace

TReferenceEditor::TReferenceEditor(TStore& store, TActionRunner runner, const TEditorLayout& layout,
                                   QWidget* parent)
    : QDialog(parent), runner_(std::move(runner)), store_(store), table_(layout.Table),
      boxes_(layout.Boxes.begin(), layout.Boxes.end()) {
    setObjectName(layout.ObjectName);
    setWindowTitle(ToQString(layout.Caption));
    SetWindowFont(*this);
    setFixedSize(kClientWidth, layout.ClientHeight);

    const int buttonTop = layout.ClientHeight - kMargin - kButtonHeight;
    btnCancel_ = new QPushButton(ToQString("Отменить"), this);
    btnCancel_->setObjectName("BtnCancel");
    btnCancel_->setGeometry(kClientWidth - kMargin - kButtonWidth, buttonTop, kButtonWidth,
                            kButtonHeight);
    btnOK_ = new QPushButton(ToQString("ОК"), this);
    btnOK_->setObjectName("BtnOK");
    btnOK_->setGeometry(btnCancel_->x() - kMargin - kButtonWidth, buttonTop, kButtonWidth,
                        kButtonHeight);

    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const int top = kFirstBoxTop + static_cast<int>(i) * kBoxPitch;
        auto* label = new QLabel(ToQString(boxes_[i].Label), this);
        label->setGeometry(kMargin, top, kLabelWidth, kBoxHeight);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(boxes_[i].ObjectName);
        edit->setGeometry(kBoxLeft, top, kClientWidth - kMargin - kBoxLeft, kBoxHeight);
        label->setBuddy(edit);
        edits_.push_back(edit);
    }
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        QWidget& next = i + 1 < edits_.size() ? static_cast<QWidget&>(*edits_[i + 1]) : *btnOK_;
        GuardTextBox(*edits_[i], boxes_[i].Kind, next);
        setTabOrder(edits_[i], &next);
    }
    setTabOrder(btnOK_, btnCancel_);

    connect(btnOK_, &QPushButton::clicked, this,
            [this] { runner_([this] { BtnOKClick(); }); });
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

bool TReferenceEditor::Execute() {
    FormShow();
    return exec() == QDialog::Accepted;
}

void TReferenceEditor::FormShow() {
    CentreOnScreen(*this);
    record_.Start(recordID_);
    TTable& table = store_.Table(table_);
    std::vector<const char*> fields;
    for (const TEditorBox& box : boxes_) {
        fields.push_back(box.Field);
    }
    const std::vector<std::string> texts = RecordTexts(table, recordID_, fields);
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        // The box holds no more than the field keeps.
        const int width = table.FieldDefs()[table.FieldIndexOrThrow(fields[i])].Size;
        edits_[i]->setMaxLength(width > 0 ? width : 32767);
        edits_[i]->setText(ToQString(texts[i]));
    }
    BoxesFilled();
    edits_.front()->setFocus(Qt::OtherFocusReason);
}

void TReferenceEditor::BtnOKClick() {
    std::vector<std::string> texts;
    for (QLineEdit* edit : edits_) {
        texts.push_back(FromQString(edit->text()));
    }
    if (const int empty = FirstEmptyText(texts); empty >= 0) {
        edits_[empty]->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!ConfirmChecks(texts)) {
        return;
    }
    std::vector<TFieldText> values;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        values.push_back({boxes_[i].Field, texts[i]});
    }
    if (!record_.Write(store_.Table(table_), values)) {
        return; // the record vanished since the browser showed it
    }
    SaveTable(store_, table_);
    accept();
}

bool TReferenceEditor::ConfirmChecks(const std::vector<std::string>& texts) {
    std::vector<TBoxRule> rules;
    for (const TEditorBox& box : boxes_) {
        rules.push_back({box.Label, box.Check, box.BIKBox});
    }
    const std::vector<TBoxFault> faults = BoxFaults(rules, texts);
    if (faults.empty()) {
        return true;
    }
    if (ConfirmQuestion(FaultsQuestion(faults))) {
        return true;
    }
    edits_[static_cast<std::size_t>(faults.front().Box)]->setFocus(Qt::OtherFocusReason);
    return false;
}

QLineEdit& TReferenceEditor::Box(const char* objectName) const {
    for (QLineEdit* edit : edits_) {
        if (edit->objectName() == QLatin1String(objectName)) {
            return *edit;
        }
    }
    throw std::logic_error(std::string("no edit box ") + objectName);
}
