#include "worksheet/QuestionSet.h"

#include "foundation/TextNumber.h"
#include "generation/ComparisonPairs.h"
#include "output/COutputFormatter.h"
#include "question/QuestionTemplates.h"

#include <memory>

namespace kelvo {

namespace {

const char16_t* const NoQuestionText = u"很抱歉，没有生成题目。可能是您设计的算式有问题。";

// Comparisons of two questions, from a pool of the kind's questions: the
// pairs are drawn afresh for every comparison, so they need no rounds.
void DrawComparisons(CQuestionSet& questionSet, int32_t wanted, CInfoReceiver* receiver) {
    const CComparisonPool pool = DrawComparisonPool(questionSet.templates, receiver);
    questionSet.questions = PairComparisons(pool, wanted);
    questionSet.generatedCount = questionSet.questions.Count();
    questionSet.end = pool.end == GenerationEnd::Cancelled ? pool.end : GenerationEnd::Complete;
    questionSet.blanks = DrawBlankPositions(questionSet.questions);
}

} // namespace

CQuestionSet KindQuestionSet(const CQuestionData& kind) {
    CQuestionSet questionSet;
    questionSet.title = kind.Title();
    questionSet.templates = QuestionTemplates(kind, questionSet.errorText);
    return questionSet;
}

void DrawQuestions(CQuestionSet& questionSet, int32_t wanted, int32_t columns,
                   CInfoReceiver* receiver) {
    if (ComparesQuestions(questionSet.templates)) {
        DrawComparisons(questionSet, wanted, receiver);
    } else if (!questionSet.templates.empty()) {
        questionSet.questions =
            GenerateQuestions(questionSet.templates, wanted, &questionSet.generatedCount, receiver,
                              &questionSet.end, columns);
        questionSet.blanks = DrawBlankPositions(questionSet.questions);
    }
    if (!questionSet.HasQuestions() && questionSet.errorText.empty()) {
        questionSet.errorText = NoQuestionText;
    }
}

CQuestionSet MakeQuestions(const CQuestionData& kind, int32_t wanted, CInfoReceiver* receiver) {
    CQuestionSet questionSet = KindQuestionSet(kind);
    DrawQuestions(questionSet, wanted, 1, receiver);
    return questionSet;
}

std::u16string StatusLine(const CQuestionSet& questionSet) {
    if (questionSet.end == GenerationEnd::Complete) {
        return {};
    }
    const std::u16string made = u"只生成了 " + DecimalText(questionSet.generatedCount) + u" 道题目";
    return questionSet.end == GenerationEnd::Cancelled ? u"已取消，" + made : made;
}

std::u16string FormatQuestions(const CQuestionSet& questionSet, const COutputSettings& layout,
                               CInfoReceiver* receiver) {
    if (!questionSet.HasQuestions()) {
        return questionSet.errorText;
    }
    COutputFormatter formatter;
    formatter.SetSettings(std::make_shared<const COutputSettings>(layout));
    formatter.SetExprValues(&questionSet.questions);
    formatter.SetBlanks(&questionSet.blanks);
    formatter.RepresentativeExpression(*questionSet.templates.front());
    return formatter.Format(receiver).ToString();
}

} // namespace kelvo
