#include "statement/StatementTemplate.h"

#include "text/Errors.h"
#include "text/Paths.h"

#include <string>
#include <system_error>

namespace {

// `what` names the template in the message: "ведомости", "реестра".
std::filesystem::path LocateTemplate(const std::filesystem::path& directory, std::string_view name,
                                     std::string_view what) {
    const std::filesystem::path path = directory / PathFromText(name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw EFileError("Не найден шаблон " + std::string(what) + " \"" + std::string(name) +
                         "\" в папке \"" + PathToText(std::filesystem::absolute(directory, error)) +
                         "\"");
    }
    return path;
}

} // namespace

std::filesystem::path LocateStatementTemplate(const std::filesystem::path& directory) {
    return LocateTemplate(directory, kStatementTemplateName, "ведомости");
}

std::filesystem::path LocateRegisterTemplate(const std::filesystem::path& directory) {
    return LocateTemplate(directory, kRegisterTemplateName, "реестра");
}
