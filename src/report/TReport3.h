#pragma once
// The report: the rows a template produced, the report variables, the
// defaults new rows take over, and the pages Build lays the rows out on.
// Made only through Create, since its elements reach it through
// shared_from_this.
#include "report/ElementStyle.h"
#include "report/ReportServices.h"
#include "report/ReportVariables.h"
#include "report/TReport3Base.h"
#include "report/TemplateRun.h"

#include <vector>

class TReport3Page;
class TReport3Row;

class TReport3 : public TReport3Base, public IReport3 {
    struct TToken {};

public:
    // The services come from the program; without a measuring canvas
    // auto-height cells are not measured, without the others their
    // operations say they are not available.
    static std::shared_ptr<TReport3> Create(TReportServices services = {});
    TReport3(TToken, TReportServices services);
    ~TReport3() override;

    std::int64_t ToPixels(TLength length) const override { return ::ToPixels(length); }
    void Update() override { Changed(); }
    void Reset() override { Clear(); }
    void Clear() override;
    void Build() override;
    void Preview() override;
    void ExportWorkbook(const std::filesystem::path& fileName) override;
    void ExportText(const std::filesystem::path& fileName) override;
    void LoadTemplate(const std::filesystem::path& fileName) override;
    void LoadPagesFromFile(const std::filesystem::path& fileName) override;
    void LoadPagesFromText(const std::string& text) override;
    void SavePagesToFile(const std::filesystem::path& fileName) override;
    std::string GetPagesText() const override;
    std::shared_ptr<IReport3Row> AddRow(TLength height) override;
    std::shared_ptr<IReport3Page> GetPage(std::int32_t number) override;
    void SetVariable(const std::string& name, const std::string& value, bool evaluate) override;
    std::string GetVariable(const std::string& name) override;
    std::shared_ptr<IReport3Base> FindRow(const std::string& name) const override;
    std::int32_t RowCount() const override { return static_cast<std::int32_t>(rows_.size()); }
    std::shared_ptr<IReport3Row> GetRow(std::int32_t number) const override;
    IMeasuringCanvas* GetCanvas() const override { return canvas_.get(); }
    void SetMargins(const TIntRect& margins) override { margins_ = margins; }
    TIntRect GetMargins() const override { return margins_; }
    void SetInnerRect(const TIntRect& rect) override { inner_ = rect; }
    TIntRect GetInnerRect() const override { return inner_; }
    void SetCurrentPage(std::int32_t number) override { currentPage_ = number; }
    std::int32_t GetCurrentPage() const override { return currentPage_; }
    std::int32_t PageCount() const override { return static_cast<std::int32_t>(pages_.size()); }
    void SetFontName(const std::string& name) override { defaults_.Font = name; }
    const std::string& GetFontName() const override { return defaults_.Font; }
    void SetFontSize(std::int32_t size) override { defaults_.FontSize = size; }
    std::int32_t GetFontSize() const override { return defaults_.FontSize; }
    void SetFontStyle(TFontStyle style) override { defaults_.FontStyle = style; }
    TFontStyle GetFontStyle() const override { return defaults_.FontStyle; }
    std::shared_ptr<IReport3Row> GetHeaderRow() const override;
    std::shared_ptr<IReport3Row> GetFooterRow() const override;
    void SetEditable(bool editable) override { editable_ = editable; }
    bool GetEditable() const override { return editable_; }
    void SetFileName(const std::filesystem::path& fileName) override { fileName_ = fileName; }
    const std::filesystem::path& GetFileName() const override { return fileName_; }
    void SetPageNumbers(bool pageNumbers) override { pageNumbers_ = pageNumbers; }
    bool GetPageNumbers() const override { return pageNumbers_; }
    void SetReportCode(const std::string& code) override { reportCode_ = code; }
    const std::string& GetReportCode() const override { return reportCode_; }
    void SetCanSave(bool canSave) override { canSave_ = canSave; }
    bool GetCanSave() const override { return canSave_; }
    void SetCanPrint(bool canPrint) override { canPrint_ = canPrint; }
    bool GetCanPrint() const override { return canPrint_; }
    const std::vector<TBuildError>& GetBuildErrors() const override { return buildErrors_; }
    void SetBuildErrorHandler(TBuildErrorHandler handler) override;

    // Writes every page's metafile into one archive, "Page_001.emf" first.
    void ExportPageImages(const std::filesystem::path& fileName);
    const TReportServices& Services() const { return services_; }

    // Whether the pages are complete (Build then does nothing).
    bool IsBuilt() const { return built_; }
    // The variable store the template statements compute with.
    TReportVariables& Variables() { return variables_; }
    // The state of the template being interpreted (include stack, limits).
    TTemplateRun& TemplateRun() { return templateRun_; }
    // A pass onto the current page, measuring on Build's canvas or, outside
    // Build, on one made for the pass.
    TLayoutPass PlacingPass();
    TLayoutPass MeasuringPass() const;
    // What a top-level percentage cell is a percentage of: the current page's
    // width less the side margins (a page not made yet counts as portrait A4).
    TLength PercentageBaseWidth() const;

private:
    // The page row placement writes onto; raises when the current page number is below 1.
    TReport3Page& PlacementPage();
    std::shared_ptr<TReport3Row> MakeRow(TLength height);
    bool MeasureRow(TLayoutPass& pass, std::size_t index, const IReport3Row& row, TLength& height);
    void PlaceRow(TLayoutPass& pass, std::size_t index, IReport3Row& row, TLength y);
    void ReportBuildError(std::size_t index, const std::string& message);
    // Begins the current page: the header row (when given) at the top margin,
    // then the footer row; the height the header takes.
    TLength StartPage(TLayoutPass& pass, std::size_t index, TOrientation state,
                      IReport3Row* header);

    TIntRect margins_{10, 10, 10, 10};
    TIntRect inner_;
    std::vector<std::shared_ptr<TReport3Row>> rows_;
    std::vector<std::shared_ptr<TReport3Page>> pages_;
    std::int32_t currentPage_ = 1;
    // The style new top-level rows take.
    TElementStyle defaults_;
    TReportVariables variables_;
    bool built_ = false;
    bool pageNumbers_ = false;
    std::string reportCode_;
    std::shared_ptr<TReport3Row> headerRow_;
    std::shared_ptr<TReport3Row> footerRow_;
    bool editable_ = false;
    std::filesystem::path fileName_;
    std::unique_ptr<IMeasuringCanvas> canvas_;
    bool canSave_ = true;
    bool canPrint_ = true;
    TReportServices services_;
    std::vector<TBuildError> buildErrors_;
    TBuildErrorHandler buildErrorHandler_;
    TTemplateRun templateRun_{*this, variables_};
};
