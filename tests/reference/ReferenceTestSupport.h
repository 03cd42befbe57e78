#pragma once
// A store of firms and banks in a temporary working directory, and the means
// to drive modal windows from a test: actions that run once a given window
// has become the active modal one, and the errors that escaped user actions.
#include "store/Store.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace reference_testing {

// The application's error box that the trigger brings up, answered with its
// button: its text, or nothing (and a failed test) when no box came.
std::string ErrorBoxOf(const std::function<void()>& trigger);

// Runs the action once the active modal window is the one with this object
// name (as a user acts only on the window in front). A window that never
// comes fails the test and every modal window is closed, so nothing hangs.
void WhenModal(const char* objectName, std::function<void(QWidget&)> action);

// Types the Windows-1251 text into the widget, key after key.
void TypeText(QWidget& widget, std::string_view text);

// Puts the text on the clipboard, clicks into the widget and pastes with Ctrl+V.
void Paste(QWidget& widget, std::string_view text);

// The child of the window with this object name; fails the test when missing.
template <class T> T& Child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(name);
    if (child == nullptr) {
        ADD_FAILURE() << "no " << name << " in " << window.objectName().toStdString();
        throw std::runtime_error("missing control");
    }
    return *child;
}

// Numbers that pass their checks: an INN, a BIK and the bank's account.
inline constexpr const char* kINN = "7707083893";
inline constexpr const char* kBIK = "044525225";
inline constexpr const char* kAccount = "30101810400000000225";

class TReferenceTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Appends a firm or a bank, saves its table and returns its ID.
    // The numbers pass their checks unless given.
    int AddFirm(const std::string& name, const std::string& inn = kINN,
                const std::string& creditAccount = "2", const std::string& account = "3");
    int AddBank(const std::string& name, const std::string& bik = kBIK,
                const std::string& debitAccount = kAccount);
    // Marks a record deleted and saves its table.
    void MarkRecordDeleted(TStoreTable table, int id);

    // The bytes of a table file in the working directory.
    std::string FileBytes(TStoreTable table) const;
    // Puts a directory where the table's file is, so that its next save fails
    // (even for root), or takes it away again.
    void BlockFile(TStoreTable table) const;
    void UnblockFile(TStoreTable table) const;
    // Takes the write permission of a table's file away, or gives it back.
    void SetReadOnly(TStoreTable table, bool readOnly) const;

    testing_support::TempDir work_;
    // Closes what a failed test left open, so that the run goes on.
    QTimer watchdog_;
    testing_support::TempDir program_;
    std::unique_ptr<TStore> store_;
};

} // namespace reference_testing
