#include "output/CPageLayout.h"

#include "foundation/RuntimeError.h"
#include "foundation/TextNumber.h"
#include "foundation/UserInterfaceYield.h"
#include "generation/CInfoReceiver.h"
#include "output/CTextMeasure.h"

#include <algorithm>
#include <cmath>

namespace kelvo {

namespace {

const std::u16string AnswerKeyTitle = u"答案";
constexpr double MaxFooterPointSize = 10;
// Steps of the shrinking font, in points.
constexpr double SizeStep = 0.5;
// Lines left empty before a block that does not open its page.
constexpr int32_t LinesBeforeBlock = 2;
// Tolerance for widths summed from many measured parts.
constexpr double WidthTolerance = 0.01;
// The least room between two columns, in spaces; the layout's own spacing
// counts when smaller.
constexpr int32_t MinColumnGapSpaces = 2;
// Cells measured between two yields to the user interface.
constexpr int32_t YieldInterval = 2000;

// A header field has room for handwriting: its line at least so many digits
// long, its row two lines high.
constexpr int32_t HeaderRuleDigits = 6;
constexpr double HeaderLines = 2;
const std::u16string HeaderColon = u"：";

// Only field names (or "时间", which the usual title has for 用时), colons and
// spaces, as "姓名：  时间：  得分：".
bool IsFieldsOnly(std::u16string_view title) {
    static constexpr std::u16string_view Separators = u" 　：:";
    std::vector<std::u16string_view> words(CPageOptions::HeaderFieldNames.begin(),
                                           CPageOptions::HeaderFieldNames.end());
    words.emplace_back(u"时间");
    for (size_t at = 0; at < title.size();) {
        const std::u16string_view rest = title.substr(at);
        const auto word = std::find_if(words.begin(), words.end(), [&](std::u16string_view name) {
            return rest.starts_with(name);
        });
        if (word != words.end()) {
            at += word->size();
        } else if (Separators.find(title[at]) != std::u16string_view::npos) {
            ++at;
        } else {
            return false;
        }
    }
    return true;
}

std::u16string QuestionNumber(int32_t question) {
    return u"(" + DecimalText(question) + u")";
}

std::u16string FooterText(int32_t number, int32_t count) {
    return u"第 " + DecimalText(number) + u" 页 / 共 " + DecimalText(count) + u" 页";
}

// To a tenth of a point, "13.5", "18".
std::u16string PointsText(double pointSize) {
    const int32_t tenths = RoundToInt32(pointSize * 10);
    std::u16string text = DecimalText(tenths / 10);
    if (tenths % 10 != 0) {
        text += u'.';
        AppendDecimalText(text, tenths % 10);
    }
    return text;
}

std::u16string CopyText(int32_t copy) {
    return u"第 " + DecimalText(copy) + u" 份";
}

} // namespace

CPageLayout::CPageLayout(const COutputSettings& layout, const CPageOptions& options,
                         std::vector<CPrintSection> sections, std::vector<CPrintCopy> copies,
                         const CTextMeasure& measure, double pointSize,
                         const CInfoReceiver* receiver)
    : m_layout(layout), m_options(options), m_sections(std::move(sections)),
      m_copies(std::move(copies)), m_measure(measure), m_receiver(receiver),
      m_grids(m_sections.size()) {
    int32_t numbered = 0;
    for (size_t section = 0; section < m_sections.size(); ++section) {
        int32_t& count = m_sections[section].questionCount;
        for (const CPrintCopy& copy : m_copies) {
            if (copy.sections.size() != m_sections.size() ||
                copy.sections[section].questions == nullptr) {
                RaiseError(ErrorNumber::SubscriptOutOfRange);
            }
            count = std::clamp(count, 0, copy.sections[section].questions->Count());
        }
        m_grids[section].numberOffset = numbered;
        numbered += count;
    }
    if (numbered == 0 || m_copies.empty()) {
        return;
    }
    m_chosenPointSize = m_options.IsLargePrint()
                            ? std::max(pointSize, CPageOptions::LargePrintPointSize)
                            : pointSize;
    m_pointSize = FitPointSize(m_chosenPointSize);
    if (m_isCancelled) {
        return;
    }
    SpreadColumns();
    m_lineHeight = m_measure.LineHeight(m_pointSize);
    m_footerSize = std::min(m_pointSize, MaxFooterPointSize);
    if (m_options.HasHeader()) {
        m_isTitleInHeader = IsFieldsOnly(m_layout.Title());
        SizeHeader();
    }
    PlanPages();
}

std::u16string CPageLayout::ShrinkNote() const {
    if (!m_fits || m_pointSize >= m_chosenPointSize) {
        return {};
    }
    return u"字号已从 " + PointsText(m_chosenPointSize) + u" 磅缩小到 " + PointsText(m_pointSize) +
           u" 磅，以便每行排得下";
}

int32_t CPageLayout::PageCount() const {
    const int32_t parts = m_options.IsAnswerKey() ? 2 : 1;
    return PagesPerCopy() * static_cast<int32_t>(m_copies.size()) * parts;
}

int32_t CPageLayout::Columns(size_t section) const {
    return m_grids[section].columns;
}

int32_t CPageLayout::Rows(size_t section) const {
    const int32_t columns = Columns(section);
    return (m_sections[section].questionCount + columns - 1) / columns;
}

// For the grid's cells as measured; at least one, at most one a question.
int32_t CPageLayout::FittingColumns(size_t section) const {
    const double pitch = m_numberWidth + m_numberGap + m_grids[section].cellWidth + m_columnGap;
    const double room = m_options.Paper().PrintableWidth() + WidthTolerance + m_columnGap;
    const auto columns = static_cast<int32_t>(std::floor(room / pitch));
    return std::clamp(columns, 1, std::max(m_sections[section].questionCount, 1));
}

bool CPageLayout::IsCancelledAtYield() {
    YieldToUserInterface();
    m_isCancelled = m_receiver != nullptr && m_receiver->IsCancelled();
    return m_isCancelled;
}

// Sets every grid's measures for the size and gives the width of the widest
// row; stops where the user cancelled.
double CPageLayout::RowWidth(double pointSize) {
    const int32_t lastNumber = m_grids.back().numberOffset + m_sections.back().questionCount;
    m_numberWidth =
        m_options.IsNumbered() ? m_measure.TextWidth(QuestionNumber(lastNumber), pointSize) : 0;
    m_numberGap = m_options.IsNumbered() ? m_measure.TextWidth(u" ", pointSize) : 0;
    m_columnGap = std::clamp(m_layout.ColumnSpacing(), 0, MinColumnGapSpaces) *
                  m_measure.TextWidth(u" ", pointSize);
    double widest = 0;
    for (size_t section = 0; section < m_sections.size(); ++section) {
        const auto maker = m_sections[section].cells(pointSize);
        Grid& grid = m_grids[section];
        grid.cellWidth = 0;
        grid.cellHeight = 0;
        for (const CPrintCopy& copy : m_copies) {
            for (int32_t question = 1; question <= m_sections[section].questionCount; ++question) {
                const CCell cell = maker->Make(*copy.sections[section].questions->Item(question),
                                               Blank(copy.sections[section], question));
                grid.cellWidth = std::max(grid.cellWidth, cell.width);
                grid.cellHeight = std::max(grid.cellHeight, cell.height);
                if (question % YieldInterval == 0 && IsCancelledAtYield()) {
                    return widest;
                }
            }
        }
        grid.columns =
            std::clamp(m_layout.ColumnCount(), 1, std::max(m_sections[section].questionCount, 1));
        if (m_sections[section].fillsWidth) {
            grid.columns = FittingColumns(section);
        } else if (m_options.IsLargePrint()) {
            grid.columns = std::min(grid.columns, FittingColumns(section));
        }
        const int32_t columns = grid.columns;
        widest = std::max(widest, columns * (m_numberWidth + m_numberGap + grid.cellWidth) +
                                      (columns - 1) * m_columnGap);
    }
    return widest;
}

// From the chosen size down in half points; a size chosen below the smallest
// stays as it is.
double CPageLayout::FitPointSize(double chosen) {
    const double printable = m_options.Paper().PrintableWidth() + WidthTolerance;
    const double smallest = std::min(chosen, MinPointSize);
    double size = chosen;
    double width = RowWidth(size);
    while (width > printable && size > smallest && !m_isCancelled) {
        const double estimate = std::floor(size * printable / width / SizeStep) * SizeStep;
        size = std::max(std::min(estimate, size - SizeStep), smallest);
        width = RowWidth(size);
    }
    m_fits = width <= printable;
    return size;
}

// The columns of a grid that fits stand across the printable width, as a
// printed sheet has them; one that does not keeps the least room.
void CPageLayout::SpreadColumns() {
    const double printable = m_options.Paper().PrintableWidth();
    for (size_t section = 0; section < m_sections.size(); ++section) {
        Grid& grid = m_grids[section];
        const double block = m_numberWidth + m_numberGap + grid.cellWidth;
        grid.pitch = block + m_columnGap;
        const int32_t columns = Columns(section);
        if (m_fits && columns > 1) {
            grid.pitch =
                std::max(grid.pitch, block + (printable - columns * block) / (columns - 1));
        }
    }
}

std::vector<std::u16string> CPageLayout::HeaderLabels() const {
    std::vector<std::u16string> labels;
    for (size_t field = 0; field < CPageOptions::HeaderFieldNames.size(); ++field) {
        if (m_options.HasHeaderField(field)) {
            labels.push_back(std::u16string(CPageOptions::HeaderFieldNames[field]) + HeaderColon);
        }
    }
    return labels;
}

// The fields stand in as few rows as hold them at the questions' size, as
// many in each row; a field too wide for the paper on its own is set smaller.
void CPageLayout::SizeHeader() {
    const std::vector<std::u16string> labels = HeaderLabels();
    double needed = 0;
    for (const std::u16string& label : labels) {
        needed = std::max(needed, m_measure.TextWidth(label, m_pointSize));
    }
    needed += (HeaderRuleDigits + 1) * m_measure.TextWidth(u"0", m_pointSize);
    const double printable = m_options.Paper().PrintableWidth();
    const auto count = static_cast<int32_t>(labels.size());
    const int32_t fitting = std::clamp(static_cast<int32_t>(printable / needed), 1, count);
    const int32_t rows = (count + fitting - 1) / fitting;
    m_headerColumns = (count + rows - 1) / rows;
    const double share = printable / m_headerColumns;
    m_headerSize = needed > share ? m_pointSize * share / needed : m_pointSize;
    m_headerHeight = rows * HeaderLines * m_measure.LineHeight(m_headerSize);
}

// A title or heading wider than the paper is set smaller to fit.
double CPageLayout::FittingSize(const std::u16string& text) const {
    const double width = m_measure.TextWidth(text, m_pointSize);
    const double printable = m_options.Paper().PrintableWidth();
    return width > printable ? m_pointSize * printable / width : m_pointSize;
}

double CPageLayout::RowHeight(size_t section) const {
    return std::max(m_layout.RowSpacing(), 0) * m_lineHeight + m_grids[section].cellHeight;
}

// Every page opens with a title line, so a block that opens a page has it as
// its own title.
void CPageLayout::PlanPages() {
    const CPaper& paper = m_options.Paper();
    const bool hasQrCode = m_options.IsQrCode() &&
                           std::any_of(m_copies.begin(), m_copies.end(),
                                       [](const CPrintCopy& copy) { return !copy.qrText.empty(); });
    m_qrSide = hasQrCode ? QrCodeMillimetres * CPaper::PointsPerMillimetre : 0;
    const double footerTop =
        paper.Height() - paper.Margin() - std::max(m_measure.LineHeight(m_footerSize), m_qrSide);
    m_bottom = footerTop - m_lineHeight / 2;
    double y = 0;
    bool isFresh = false;
    for (size_t section = 0; section < m_sections.size(); ++section) {
        PlanSection(section, y, isFresh);
    }
    if (m_options.IsLargePrint()) {
        for (PlannedPage& page : m_plan) {
            SpreadRows(page);
        }
    }
}

// isFresh: the page holds nothing but its title yet.
void CPageLayout::PlanSection(size_t section, double& y, bool& isFresh) {
    const double top = m_options.Paper().Margin();
    const double rowHeight = RowHeight(section);
    auto openPage = [&] {
        m_plan.emplace_back();
        y = top;
        if (m_options.HasHeader()) {
            m_plan.back().push_back({LineKind::Header, y, 0, 0});
            y += m_headerHeight;
        }
        if (!m_isTitleInHeader) {
            m_plan.back().push_back({LineKind::Title, y, 0, 0});
            y += m_lineHeight;
        }
        isFresh = true;
    };
    auto placeLine = [&](LineKind kind, int32_t row) {
        if (kind == LineKind::Row) {
            y += rowHeight - m_grids[section].cellHeight;
        }
        m_plan.back().push_back({kind, y, section, row});
        y += kind == LineKind::Row ? m_grids[section].cellHeight : m_lineHeight;
        isFresh = false;
    };
    const bool isHeaded = !m_sections[section].heading.empty();
    const int32_t rows = Rows(section);
    const int32_t perBlock =
        isHeaded || m_layout.RowCountPerTitle() <= 0 ? rows : m_layout.RowCountPerTitle();
    for (int32_t first = 0; first < rows; first += perBlock) {
        const int32_t blockRows = std::min(perBlock, rows - first);
        // A heading keeps one row with it; a title block stays whole.
        const double kept = m_lineHeight + (isHeaded ? 1 : blockRows) * rowHeight;
        if (m_plan.empty()) {
            openPage();
        } else if (!isFresh) {
            if (y + LinesBeforeBlock * m_lineHeight + kept > m_bottom) {
                openPage();
            } else {
                y += LinesBeforeBlock * m_lineHeight;
            }
        }
        if (isHeaded) {
            placeLine(LineKind::Heading, 0);
        } else if (!isFresh) {
            placeLine(LineKind::Title, 0);
        }
        for (int32_t row = first; row < first + blockRows; ++row) {
            const bool pageHasRows =
                std::any_of(m_plan.back().begin(), m_plan.back().end(),
                            [](const PlannedLine& line) { return line.kind == LineKind::Row; });
            if (y + rowHeight > m_bottom && pageHasRows) {
                openPage();
            }
            placeLine(LineKind::Row, row);
        }
    }
}

// A page filled less than half keeps its rows together under the title; a
// fuller one moves each row down by the same gap more than the one above it.
void CPageLayout::SpreadRows(PlannedPage& page) const {
    int32_t rows = 0;
    double rowsBottom = 0;
    double growth = m_bottom;
    for (const PlannedLine& line : page) {
        if (line.kind == LineKind::Row) {
            ++rows;
            rowsBottom = line.y + m_grids[line.section].cellHeight;
            growth = std::min(growth, RowHeight(line.section));
        }
    }
    const double top = m_options.Paper().Margin();
    if (rows < 2 || rowsBottom - top <= (m_bottom - top) / 2) {
        return;
    }
    growth = std::min(growth, (m_bottom - rowsBottom) / (rows - 1));
    int32_t rowsAbove = 0;
    for (PlannedLine& line : page) {
        line.y += rowsAbove * growth;
        if (line.kind == LineKind::Row) {
            ++rowsAbove;
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
    std::unique_ptr<const CCellMaker> maker;
    size_t makerSection = m_sections.size();
    for (const PlannedLine& line : planned) {
        if (line.kind != LineKind::Row) {
            AppendLine(page, line);
            continue;
        }
        if (line.section != makerSection) {
            maker = m_sections[line.section].cells(m_pointSize);
            makerSection = line.section;
        }
        AppendRow(page, *maker, line);
    }
    AppendFooter(page);
    return page;
}

// A key page is headed "答案" once (in its header, when there is one); its
// other title lines stay empty, so that its rows stand where they stand on the
// questions' page.
void CPageLayout::AppendLine(CPage& page, const PlannedLine& line) const {
    const double left = m_options.Paper().Margin();
    if (line.kind == LineKind::Header) {
        AppendHeader(page, line.y);
    } else if (line.kind == LineKind::Heading) {
        const std::u16string& heading = m_sections[line.section].heading;
        page.lines.push_back({left, line.y, FittingSize(heading), heading});
    } else if (!page.isAnswerKey) {
        page.lines.push_back({left, line.y, FittingSize(m_layout.Title()), m_layout.Title()});
    } else if (page.lines.empty() && !m_options.HasHeader()) {
        page.lines.push_back({left, line.y, m_pointSize, AnswerKeyTitle});
    }
}

// Each field's name, then its line to the end of its share of the width; the
// key's header has no lines to write on.
void CPageLayout::AppendHeader(CPage& page, double y) const {
    const CPaper& paper = m_options.Paper();
    const double textTop = y + m_measure.LineHeight(m_headerSize) / 2;
    if (page.isAnswerKey) {
        page.lines.push_back({paper.Margin(), textTop, m_headerSize, AnswerKeyTitle});
        const std::u16string& code = m_copies[static_cast<size_t>(page.copy - 1)].code;
        if (!code.empty()) {
            std::u16string codeText = u"编号 " + code;
            const double right = paper.Width() - paper.Margin();
            page.lines.push_back({right - m_measure.TextWidth(codeText, m_headerSize), textTop,
                                  m_headerSize, std::move(codeText)});
        }
        return;
    }
    std::vector<std::u16string> labels = HeaderLabels();
    const double share = paper.PrintableWidth() / m_headerColumns;
    const double gap = m_measure.TextWidth(u"0", m_headerSize);
    const double lineHeight = m_measure.LineHeight(m_headerSize);
    for (size_t k = 0; k < labels.size(); ++k) {
        const auto row = static_cast<double>(static_cast<int32_t>(k) / m_headerColumns);
        const auto column = static_cast<double>(static_cast<int32_t>(k) % m_headerColumns);
        const double x = paper.Margin() + column * share;
        const double top = textTop + row * HeaderLines * lineHeight;
        const double ruleX = x + m_measure.TextWidth(labels[k], m_headerSize);
        page.lines.push_back({x, top, m_headerSize, std::move(labels[k])});
        page.rules.push_back({ruleX, top + lineHeight, x + share - gap - ruleX});
    }
}

void CPageLayout::AppendRow(CPage& page, const CCellMaker& maker, const PlannedLine& line) const {
    const CPrintQuestions& questions =
        m_copies[static_cast<size_t>(page.copy - 1)].sections[line.section];
    const Grid& grid = m_grids[line.section];
    const int32_t columns = Columns(line.section);
    const int32_t count = m_sections[line.section].questionCount;
    for (int32_t column = 0; column < columns; ++column) {
        const int32_t question = line.row * columns + column + 1;
        if (question > count) {
            break;
        }
        CPlacedCell placed;
        placed.question = grid.numberOffset + question;
        const double slot = m_options.Paper().Margin() + column * grid.pitch;
        if (m_options.IsNumbered()) {
            placed.number = QuestionNumber(placed.question);
            placed.numberX = slot + m_numberWidth - m_measure.TextWidth(placed.number, m_pointSize);
        }
        placed.cell = maker.Make(*questions.questions->Item(question), Blank(questions, question));
        placed.x = slot + m_numberWidth + m_numberGap + grid.cellWidth - placed.cell.width;
        placed.y = line.y;
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
    const CPrintCopy& copy = m_copies[static_cast<size_t>(page.copy - 1)];
    double right = paper.Width() - paper.Margin();
    if (m_qrSide > 0 && !copy.qrText.empty()) {
        page.qrCode = {right - m_qrSide, paper.Height() - paper.Margin() - m_qrSide, m_qrSide,
                       copy.qrText};
        right -= m_qrSide + m_measure.TextWidth(u"0", m_footerSize);
    }
    if (!copy.code.empty()) {
        std::u16string codeText = u"编号 " + copy.code;
        page.lines.push_back({right - m_measure.TextWidth(codeText, m_footerSize), y, m_footerSize,
                              std::move(codeText)});
    }
}

int32_t CPageLayout::Blank(const CPrintQuestions& questions, int32_t question) const {
    if (!m_layout.IsFillQuestions()) {
        return 0;
    }
    if (questions.blanks == nullptr || question > static_cast<int32_t>(questions.blanks->size())) {
        RaiseError(ErrorNumber::SubscriptOutOfRange);
    }
    return (*questions.blanks)[static_cast<size_t>(question - 1)];
}

} // namespace kelvo
