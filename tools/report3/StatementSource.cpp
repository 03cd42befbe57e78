#include "report3/StatementSource.h"

#include "statement/StatementReport.h"
#include "statement/StatementTemplate.h"
#include "statement/StoredStatement.h"
#include "store/Store.h"
#include "text/Errors.h"
#include "text/FormatSettings.h"
#include "text/Paths.h"

#include <system_error>

void BindStatement(TReport3Options& options, const TReport3Setting& setting) {
    std::filesystem::path directory = !options.TablesDirectory.empty()
                                          ? options.TablesDirectory
                                      : !setting.Tables.empty() ? setting.Tables
                                                                : std::filesystem::path(".");
    TStore store(directory, setting.EarnSources.empty() ? directory : setting.EarnSources);
    // Opening creates missing tables; a mistyped folder gets none of them.
    std::error_code error;
    if (!std::filesystem::is_regular_file(store.TablePath(TStoreTable::Documents), error)) {
        throw EFileError("Файл не найден: " + PathToText(store.TablePath(TStoreTable::Documents)));
    }
    store.Open();
    // The program formats with these from its main window on, amounts grouped.
    ApplyMainWindowFormatSettings();
    options.Variables = StoredStatementVariables(store, options.StatementID);
    options.Margins = kStatementMargins;
    options.ReportCode = "";
    options.TemplateFile = LocateStatementTemplate(directory);
}
