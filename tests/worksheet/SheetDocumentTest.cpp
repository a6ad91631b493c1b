#include "worksheet/CSheetDocument.h"

#include "foundation/RandomSource.h"
#include "generation/CInfoReceiver.h"
#include "output/FixedWidthMeasure.h"
#include "question/CPreCreatedQuestions.h"
#include "worksheet/CSheetPrint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kelvo {
namespace {

std::shared_ptr<CValueLimit> Limit(int32_t lower, int32_t upper) {
    auto limit = std::make_shared<CValueLimit>();
    limit->Init(lower, upper, 1, 1);
    return limit;
}

// a ＋ b with both operands and the result in the given ranges.
CQuestionData Addition(int32_t operandUpper, int32_t resultLower, int32_t resultUpper,
                       std::u16string gap = u"＋$$$") {
    CQuestionData kind;
    kind.AddLimit(Limit(1, operandUpper));
    kind.AddOperator(std::move(gap));
    kind.AddLimit(Limit(1, operandUpper));
    kind.SetResultLimit(Limit(resultLower, resultUpper));
    return kind;
}

COutputSettings Layout(int32_t rows, int32_t columns) {
    COutputSettings layout;
    layout.SetRowCount(rows);
    layout.SetColumnCount(columns);
    layout.SetColumnSpacing(4);
    return layout;
}

class WorksheetTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(4711); }
    void TearDown() override { UseClockForRandomReseed(); }

    // The panel's kind made into the document's sheet, as Create makes it.
    CShownSheet Create(const CQuestionData& kind, const COutputSettings& layout) {
        return document.Create(CSheetPlan::OfOneKind(std::make_shared<CQuestionData>(kind),
                                                     layout.RowCount() * layout.ColumnCount()),
                               layout, counts, nullptr);
    }
    const CQuestionSet& Questions() const { return document.Sheet().parts.front().questionSet; }
    std::u16string Show(const COutputSettings& layout) const {
        return document.Show(layout, nullptr).text;
    }

    CSheetDocument document;
    CAdmittedCounts counts;
};

TEST_F(WorksheetTest, AKindWithoutQuestionsGivesTheReasonAsItsText) {
    struct Case {
        CQuestionData kind;
        const char16_t* text;
    };
    const Case cases[] = {
        {Addition(10, 1, 20, u"$$$$"), u"错误：至少一个运算数没有选择运算符号。"},
        // 5 ＋ 5 never lies in 11..20.
        {Addition(5, 11, 20), u"很抱歉，没有生成题目。可能是您设计的算式有问题。"},
    };
    for (const Case& c : cases) {
        const CShownSheet shown = Create(c.kind, Layout(10, 5));
        EXPECT_FALSE(shown.hasQuestions);
        EXPECT_FALSE(document.HasSheet());
        EXPECT_EQ(shown.text, c.text);
        EXPECT_EQ(FormatSheet(document.Sheet(), Layout(2, 2), nullptr), c.text);
    }
}

TEST_F(WorksheetTest, TheLayoutAsksForItsCellsAndReformatsTheSameQuestions) {
    const CShownSheet worksheet = Create(Addition(50, 1, 100), Layout(10, 5));
    ASSERT_EQ(Questions().questions.Count(), 50);
    EXPECT_EQ(std::count(worksheet.text.begin(), worksheet.text.end(), u'='), 50);

    COutputSettings withAnswers = Layout(10, 5);
    withAnswers.SetIsShowAnswer(true);
    const std::u16string answered = Show(withAnswers);
    EXPECT_NE(answered, worksheet.text);
    EXPECT_EQ(Show(Layout(10, 5)), worksheet.text);
    // Fewer cells than questions: the text stops at the layout.
    const std::u16string smaller = Show(Layout(2, 5));
    EXPECT_EQ(std::count(smaller.begin(), smaller.end(), u'='), 10);
}

