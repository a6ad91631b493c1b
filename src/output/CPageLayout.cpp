#include "output/CPageLayout.h"

#include "foundation/RuntimeError.h"
#include "foundation/TextNumber.h"
#include "output/CTextMeasure.h"

#include <algorithm>
#include <cmath>

namespace kelvo {

namespace {

const std::u16string AnswerKeyTitle = u"答案";
constexpr double MaxFooterPointSize = 10;
// Steps of the shrinking font, in points.
constexpr double SizeStep = 0.5;
// Lines left empty before a title block that does not open its page.
constexpr int32_t LinesBeforeTitle = 2;
// Tolerance for widths summed from many measured parts.
constexpr double WidthTolerance = 0.01;

std::u16string QuestionNumber(int32_t question) {
    return u"(" + DecimalText(question) + u")";
}

std::u16string FooterText(int32_t number, int32_t count) {
    return u"第 " + DecimalText(number) + u" 页 / 共 " + DecimalText(count) + u" 页";
}

std::u16string CopyText(int32_t copy) {
    return u"第 " + DecimalText(copy) + u" 份";
}

} // namespace

CPageLayout::CPageLayout(const COutputSettings& layout, const CPageOptions& options,
                         const CSlotLengths& lengths, std::vector<CPrintCopy> copies,
                         const CTextMeasure& measure, double pointSize)
    : m_layout(layout), m_options(options), m_lengths(lengths), m_copies(std::move(copies)),
      m_measure(measure) {
    if (QuestionCount() == 0) {
        return;
    }
    m_pointSize = FitPointSize(pointSize);
    m_lineHeight = m_measure.LineHeight(m_pointSize);
    const double titleWidth = m_measure.TextWidth(m_layout.Title(), m_pointSize);
    const double printable = m_options.Paper().PrintableWidth();
    m_titleSize =
        titleWidth > printable ? m_pointSize * printable / titleWidth : m_pointSize;
    m_footerSize = std::min(m_pointSize, MaxFooterPointSize);
    PlanPages();
}

// Every copy has as many questions as the first: as many as the layout has
// cells, or fewer when the questions were made for a smaller layout.
int32_t CPageLayout::QuestionCount() const {
    if (m_copies.empty() || m_copies.front().questions == nullptr) {
        return 0;
    }
    const int64_t cells =
        static_cast<int64_t>(m_layout.RowCount()) * std::max(m_layout.ColumnCount(), 0);
    return static_cast<int32_t>(
        std::clamp<int64_t>(cells, 0, m_copies.front().questions->Count()));
}

int32_t CPageLayout::PageCount() const {
    const int32_t parts = m_options.IsAnswerKey() ? 2 : 1;
    return PagesPerCopy() * static_cast<int32_t>(m_copies.size()) * parts;
}

// Sets the grid's measures for the size and gives the width of a full row.
double CPageLayout::RowWidth(double pointSize) {
    const CLineCellMaker maker(m_measure, m_lengths, m_layout.IsFillQuestions(), pointSize);
    m_cellWidth = 0;
    m_cellHeight = 0;
    const int32_t count = QuestionCount();
    for (const CPrintCopy& copy : m_copies) {
        for (int32_t question = 1; question <= count; ++question) {
            const CCell cell = maker.Make(*copy.questions->Item(question), Blank(copy, question));
            m_cellWidth = std::max(m_cellWidth, cell.width);
            m_cellHeight = std::max(m_cellHeight, cell.height);
        }
    }
    m_numberWidth =
        m_options.IsNumbered() ? m_measure.TextWidth(QuestionNumber(count), pointSize) : 0;
    m_numberGap = m_options.IsNumbered() ? m_measure.TextWidth(u" ", pointSize) : 0;
    m_columnGap = std::max(m_layout.ColumnSpacing(), 0) * m_measure.TextWidth(u" ", pointSize);
    const int32_t columns = std::clamp(m_layout.ColumnCount(), 1, count);
    return columns * (m_numberWidth + m_numberGap + m_cellWidth) + (columns - 1) * m_columnGap;
}

// From the chosen size down in half points; a size chosen below the smallest
// stays as it is.
double CPageLayout::FitPointSize(double chosen) {
    const double printable = m_options.Paper().PrintableWidth() + WidthTolerance;
    const double smallest = std::min(chosen, MinPointSize);
    double size = chosen;
    double width = RowWidth(size);
    while (width > printable && size > smallest) {
        const double estimate = std::floor(size * printable / width / SizeStep) * SizeStep;
        size = std::max(std::min(estimate, size - SizeStep), smallest);
        width = RowWidth(size);
    }
    m_fits = width <= printable;
    return size;
}

// Every page opens with a title line; a block moves whole to the next page
// unless it is taller than a page.
void CPageLayout::PlanPages() {
    const CPaper& paper = m_options.Paper();
    const double top = paper.Margin();
    const double footerTop =
        paper.Height() - paper.Margin() - m_measure.LineHeight(m_footerSize);
    const double bottom = footerTop - m_lineHeight / 2;
    const double rowHeight = std::max(m_layout.RowSpacing(), 0) * m_lineHeight + m_cellHeight;
    const int32_t columns = std::max(m_layout.ColumnCount(), 1);
    const int32_t rows = (QuestionCount() + columns - 1) / columns;
    const int32_t perTitle = m_layout.RowCountPerTitle() > 0 ? m_layout.RowCountPerTitle() : rows;

    double y = top;
    auto openPage = [&] {
        m_plan.emplace_back();
        y = top;
    };
    auto placeTitle = [&] {
        m_plan.back().push_back({true, y, 0});
        y += m_lineHeight;
    };
    for (int32_t first = 0; first < rows; first += perTitle) {
        const int32_t blockRows = std::min(perTitle, rows - first);
        const double blockHeight = m_lineHeight + blockRows * rowHeight;
        const double gap = LinesBeforeTitle * m_lineHeight;
        if (m_plan.empty() || y + gap + blockHeight > bottom) {
            openPage();
        } else {
            y += gap;
        }
        placeTitle();
        for (int32_t row = first; row < first + blockRows; ++row) {
            const bool pageHasRows = m_plan.back().size() > 1;
            if (y + rowHeight > bottom && pageHasRows) {
                openPage();
                placeTitle();
            }
            y += rowHeight - m_cellHeight;
            m_plan.back().push_back({false, y, row});
            y += m_cellHeight;
        }
    }
}

CPage CPageLayout::Page(int32_t index) const {
    if (index < 1 || index > PageCount()) {
        RaiseError(ErrorNumber::SubscriptOutOfRange);
    }
    const int32_t perCopy = PagesPerCopy();
    const int32_t questionPages = perCopy * static_cast<int32_t>(m_copies.size());
    CPage page;
    page.isAnswerKey = index > questionPages;
    const int32_t withinPart = page.isAnswerKey ? index - questionPages : index;
    page.copy = (withinPart - 1) / perCopy + 1;
    page.number = (withinPart - 1) % perCopy + 1;
    page.count = perCopy;
    page.showsAnswers = page.isAnswerKey || m_layout.IsShowAnswer();
    page.pointSize = m_pointSize;

    const PlannedPage& planned = m_plan[static_cast<size_t>(page.number - 1)];
    AppendTitles(page, planned);
    const CLineCellMaker maker(m_measure, m_lengths, m_layout.IsFillQuestions(), m_pointSize);
    for (const PlannedLine& line : planned) {
        if (!line.isTitle) {
            AppendRow(page, maker, line.row, line.y);
        }
    }
    AppendFooter(page);
    return page;
}

// A key page is headed "答案" once; its other title lines stay empty, so that
// its rows stand where they stand on the questions' page.
void CPageLayout::AppendTitles(CPage& page, const PlannedPage& planned) const {
    const double left = m_options.Paper().Margin();
    for (const PlannedLine& line : planned) {
        if (!line.isTitle) {
            continue;
        }
        if (!page.isAnswerKey) {
            page.lines.push_back({left, line.y, m_titleSize, m_layout.Title()});
        } else if (page.lines.empty()) {
            page.lines.push_back({left, line.y, m_pointSize, AnswerKeyTitle});
        }
    }
}

void CPageLayout::AppendRow(CPage& page, const CLineCellMaker& maker, int32_t row,
                            double y) const {
    const CPrintCopy& copy = m_copies[static_cast<size_t>(page.copy - 1)];
    const int32_t columns = std::max(m_layout.ColumnCount(), 1);
    const int32_t count = QuestionCount();
    const double pitch = m_numberWidth + m_numberGap + m_cellWidth + m_columnGap;
    for (int32_t column = 0; column < columns; ++column) {
        const int32_t question = row * columns + column + 1;
        if (question > count) {
            break;
        }
        CPlacedCell placed;
        placed.question = question;
        const double slot = m_options.Paper().Margin() + column * pitch;
        if (m_options.IsNumbered()) {
            placed.number = QuestionNumber(question);
            placed.numberX =
                slot + m_numberWidth - m_measure.TextWidth(placed.number, m_pointSize);
        }
        placed.cell = maker.Make(*copy.questions->Item(question), Blank(copy, question));
        placed.x = slot + m_numberWidth + m_numberGap + m_cellWidth - placed.cell.width;
        placed.y = y;
        page.cells.push_back(std::move(placed));
    }
}

void CPageLayout::AppendFooter(CPage& page) const {
    const CPaper& paper = m_options.Paper();
    const double y = paper.Height() - paper.Margin() - m_measure.LineHeight(m_footerSize);
    std::u16string text = FooterText(page.number, page.count);
    const double x = (paper.Width() - m_measure.TextWidth(text, m_footerSize)) / 2;
    page.lines.push_back({x, y, m_footerSize, std::move(text)});
    if (m_copies.size() > 1) {
        page.lines.push_back({paper.Margin(), y, m_footerSize, CopyText(page.copy)});
    }
}

int32_t CPageLayout::Blank(const CPrintCopy& copy, int32_t question) const {
    if (!m_layout.IsFillQuestions()) {
        return 0;
    }
    if (copy.blanks == nullptr || question > static_cast<int32_t>(copy.blanks->size())) {
        RaiseError(ErrorNumber::SubscriptOutOfRange);
    }
    return (*copy.blanks)[static_cast<size_t>(question - 1)];
}

} // namespace kelvo
