#include "reference/ReferenceTestSupport.h"

#include "text/qt/QtCodec.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <chrono>

namespace reference_testing {

namespace {

using namespace std::chrono_literals;

constexpr auto kPollInterval = 10ms;
constexpr int kPollLimit = 500; // five seconds
constexpr auto kWatchdogTime = 20s;

void CloseModalWindows() {
    while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog->reject();
    }
}

void Poll(const char* objectName, std::function<void(QWidget&)> action, int left) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->objectName() == QLatin1String(objectName)) {
        if (!QTest::qWaitForWindowActive(modal)) {
            ADD_FAILURE() << objectName << " never became active";
        }
        try {
            action(*modal);
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
        }
        // A test that cannot go on must not leave a modal loop running.
        if (testing::Test::HasFatalFailure() || testing::Test::HasNonfatalFailure()) {
            CloseModalWindows();
        }
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

void TypeText(QWidget& widget, std::string_view text) {
    for (const QChar c : ToQString(text)) {
        const Qt::Key key =
            c.unicode() < 128 ? QTest::asciiToKey(static_cast<char>(c.unicode())) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, &widget, key, QString(c), Qt::NoModifier);
    }
}

void Paste(QWidget& widget, std::string_view text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
    QTest::mouseClick(&widget, Qt::LeftButton); // into the box, as a user would
    QTest::keyClick(&widget, Qt::Key_V, Qt::ControlModifier);
}

std::string ErrorBoxOf(const std::function<void()>& trigger) {
    // The runner shows the error's box while the action ends.
    std::string text;
    bool shown = false;
    WhenModal("MessageBox", [&](QWidget& box) {
        shown = true;
        EXPECT_EQ(FromQString(box.windowTitle()), "Препроводительная ведомость");
        text = FromQString(static_cast<QMessageBox&>(box).text());
        QTest::mouseClick(&Child<QAbstractButton>(box, "OK"), Qt::LeftButton);
    });
    trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(shown) << "no error box";
    return text;
}

void WhenModal(const char* objectName, std::function<void(QWidget&)> action) {
    QTimer::singleShot(0, [objectName, action = std::move(action)]() mutable {
        Poll(objectName, std::move(action), kPollLimit);
    });
}

void TReferenceTest::SetUp() {
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
        ADD_FAILURE() << "a window was left open";
        CloseModalWindows();
    });
    watchdog_.start(kWatchdogTime);
    store_ = std::make_unique<TStore>(work_.path(), program_.path());
    ASSERT_TRUE(store_->Open().empty());
}

void TReferenceTest::TearDown() {
    watchdog_.stop();
    CloseModalWindows();
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

void TReferenceTest::SetReadOnly(TStoreTable table, bool readOnly) const {
    using std::filesystem::perms;
    std::filesystem::permissions(store_->TablePath(table),
                                 readOnly
                                     ? perms::owner_read | perms::group_read | perms::others_read
                                     : perms::owner_read | perms::owner_write);
}

} // namespace reference_testing