// The sheet the pupils get and its answers blank the same operand: "7＋(    )=20"
// is answered "7＋(13)=20", however often the same questions are formatted.
TEST_F(WorksheetTest, EveryFillInFormBlanksTheSameOperand) {
    COutputSettings sheet = Layout(10, 5);
    sheet.SetIsFillQuestions(true);
    const CShownSheet worksheet = Create(Addition(50, 1, 100), sheet);
    COutputSettings key = sheet;
    key.SetIsShowAnswer(true);
    const std::u16string answered = Show(key);

    EXPECT_EQ(Show(sheet), worksheet.text);
    // Where a cell's blank opens, what stands before it is the same in both forms.
    auto blankStarts = [](const std::u16string& text) {
        std::vector<std::u16string> prefixes;
        for (size_t open = text.find(u'('); open != std::u16string::npos;
             open = text.find(u'(', open + 1)) {
            const size_t cellStart = text.find_last_of(u" \n", open) + 1;
            prefixes.push_back(text.substr(cellStart, open - cellStart));
        }
        return prefixes;
    };
    const std::vector<std::u16string> sheetBlanks = blankStarts(worksheet.text);
    ASSERT_EQ(sheetBlanks.size(), 50U);
    EXPECT_EQ(blankStarts(answered), sheetBlanks);
    EXPECT_TRUE(std::any_of(sheetBlanks.begin(), sheetBlanks.end(),
                            [](const std::u16string& prefix) { return prefix.empty(); }));
    EXPECT_TRUE(std::any_of(sheetBlanks.begin(), sheetBlanks.end(),
                            [](const std::u16string& prefix) { return !prefix.empty(); }));
}

// A job cancelled at its first yield keeps its 200 questions and says so.
TEST_F(WorksheetTest, TheQuestionSetTellsHowItsJobEnded) {
    class CancelAtOnce : public CInfoReceiver {
    public:
        bool IsCancelled() const override { return true; }
    } receiver;
    const CQuestionSet cancelled = MakeQuestions(Addition(200, 1, 400), 5000, &receiver);
    EXPECT_EQ(cancelled.end, GenerationEnd::Cancelled);
    EXPECT_EQ(cancelled.generatedCount, 200);
    EXPECT_EQ(StatusLine(cancelled), u"已取消，只生成了 200 道题目");

    CQuestionSet set = MakeQuestions(Addition(200, 1, 400), 5000, nullptr);
    EXPECT_EQ(set.generatedCount, 5000);
    EXPECT_EQ(StatusLine(set), u"");
    set.end = GenerationEnd::GaveUp;
    set.generatedCount = 7;
    EXPECT_EQ(StatusLine(set), u"只生成了 7 道题目");
}

// Copies for paper: the first is the sheet shown, the others are drawn anew
// with as many questions; a cancel leaves none.
TEST_F(WorksheetTest, CopiesKeepTheSheetShownAndDrawTheOthersAnew) {
    const CShownSheet shown = Create(Addition(50, 1, 100), Layout(4, 5));
    const std::vector<CSheet> copies = document.Copies(3, nullptr);
    ASSERT_EQ(copies.size(), 3U);
    EXPECT_EQ(FormatSheet(copies[0], Layout(4, 5), nullptr), shown.text);
    EXPECT_EQ(copies[2].parts.front().questionSet.questions.Count(), 20);
    EXPECT_NE(FormatSheet(copies[1], Layout(4, 5), nullptr),
              FormatSheet(copies[2], Layout(4, 5), nullptr));
    class CancelAtOnce : public CInfoReceiver {
    public:
        bool IsCancelled() const override { return true; }
    } receiver;
    EXPECT_TRUE(document.Copies(2, &receiver).empty());
    document.Clear();
    EXPECT_FALSE(document.HasSheet());
    EXPECT_TRUE(document.Show(Layout(4, 5), nullptr).text.empty());
}

