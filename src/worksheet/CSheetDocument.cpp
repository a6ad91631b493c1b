#include "worksheet/CSheetDocument.h"

#include "foundation/RandomSource.h"
#include "generation/CInfoReceiver.h"
#include "worksheet/SheetCode.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace kelvo {
namespace {

// The sheet's questions, each with its blank, in an order drawn from the seed.
CSheet Reordered(const CSheet& sheet, uint64_t seed) {
    CSheet copy = sheet;
    copy.seed = seed;
    std::mt19937_64 random(seed);
    for (CSheetPart& part : copy.parts) {
        const QuestionList& questions = part.questionSet.questions;
        std::vector<int32_t> order(static_cast<size_t>(questions.Count()));
        std::iota(order.begin(), order.end(), 1);
        std::ranges::shuffle(order, random);
        QuestionList reordered;
        BlankPositions blanks;
        for (const int32_t index : order) {
            reordered.Add(questions.Item(index));
            blanks.push_back(part.questionSet.blanks[static_cast<size_t>(index - 1)]);
        }
        part.questionSet.questions = std::move(reordered);
        part.questionSet.blanks = std::move(blanks);
    }
    return copy;
}

} // namespace

CShownSheet CSheetDocument::Create(const CSheetPlan& plan, const COutputSettings& layout,
                                   CAdmittedCounts& counts, CInfoReceiver* receiver) {
    return Remake(plan, layout.ColumnCount(), DrawSeed(), layout, counts, receiver);
}

CShownSheet CSheetDocument::Remake(const CSheetPlan& plan, int32_t drawnColumns, uint64_t seed,
                                   const COutputSettings& layout, CAdmittedCounts& counts,
                                   CInfoReceiver* receiver) {
    Clear();
    m_plan = plan;
    m_columns = drawnColumns;
    m_sheet = DrawSheet(m_plan, m_columns, seed, &counts, receiver);
    return {FormatSheet(m_sheet, layout, receiver), m_sheet.HasQuestions(), m_sheet.statusLine,
            m_sheet.repetitionWarning};
}

CShownSheet CSheetDocument::Adopt(CQuestionSet questions, std::u16string title,
                                  const COutputSettings& layout) {
    Clear();
    m_title = std::move(title);
    m_columns = layout.ColumnCount();
    questions.blanks = DrawBlankPositions(questions.questions);
    m_sheet.arrangement = SheetArrangement::Mixed;
    m_sheet.seed = DrawSeed();
    m_sheet.hasCode = false;
    m_sheet.parts.push_back({u"", std::move(questions)});
    return Show(layout, nullptr);
}

CShownSheet CSheetDocument::Show(const COutputSettings& layout, CInfoReceiver* receiver) const {
    if (!HasSheet()) {
        return {};
    }
    return {FormatSheet(m_sheet, SheetLayout(layout), receiver), true, m_sheet.statusLine,
            m_sheet.repetitionWarning};
}

COutputSettings CSheetDocument::SheetLayout(const COutputSettings& chosen) const {
    COutputSettings layout = chosen;
    if (!m_title.empty()) {
        layout.SetTitle(m_title);
    }
    return layout;
}

void CSheetDocument::Clear() {
    m_plan = {};
    m_columns = 1;
    m_sheet = {};
    m_title.clear();
}

std::vector<CSheet> CSheetDocument::Copies(int32_t count, CInfoReceiver* receiver) const {
    std::vector<CSheet> copies{m_sheet};
    while (static_cast<int32_t>(copies.size()) < count) {
        const auto copy = static_cast<int32_t>(copies.size()) + 1;
        const uint64_t seed = CopySeed(m_sheet.seed, copy);
        copies.push_back(m_sheet.hasCode ? DrawSheet(m_plan, m_columns, seed, nullptr, receiver)
                                         : Reordered(m_sheet, seed));
        if ((receiver != nullptr && receiver->IsCancelled()) || !copies.back().HasQuestions()) {
            return {};
        }
    }
    return copies;
}

} // namespace kelvo
