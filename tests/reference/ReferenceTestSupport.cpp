#include "reference/ReferenceTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <chrono>

namespace reference_testing {

namespace {

using namespace std::chrono_literals;

constexpr auto kPollInterval = 10ms;
constexpr int kPollLimit = 500; // five seconds

void CloseModalWindows() {
    while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog->reject();
    }
}

void Poll(const char* objectName, std::function<void(QWidget&)> action, int left) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->objectName() == QLatin1String(objectName)) {
        action(*modal);
        return;
    }
    if (left == 0) {
        ADD_FAILURE() << "the window " << objectName << " never came up";
        CloseModalWindows();
        return;
    }
    QTimer::singleShot(kPollInterval, [objectName, action = std::move(action), left]() mutable {
        Poll(objectName, std::move(action), left - 1);
    });
}

} // namespace

std::vector<std::string>& EscapedErrors() {
    static std::vector<std::string> errors;
    return errors;
}

void WhenModal(const char* objectName, std::function<void(QWidget&)> action) {
    QTimer::singleShot(0, [objectName, action = std::move(action)]() mutable {
        Poll(objectName, std::move(action), kPollLimit);
    });
}

void TReferenceTest::SetUp() {
    EscapedErrors().clear();
    store_ = std::make_unique<TStore>(work_.path(), program_.path());
    ASSERT_TRUE(store_->Open().empty());
}

void TReferenceTest::TearDown() {
    CloseModalWindows();
    EXPECT_TRUE(EscapedErrors().empty()) << EscapedErrors().front();
}

int TReferenceTest::AddFirm(const std::string& name, const std::string& inn,
                            const std::string& creditAccount, const std::string& account) {
    TTable& firms = store_->Firms();
    firms.Append();
    firms.FieldByName("Name").SetString(name);
    firms.FieldByName("INN").SetString(inn);
    firms.FieldByName("CreditAccount").SetString(creditAccount);
    firms.FieldByName("Account").SetString(account);
    firms.Post();
    store_->SaveFirms();
    return static_cast<int>(firms.FieldByName("ID").AsInteger());
}

int TReferenceTest::AddBank(const std::string& name, const std::string& bik,
                            const std::string& debitAccount) {
    TTable& banks = store_->Banks();
    banks.Append();
    banks.FieldByName("Name").SetString(name);
    banks.FieldByName("BIK").SetString(bik);
    banks.FieldByName("DebitAccount").SetString(debitAccount);
    banks.Post();
    store_->SaveBanks();
    return static_cast<int>(banks.FieldByName("ID").AsInteger());
}

void TReferenceTest::MarkRecordDeleted(TStoreTable table, int id) {
    TTable& records = store_->Table(table);
    ASSERT_TRUE(records.Locate(id));
    records.Edit();
    records.FieldByName("Deleted").SetInteger(1);
    records.Post();
    table == TStoreTable::Firms ? store_->SaveFirms() : store_->SaveBanks();
}

std::string TReferenceTest::FileBytes(TStoreTable table) const {
    return testing_support::ReadFile(store_->TablePath(table));
}

void TReferenceTest::BlockFile(TStoreTable table) const {
    std::filesystem::remove(store_->TablePath(table));
    std::filesystem::create_directory(store_->TablePath(table));
}

void TReferenceTest::UnblockFile(TStoreTable table) const {
    std::filesystem::remove(store_->TablePath(table));
}

} // namespace reference_testing
