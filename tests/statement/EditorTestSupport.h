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

    testing_support::TempDir dir_;
    TStore store_{dir_.path(), dir_.path()};
};
