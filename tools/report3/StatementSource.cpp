#include "report3/StatementSource.h"

#include "statement/DocumentEditorState.h"
#include "statement/StatementReport.h"
#include "statement/StatementTemplate.h"
#include "store/Store.h"
#include "text/DateTime.h"
#include "text/Errors.h"
#include "text/Format.h"
#include "text/FormatSettings.h"
#include "text/Paths.h"

#include <system_error>

void BindStatement(TReport3Options& options, const TReport3Setting& setting) {
    std::filesystem::path directory = !options.TablesDirectory.empty()
                                          ? PathFromText(options.TablesDirectory)
                                      : !setting.Tables.empty() ? setting.Tables
                                                                : std::filesystem::path(".");
    TStore store(directory, setting.EarnSources.empty() ? directory : setting.EarnSources);
    // Opening creates missing tables; a mistyped folder gets none of them.
    std::error_code error;
    if (!std::filesystem::is_regular_file(store.TablePath(TStoreTable::Documents), error)) {
        throw EFileError("Файл не найден: " + PathToText(store.TablePath(TStoreTable::Documents)));
    }
    store.Open();
    if (!store.Documents().Locate(options.StatementID)) {
        throw EAppError(Format("Ведомость с ID %d не найдена", {options.StatementID}));
    }
    // The program formats with these from its main window on, amounts grouped.
    ApplyMainWindowFormatSettings();
    TDocumentEditorState editor(store);
    editor.SetDocumentID(options.StatementID);
    editor.Load(Now());
    options.Variables = editor.PrintVariables();
    options.Margins = kStatementMargins;
    options.ReportCode = "";
    options.TemplateFile = PathToText(LocateStatementTemplate(directory));
}
