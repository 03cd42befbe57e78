#pragma once
// A data store in a fresh folder with a few firms and banks, for the tests
// of the statement editor's logic.
#include "store/Store.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

class EditorStore : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Appends a firm or bank record; its ID.
    std::int64_t AddFirm(std::string_view name, std::string_view inn = {});
    std::int64_t AddBank(std::string_view name, std::string_view bik = {});
    // Sets a text field of a firm or bank record.
    void SetField(TTable& table, std::int64_t id, const char* field, std::string_view value);
    // Marks a firm or bank record deleted.
    void MarkDeleted(TTable& table, std::int64_t id);
    // The firms and banks of a statement: a payer, a receiver with a valid
    // INN, and two banks with BIKs.
    void AddParties();

    std::int64_t payer_ = 0, receiver_ = 0, bankA_ = 0, bankB_ = 0;

    testing_support::TempDir dir_;
    TStore store_{dir_.path(), dir_.path()};
};
