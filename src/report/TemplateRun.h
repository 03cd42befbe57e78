#pragma once
// The state of one template interpretation, shared by the files it
// includes: the report it fills (through its interface) and the variables it
// computes with, which files are being read (so that a file including itself is
// refused instead of recursing without end), how deep statements nest, and
// how many statements have run (so that loops over huge counts end with an
// error instead of running for hours or exhausting memory).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class IReport3;
class TReportVariables;

class TTemplateRun {
public:
    TTemplateRun(IReport3& report, TReportVariables& variables)
        : report_(report), variables_(variables) {}
    TTemplateRun(const TTemplateRun&) = delete;
    TTemplateRun& operator=(const TTemplateRun&) = delete;

    IReport3& Report() { return report_; }
    TReportVariables& Variables() { return variables_; }

    // Statement blocks may nest this deep, included files counted in.
    static constexpr int kMaxNesting = 1000;
    // Statements and loop passes one template may run.
    static constexpr std::int64_t kDefaultStatementLimit = 2'000'000;

    // While alive, the file counts as being read; raises when it already is.
    class TFileScope {
    public:
        TFileScope(TTemplateRun& run, const std::filesystem::path& fileName);
        ~TFileScope();
        TFileScope(const TFileScope&) = delete;
        TFileScope& operator=(const TFileScope&) = delete;

    private:
        TTemplateRun& run_;
    };

    // While alive, one more level of statements is open; raises past kMaxNesting.
    class TNestingScope {
    public:
        explicit TNestingScope(TTemplateRun& run);
        ~TNestingScope() { --run_.nesting_; }
        TNestingScope(const TNestingScope&) = delete;
        TNestingScope& operator=(const TNestingScope&) = delete;

    private:
        TTemplateRun& run_;
    };

    // Counts one statement or loop pass; raises past the limit.
    void CountStatement();
    void SetStatementLimit(std::int64_t limit) { statementLimit_ = limit; }

private:
    IReport3& report_;
    TReportVariables& variables_;
    std::vector<std::filesystem::path> files_;
    int nesting_ = 0;
    std::int64_t statements_ = 0;
    std::int64_t statementLimit_ = kDefaultStatementLimit;
};
