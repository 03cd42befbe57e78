#include "report/TReport3.h"

#include "report/NumberText.h"
#include "report/PageImageArchive.h"
#include "report/ReportError.h"
#include "report/TReport3Page.h"
#include "report/TReport3Row.h"
#include "report/TReport3Text.h"
#include "report/TemplateInterpreter.h"

#include <filesystem>
#include <system_error>

std::shared_ptr<TReport3> TReport3::Create(TReportServices services) {
    return std::make_shared<TReport3>(TToken{}, std::move(services));
}

TReport3::TReport3(TToken, TReportServices services)
    : TReport3Base(nullptr), services_(std::move(services)) {
    headerRow_ = MakeRow(5 * kLengthPerMm);
    footerRow_ = MakeRow(5 * kLengthPerMm);
}

TReport3::~TReport3() {
    DetachAll(rows_);
    DetachAll(pages_);
    headerRow_->DetachFromOwner();
    footerRow_->DetachFromOwner();
}

void TReport3::Clear() {
    pages_.clear();
    variables_.Clear();
}

void TReport3::Preview() {
    const auto& show = RequireService(services_.Preview, "Preview");
    Build();
    show(*this);
}

void TReport3::ExportWorkbook(const std::filesystem::path& fileName) {
    RequireService(services_.ExportWorkbook, "ExportWorkbook")(*this, fileName);
}

void TReport3::ExportText(const std::filesystem::path& fileName) {
    RequireService(services_.ExportText, "ExportText")(*this, fileName);
}

void TReport3::LoadTemplate(const std::filesystem::path& fileName) {
    built_ = false;
    fileName_.clear();
    std::error_code error;
    if (fileName.empty() || !std::filesystem::exists(fileName, error)) {
        return;
    }
    InterpretTemplateFile(templateRun_, shared_from_this(), fileName);
}

void TReport3::ExportPageImages(const std::filesystem::path& fileName) {
    WritePageImageArchive(*this, fileName);
}

std::shared_ptr<TReport3Row> TReport3::MakeRow(TLength height) {
    auto row = std::make_shared<TReport3Row>(this, 0);
    row->SetStyle(defaults_);
    row->SetInnerRect(inner_);
    row->SetHeight(height);
    return row;
}

std::shared_ptr<IReport3Row> TReport3::AddRow(TLength height) {
    auto row = MakeRow(height);
    rows_.push_back(row);
    return row;
}

std::shared_ptr<IReport3Page> TReport3::GetPage(std::int32_t number) {
    if (number < 1) {
        return nullptr;
    }
    while (PageCount() < number) {
        auto page = std::make_shared<TReport3Page>(this, PageCount() + 1);
        pages_.push_back(page);
        // The page-level texts: page number and report code, placed by SetOrientation.
        if (pageNumbers_) {
            TReport3Text& text =
                page->AddPlacedText({}, "- страница " + IntToText(PageCount()) + " -");
            text.SetName("$pagenumber");
            text.SetW(30 * kLengthPerMm);
            text.SetH(5 * kLengthPerMm);
        }
        if (!reportCode_.empty()) {
            TElementStyle small;
            small.FontSize = 8;
            small.Align = kAlignMiddleLeft;
            TReport3Text& text = page->AddPlacedText(small, reportCode_);
            text.SetName("$reportcode");
            text.SetW(100 * kLengthPerMm);
            text.SetH(5 * kLengthPerMm);
        }
        page->SetOrientation(kOrientationPortrait);
    }
    return pages_[static_cast<std::size_t>(number - 1)];
}

TReport3Page& TReport3::PlacementPage() {
    const auto page = GetPage(currentPage_);
    if (page == nullptr) {
        throw EReportError("Нет страницы с номером " + IntToText(currentPage_));
    }
    return *pages_[static_cast<std::size_t>(currentPage_ - 1)];
}

TLayoutPass TReport3::PlacingPass() {
    return TLayoutPass([this]() -> TReport3Page& { return PlacementPage(); }, canvas_.get(),
                       &services_.MeasuringCanvas);
}

TLayoutPass TReport3::MeasuringPass() const {
    return TLayoutPass({}, canvas_.get(), &services_.MeasuringCanvas);
}

TLength TReport3::PercentageBaseWidth() const {
    std::int64_t width = 210;
    if (currentPage_ >= 1 && currentPage_ <= PageCount()) {
        width = pages_[static_cast<std::size_t>(currentPage_ - 1)]->GetWidth();
    }
    return MmToLength(width - margins_.Left - margins_.Right);
}

void TReport3::SetVariable(const std::string& name, const std::string& value, bool evaluate) {
    variables_.Set(name, value, evaluate);
}

std::string TReport3::GetVariable(const std::string& name) {
    return variables_.Get(name);
}

std::shared_ptr<IReport3Base> TReport3::FindRow(const std::string& name) const {
    for (const auto& row : rows_) {
        if (row->GetName() == name) {
            return row;
        }
    }
    return nullptr;
}

std::shared_ptr<IReport3Row> TReport3::GetRow(std::int32_t number) const {
    if (number < 1 || number > RowCount()) {
        return nullptr;
    }
    return rows_[static_cast<std::size_t>(number - 1)];
}

std::shared_ptr<IReport3Row> TReport3::GetHeaderRow() const {
    return headerRow_;
}

std::shared_ptr<IReport3Row> TReport3::GetFooterRow() const {
    return footerRow_;
}

void TReport3::SetBuildErrorHandler(TBuildErrorHandler handler) {
    buildErrorHandler_ = std::move(handler);
}
