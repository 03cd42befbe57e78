#include "reference/ui/TfmBankEditor.h"

#include "bank/BankChecks.h"
#include "reference/ReferenceRules.h"
#include "text/qt/QtCodec.h"

#include <utility>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr TEditorBox kBoxes[] = {
    {"eName", "Наименование:", "Name", TTextKind::Name},
    {"eBIK", "БИК:", "BIK", TTextKind::Digits, TBoxCheck::BIK},
    {"eDebitAccount", "№ счета (дебет):", "DebitAccount", TTextKind::Digits,
     TBoxCheck::AccountAtBIK, 1},
};

// The directory's three lines under the boxes, in pixels.
constexpr QRect kDirectoryRect(8, 110, 363, 48);
constexpr int kClientHeight = 199;

// What the label shows of a directory entry: the name (cut to the width,
// whole in the hint), the place, then the correspondent account and why
// the bank should not be used.
QString EntryText(const TDirectoryBank& bank, const QFontMetrics& metrics) {
    std::string last = bank.CorrAccount.empty() ? "нет корр. счета" : "к/с " + bank.CorrAccount;
    if (const std::string state = BankStateText(bank); !state.empty()) {
        last += " — " + state;
    }
    const auto line = [&](const std::string& text) {
        return metrics.elidedText(ToQString(text), Qt::ElideRight, kDirectoryRect.width());
    };
    return line(bank.Name) + "\n" + line(PlaceText(bank)) + "\n" + line(last);
}

void SetColour(QLabel& label, bool warning) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText,
                     warning ? QColor(255, 0, 0)
                             : label.parentWidget()->palette().color(QPalette::WindowText));
    label.setPalette(palette);
}

} // namespace

TfmBankEditor::TfmBankEditor(TStore& store, TActionRunner runner, TKeptBankDirectory* directory,
                             QWidget* parent)
    : TReferenceEditor(store, std::move(runner), {"TfmBankEditor", "Банк", kClientHeight, TStoreTable::Banks, kBoxes},
                       parent),
      directory_(directory) {
    lDirectory_ = new QLabel(this);
    lDirectory_->setObjectName("LBikDirectory");
    lDirectory_->setGeometry(kDirectoryRect);
    lDirectory_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lDirectory_->setTextFormat(Qt::PlainText);
    connect(&Box("eBIK"), &QLineEdit::textChanged, this, [this] { BIKChanged(); });
}

void TfmBankEditor::BIKChanged() {
    lDirectory_->clear();
    lDirectory_->setToolTip({});
    const std::string bik = FromQString(Box("eBIK").text());
    if (directory_ == nullptr || bik.size() != 9 || CheckBIK(bik) != TDetailCheck::Passed) {
        return;
    }
    const TBankDirectory& directory = directory_->Directory();
    if (const auto& failure = directory_->Failure()) {
        lDirectory_->setWordWrap(true);
        lDirectory_->setText(ToQString(*failure));
        SetColour(*lDirectory_, true);
        return;
    }
    if (directory.Empty()) {
        return;
    }
    lDirectory_->setWordWrap(false);
    const TDirectoryBank* bank = directory.Find(bik);
    if (bank == nullptr) {
        lDirectory_->setText(
            ToQString("Нет в справочнике БИК на " + DirectoryDateText(directory.Date())));
        SetColour(*lDirectory_, false);
        return;
    }
    lDirectory_->setText(EntryText(*bank, lDirectory_->fontMetrics()));
    lDirectory_->setToolTip(ToQString(bank->Name));
    SetColour(*lDirectory_, !BankStateText(*bank).empty());
    QLineEdit& name = Box("eName");
    if (name.text().isEmpty()) {
        name.setText(ToQString(CleanedText(TTextKind::Name, bank->Name)));
    }
}
