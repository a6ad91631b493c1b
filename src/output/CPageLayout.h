#pragma once

#include "generation/CExpression.h"
#include "output/BlankPositions.h"
#include "output/CLineCellMaker.h"
#include "output/COutputSettings.h"
#include "output/CPage.h"
#include "output/CPageOptions.h"
#include "output/CSlotLengths.h"

#include <cstdint>
#include <vector>

namespace kelvo {

class CTextMeasure;

// One copy of a worksheet: its questions and the operands they blank. Both
// must outlive the layout.
struct CPrintCopy {
    const QuestionList* questions = nullptr;
    const BlankPositions* blanks = nullptr;
};

// Lays the copies of a worksheet out on pages. The questions of the layout's
// rows and columns stand in a grid of equal cells in reading order, each cell
// right-aligned in its place as on screen, numbered when asked. Every page
// opens with the title line and ends with its footer "第 n 页 / 共 m 页"; a
// title block (the title and its rows) moves whole to the next page when it
// does not fit on the rest of one, and only a block taller than a page goes
// on, under the title again, on the next. The answer keys, when asked, follow
// the questions of all copies, headed "答案", on the very same grid, so each
// key page lies over its question page. The font shrinks from the chosen size
// until a row fits the printable width, but never below MinPointSize.
class CPageLayout {
public:
    static constexpr double MinPointSize = 9;

    CPageLayout(const COutputSettings& layout, const CPageOptions& options,
                const CSlotLengths& lengths, std::vector<CPrintCopy> copies,
                const CTextMeasure& measure, double pointSize);

    // The size the questions are set in.
    double PointSize() const { return m_pointSize; }
    // False when even the smallest size leaves a row wider than the paper.
    bool Fits() const { return m_fits; }
    const CPageOptions& Options() const { return m_options; }
    // Question pages of one copy; its key has as many.
    int32_t PagesPerCopy() const { return static_cast<int32_t>(m_plan.size()); }
    int32_t PageCount() const;
    // 1-based; made when asked, so that a long job holds one page at a time.
    CPage Page(int32_t index) const;

private:
    // A title or a row of questions, where it stands on its page.
    struct PlannedLine {
        bool isTitle = false;
        double y = 0;
        int32_t row = 0;
    };
    using PlannedPage = std::vector<PlannedLine>;

    int32_t QuestionCount() const;
    double RowWidth(double pointSize);
    double FitPointSize(double chosen);
    void PlanPages();
    void AppendTitles(CPage& page, const PlannedPage& planned) const;
    void AppendRow(CPage& page, const CLineCellMaker& maker, int32_t row, double y) const;
    void AppendFooter(CPage& page) const;
    int32_t Blank(const CPrintCopy& copy, int32_t question) const;

    COutputSettings m_layout;
    CPageOptions m_options;
    CSlotLengths m_lengths;
    std::vector<CPrintCopy> m_copies;
    const CTextMeasure& m_measure;
    double m_pointSize = 0;
    bool m_fits = true;
    double m_titleSize = 0;
    double m_footerSize = 0;
    double m_lineHeight = 0;
    double m_cellWidth = 0;
    double m_cellHeight = 0;
    double m_numberWidth = 0;
    double m_numberGap = 0;
    double m_columnGap = 0;
    std::vector<PlannedPage> m_plan;
};

} // namespace kelvo
