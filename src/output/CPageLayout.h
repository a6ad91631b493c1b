#pragma once

#include "generation/CExpression.h"
#include "output/BlankPositions.h"
#include "output/CCellMaker.h"
#include "output/COutputSettings.h"
#include "output/CPage.h"
#include "output/CPageOptions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

class CInfoReceiver;
class CTextMeasure;

// A section of a sheet, the same in every copy.
struct CPrintSection {
    // Empty for the one section of a sheet of one kind (or of mixed kinds),
    // whose title then repeats every so many rows.
    std::u16string heading;
    // How many of each copy's questions of the section go on paper.
    int32_t questionCount = 0;
    CellMakerFactory cells;
    // As many columns as the printable width holds, for cells too tall to
    // stand in the layout's grid (column form); else the layout's columns.
    bool fillsWidth = false;
};

// The questions of one section in one copy and the operands they blank. Both
// must outlive the layout.
struct CPrintQuestions {
    const QuestionList* questions = nullptr;
    const BlankPositions* blanks = nullptr;
};

// One copy of a sheet: the questions of every section, in the sections'
// order, the code its pages carry (none when empty) and the text of their QR
// code (none when empty).
struct CPrintCopy {
    std::vector<CPrintQuestions> sections;
    std::u16string code;
    std::string qrText;
};

// Lays the copies of a sheet out on pages. The questions of a section stand in
// a grid of equal cells, the layout's columns wide and spread across the
// paper, in reading order, each cell right-aligned in its place as on screen, numbered through the
// copy when asked. Every page opens with the title line and ends with its footer "第 n 页 / 共 m
// 页", with the copy's number and its code ("编号 7K3F-9Q2A") beside it. With header fields, a
// header with a line to write on after each field opens every page above the title line; a title
// that says nothing but field names then gives way to it, and the key's header says "答案" and the
// code. A section without a
// heading has a title block (the title and its rows) every so many rows, and a block moves whole to
// the next page when it does not fit on the rest of one; only a block taller than a page goes on,
// under the title again, on the next. A section with a heading flows from page to page, its heading
// never left at a page's foot without a row under it. The answer keys, when asked, follow the
// questions of all copies, headed "答案", on the very same grid, so each key page lies over its
// question page. The font shrinks from the chosen size until every row fits the printable width,
// but never below MinPointSize. In large print the chosen size is at least the large print's, a
// section takes fewer columns than the layout's where they would not fit at that size, and the
// rows of a page filled more than half are spread down to its foot, each gap between rows growing
// by at most the row's own height. With the page option "二维码", the QR code of
// a copy that has one stands in the lower right corner, its code to its left,
// and no row comes down to it.
class CPageLayout {
public:
    static constexpr double MinPointSize = 9;
    // The side of a page's QR code.
    static constexpr double QrCodeMillimetres = 22;

    // Every copy has one entry per section. The receiver (may be nullptr) is
    // asked after every yield whether the user cancelled; a cancelled layout
    // has no pages.
    CPageLayout(const COutputSettings& layout, const CPageOptions& options,
                std::vector<CPrintSection> sections, std::vector<CPrintCopy> copies,
                const CTextMeasure& measure, double pointSize,
                const CInfoReceiver* receiver = nullptr);

    // The size the questions are set in.
    double PointSize() const { return m_pointSize; }
    // What the pages say of their size when the chosen one was shrunk to fit
    // the rows; empty otherwise.
    std::u16string ShrinkNote() const;
    // False when even the smallest size leaves a row wider than the paper.
    bool Fits() const { return m_fits; }
    const CPageOptions& Options() const { return m_options; }
    bool IsCancelled() const { return m_isCancelled; }
    // Question pages of one copy; its key has as many.
    int32_t PagesPerCopy() const { return static_cast<int32_t>(m_plan.size()); }
    int32_t PageCount() const;
    // 1-based; made when asked, so that a long job holds one page at a time.
    CPage Page(int32_t index) const;

private:
    enum class LineKind { Header, Title, Heading, Row };
    // A title, a heading or a row of questions, where it stands on its page.
    struct PlannedLine {
        LineKind kind = LineKind::Row;
        double y = 0;
        size_t section = 0;
        int32_t row = 0;
    };
    using PlannedPage = std::vector<PlannedLine>;
    // The grid of one section at the size being tried.
    struct Grid {
        double cellWidth = 0;
        double cellHeight = 0;
        int32_t columns = 1;
        // From one column's left to the next's.
        double pitch = 0;
        // The number of the section's first question, less one.
        int32_t numberOffset = 0;
    };

    int32_t Columns(size_t section) const;
    int32_t Rows(size_t section) const;
    int32_t FittingColumns(size_t section) const;
    bool IsCancelledAtYield();
    double RowWidth(double pointSize);
    double FitPointSize(double chosen);
    void SpreadColumns();
    std::vector<std::u16string> HeaderLabels() const;
    void SizeHeader();
    double FittingSize(const std::u16string& text) const;
    double RowHeight(size_t section) const;
    void PlanPages();
    void PlanSection(size_t section, double& y, bool& isFresh);
    void SpreadRows(PlannedPage& page) const;
    void AppendLine(CPage& page, const PlannedLine& line) const;
    void AppendHeader(CPage& page, double y) const;
    void AppendRow(CPage& page, const CCellMaker& maker, const PlannedLine& line) const;
    void AppendFooter(CPage& page) const;
    int32_t Blank(const CPrintQuestions& questions, int32_t question) const;

    COutputSettings m_layout;
    CPageOptions m_options;
    std::vector<CPrintSection> m_sections;
    std::vector<CPrintCopy> m_copies;
    const CTextMeasure& m_measure;
    const CInfoReceiver* m_receiver;
    bool m_isCancelled = false;
    double m_chosenPointSize = 0;
    double m_pointSize = 0;
    bool m_fits = true;
    double m_footerSize = 0;
    double m_lineHeight = 0;
    double m_headerSize = 0;
    double m_headerHeight = 0;
    int32_t m_headerColumns = 1;
    // The page's own title line gives way to the header.
    bool m_isTitleInHeader = false;
    double m_bottom = 0;
    // 0 for pages without a QR code.
    double m_qrSide = 0;
    std::vector<Grid> m_grids;
    double m_numberWidth = 0;
    double m_numberGap = 0;
    double m_columnGap = 0;
    std::vector<PlannedPage> m_plan;
};

} // namespace kelvo
