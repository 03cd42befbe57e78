#include "statement/StatementTemplate.h"

#include "text/Errors.h"
#include "text/Paths.h"

#include <system_error>

std::filesystem::path LocateStatementTemplate(const std::filesystem::path& directory) {
    const std::filesystem::path path = directory / PathFromText(kStatementTemplateName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw EFileError("Не найден шаблон ведомости \"" + std::string(kStatementTemplateName) +
                         "\" в папке \"" + PathToText(std::filesystem::absolute(directory, error)) +
                         "\"");
    }
    return path;
}
