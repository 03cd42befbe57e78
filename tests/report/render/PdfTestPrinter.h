#pragma once
// A printer for tests: each job becomes a PDF file "job-N.pdf" in a
// directory, the print dialog is answered by what the test set, and a job
// can be made to fail.
#include "report/render/ReportPrinter.h"

#include <QPdfWriter>

#include <filesystem>
#include <memory>
#include <vector>

class TPdfTestPrinter : public IReportPrinter {
public:
    explicit TPdfTestPrinter(std::filesystem::path directory) : directory_(std::move(directory)) {}

    std::optional<TPrintChoice> AskPrintChoice(std::int32_t pageCount) override;
    void SetUp() override { ++SetUps; }
    void SetCopies(std::int32_t copies) override { Copies = copies; }
    void SetLandscape(bool landscape) override { landscape_ = landscape; }
    void BeginJob(const std::string& title) override;
    QPainter* JobPainter() override { return painter_.isActive() ? &painter_ : nullptr; }
    QSize PrintableSize() const override;
    void EndJob() override;

    // The file of job `number` (1-based).
    std::filesystem::path JobFile(int number) const;

    // What the dialog answers; nothing: the user cancels.
    std::optional<TPrintChoice> Answer;
    // BeginJob raises for this job number.
    int FailingJob = 0;

    // What happened.
    std::vector<std::int32_t> DialogPageCounts;
    int SetUps = 0;
    std::int32_t Copies = 0;
    std::vector<std::string> Titles;
    std::vector<bool> Landscape;
    int EndedJobs = 0;

private:
    std::filesystem::path directory_;
    bool landscape_ = false;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
};
