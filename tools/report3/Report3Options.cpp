#include "report3/Report3Options.h"

#include "text/Cp1251.h"
#include "text/Numbers.h"
#include "text/Paths.h"

namespace {

// L,T,R,B: four whole millimetres from 0 to 1000.
TIntRect ParseMargins(const std::string& text) {
    TIntRect margins;
    std::int32_t* const sides[] = {&margins.Left, &margins.Top, &margins.Right, &margins.Bottom};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t end = i < 3 ? text.find(',', pos) : text.size();
        if (end == std::string::npos) {
            throw EUsageError("Поля задаются четырьмя числами через запятую: " + text);
        }
        const std::string part = text.substr(pos, end - pos);
        const bool digits =
            !part.empty() && part.find_first_not_of("0123456789") == std::string::npos;
        const std::int64_t value = digits ? TextToIntDef(part, -1) : -1;
        if (value < 0 || value > 1000) {
            throw EUsageError("Поле должно быть целым числом миллиметров от 0 до 1000: " + part);
        }
        *sides[i] = static_cast<std::int32_t>(value);
        pos = end + 1;
    }
    return margins;
}

std::pair<std::string, std::string> ParseDefinition(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0) {
        throw EUsageError("Переменная задается как ИМЯ=ЗНАЧЕНИЕ: " + text);
    }
    return {text.substr(0, equals), text.substr(equals + 1)};
}

// A statement's ID: a whole number above 0.
std::int64_t ParseStatementID(const std::string& text) {
    const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    const std::int64_t id = digits ? TextToIntDef(text, 0) : 0;
    if (id <= 0) {
        throw EUsageError("Номер ведомости должен быть целым числом больше 0: " + text);
    }
    return id;
}

// A statement is printed exactly as the program prints it: nothing of the
// template's options may be given with it.
void CheckStatementOptions(const TReport3Options& options, bool pages, bool files) {
    if (pages || files || !options.Variables.empty() || options.Margins || options.PageNumbers ||
        options.ReportCode) {
        throw EUsageError("С --statement указывается только --tables и -o");
    }
}

} // namespace

TReport3Options ParseReport3Arguments(const std::vector<std::string>& utf8Arguments) {
    TReport3Options options;
    std::vector<std::filesystem::path> files;
    bool pages = false;
    bool statement = false;
    bool tables = false;
    for (std::size_t i = 0; i < utf8Arguments.size(); ++i) {
        const std::string argument = Utf8ToCp1251(utf8Arguments[i]);
        // The value of an option that takes one, as given and as text.
        const auto given = [&]() -> const std::string& {
            if (i + 1 >= utf8Arguments.size()) {
                throw EUsageError("Не указано значение для " + argument);
            }
            return utf8Arguments[++i];
        };
        const auto value = [&]() { return Utf8ToCp1251(given()); };
        const auto file = [&]() { return PathFromUtf8(given()); };
        if (argument == "--help" || argument == "--version") {
            // Answered whatever else the line holds, as every command does.
            TReport3Options question;
            (argument == "--help" ? question.Help : question.Version) = true;
            return question;
        }
        if (argument == "-D") {
            options.Variables.push_back(ParseDefinition(value()));
        } else if (argument.starts_with("-D")) {
            options.Variables.push_back(ParseDefinition(argument.substr(2)));
        } else if (argument == "--margins") {
            options.Margins = ParseMargins(value());
        } else if (argument == "--page-numbers") {
            options.PageNumbers = true;
        } else if (argument == "--report-code") {
            options.ReportCode = value();
        } else if (argument == "--pages") {
            pages = true;
            options.PagesFile = file();
        } else if (argument == "--statement") {
            statement = true;
            options.StatementID = ParseStatementID(value());
        } else if (argument == "--tables") {
            tables = true;
            options.TablesDirectory = file();
        } else if (argument == "-o") {
            options.Output = file();
        } else if (argument.starts_with("-") && argument.size() > 1) {
            throw EUsageError("Неизвестный параметр: " + argument);
        } else {
            files.push_back(PathFromUtf8(utf8Arguments[i]));
        }
    }
    if (options.Output.empty()) {
        throw EUsageError("Не указан выходной файл (-o)");
    }
    if (statement) {
        CheckStatementOptions(options, pages, !files.empty());
        return options;
    }
    if (tables) {
        throw EUsageError("--tables указывается только с --statement");
    }
    if (pages && !files.empty()) {
        throw EUsageError("С --pages шаблон не указывается");
    }
    if (!pages) {
        if (files.size() != 1) {
            throw EUsageError("Нужен ровно один файл шаблона");
        }
        options.TemplateFile = files.front();
    }
    return options;
}

std::string Report3Usage() {
    return "Использование:\n"
           "  report3 [-D ИМЯ=ЗНАЧЕНИЕ]... [--margins Л,В,П,Н] [--page-numbers]\n"
           "          [--report-code ТЕКСТ] ШАБЛОН -o ВЫХОД\n"
           "  report3 --pages ФАЙЛ_СТРАНИЦ -o ВЫХОД\n"
           "  report3 --statement ID [--tables ПАПКА] -o ВЫХОД\n"
           "  report3 --help | --version\n"
           "Строит отчет по шаблону (или читает страницы из текста страниц, или\n"
           "печатает ведомость ID по таблицам и шаблону \"Ведомость.rt3\" из ПАПКИ;\n"
           "без --tables из папки, где их держит программа) и\n"
           "сохраняет его по расширению выхода: .xml книга Excel, .zip изображения\n"
           "страниц, .csv значения через точку с запятой, .pdf документ PDF,\n"
           ".png рисунок каждой страницы (ВЫХОД-001.png, ...), иначе текст страниц.\n"
           "Коды выхода: 0 успех, 1 ошибка шаблона или файла, 2 неверная команда.\n"
           "--help показывает эту справку, --version версию программы.\n";
}
