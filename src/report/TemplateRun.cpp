#include "report/TemplateRun.h"

#include "report/ReportError.h"
#include "text/Paths.h"

#include <algorithm>
#include <system_error>

TTemplateRun::TFileScope::TFileScope(TTemplateRun& run, const std::filesystem::path& fileName)
    : run_(run) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::weakly_canonical(fileName, error);
    if (error) {
        path = std::filesystem::absolute(fileName, error);
    }
    if (std::find(run.files_.begin(), run.files_.end(), path) != run.files_.end()) {
        throw EReportError("Шаблон \"" + PathToText(fileName) + "\" включает сам себя");
    }
    if (run.files_.empty()) {
        run.statements_ = 0;
    }
    run.files_.push_back(path);
}

TTemplateRun::TFileScope::~TFileScope() {
    run_.files_.pop_back();
}

TTemplateRun::TNestingScope::TNestingScope(TTemplateRun& run) : run_(run) {
    if (run.nesting_ >= kMaxNesting) {
        throw EReportError("Операторы шаблона вложены слишком глубоко");
    }
    ++run.nesting_;
}

void TTemplateRun::CountStatement() {
    if (++statements_ > statementLimit_) {
        throw EReportError("Шаблон выполняет слишком много операторов");
    }
}