// A sheet of given questions stands under its own title; its copies hold
// the same questions in other orders, and no page carries a code.
TEST_F(WorksheetTest, AnAdoptedSheetKeepsItsQuestionsTitleAndNoCode) {
    Create(Addition(50, 1, 100), Layout(4, 5));
    CQuestionSet given = Questions();
    given.questions = given.questions.Copy(1, 7);
    COutputSettings layout = Layout(4, 5);
    layout.SetTitle(u"姓名：");
    layout.SetRowCountPerTitle(10);
    const std::u16string title = u"小明的弱项练习卷 2026-12-09";
    const CShownSheet shown = document.Adopt(given, title, layout);
    EXPECT_TRUE(shown.text.starts_with(title)) << "in place of the layout's title";
    EXPECT_EQ(shown.text.find(u"姓名："), std::u16string::npos);
    const auto texts = [](const CSheet& sheet) {
        std::vector<std::u16string> questions;
        const QuestionList& list = sheet.parts.front().questionSet.questions;
        for (int32_t i = 1; i <= list.Count(); ++i) {
            questions.push_back(list.Item(i)->LeftPartToString().ToString());
        }
        return questions;
    };
    const std::vector<CSheet> copies = document.Copies(4, nullptr);
    ASSERT_EQ(copies.size(), 4U);
    std::vector<std::u16string> sorted = texts(copies[0]);
    std::ranges::sort(sorted);
    std::set<std::vector<std::u16string>> orders;
    for (const CSheet& copy : copies) {
        std::vector<std::u16string> questions = texts(copy);
        orders.insert(questions);
        std::ranges::sort(questions);
        EXPECT_EQ(questions, sorted);
    }
    EXPECT_GT(orders.size(), 1U);
    const CFixedWidthMeasure measure;
    const CPageLayout pages = LayOutPages(copies, layout, CPageOptions(), measure, 12);
    for (int32_t index = 1; index <= pages.PageCount(); ++index) {
        for (const CPageLine& line : pages.Page(index).lines) {
            EXPECT_FALSE(line.text.starts_with(u"编号")) << "page " << index;
        }
    }
}

// One kind is warned without a heading: 1..3 ＋ 1..3 has nine questions.
TEST_F(WorksheetTest, OneKindIsWarnedOfRepetitionWithoutAHeading) {
    EXPECT_EQ(Create(Addition(3, 1, 10), Layout(10, 5)).repetitionWarning,
              u"该题型只有9道不同的题目，试卷中会有重复。");
    EXPECT_TRUE(Create(Addition(50, 1, 100), Layout(10, 5)).repetitionWarning.empty());
}

// A PDF goes on its side only when upright paper cannot hold a row even at
// the smallest font, and says so when not even that helps.
TEST_F(WorksheetTest, APdfTurnsThePaperOnlyForRowsTooWideForIt) {
    const CFixedWidthMeasure measure;
    struct Case {
        int32_t columns;
        PageOrientation chosen;
        PdfPaper paper;
        PageOrientation printed;
    };
    const Case cases[] = {
        {6, PageOrientation::Portrait, PdfPaper::AsChosen, PageOrientation::Portrait},
        {7, PageOrientation::Portrait, PdfPaper::Turned, PageOrientation::Landscape},
        {10, PageOrientation::Landscape, PdfPaper::AsChosen, PageOrientation::Landscape},
        {11, PageOrientation::Portrait, PdfPaper::TooWide, PageOrientation::Landscape},
        {11, PageOrientation::Landscape, PdfPaper::TooWide, PageOrientation::Landscape},
    };
    for (const Case& c : cases) {
        Create(Addition(50, 1, 100), Layout(2, c.columns));
        CSheetPrint print(document.Copies(1, nullptr), Layout(2, c.columns), PrintedPages::Sheet,
                          measure, 12);
        CPageOptions options;
        options.Paper().SetOrientation(c.chosen);
        PdfPaper paper = PdfPaper::AsChosen;
        const CPageLayout& pages = print.LayOutPdf(options, nullptr, paper);
        EXPECT_EQ(paper, c.paper) << c.columns;
        EXPECT_EQ(pages.Options().Paper().Orientation(), c.printed) << c.columns;
    }
}

} // namespace
} // namespace kelvo
