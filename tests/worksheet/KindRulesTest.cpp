#include "number/OperatorCodes.h"
#include "support/BruteForce.h"
#include "support/KindFactory.h"
#include "worksheet/AdmittedCount.h"
#include "worksheet/QuestionSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

namespace kelvo {
namespace {

using testing::KeyOf;
using testing::MakeKind;
using testing::QuestionKey;

// One step of a question as a child works it out: x code y = z.
struct Step {
    int64_t x;
    int32_t code;
    int64_t y;
    int64_t z;
};

int64_t Worked(int64_t x, int32_t code, int64_t y) {
    switch (code) {
    case Op::Plus:
        return x + y;
    case Op::Minus:
        return x - y;
    case Op::Times:
        return x * y;
    default:
        return x / y;
    }
}

// The steps of a question of two or three operands from its key (a, op, b[,
// op, c], result[, first, last of the parentheses]): the parentheses first,
// else times and divide first.
std::vector<Step> Steps(const QuestionKey& key) {
    if (key.size() == 4) {
        return {{key[0], key[1], key[2], key[3]}};
    }
    const int64_t result = key[5];
    const bool groupsLastPair = key.size() == 8 && key[6] == 1;
    const bool timesLast = key.size() == 6 && !IsTimesOrDivide(key[1]) && IsTimesOrDivide(key[3]);
    if (groupsLastPair || timesLast) {
        const int64_t t = Worked(key[2], key[3], key[4]);
        return {{key[2], key[3], key[4], t}, {key[0], key[1], t, result}};
    }
    const int64_t t = Worked(key[0], key[1], key[2]);
    return {{key[0], key[1], key[2], t}, {t, key[3], key[4], result}};
}

bool IsZeroOrOne(int64_t v) {
    return v == 0 || v == 1;
}

std::shared_ptr<CQuestionData> WithParentheses(std::shared_ptr<CQuestionData> kind,
                                               int32_t choice) {
    kind->SetParenthesesChoice(choice);
    return kind;
}

using Rule = std::function<bool(const QuestionKey&, const CQuestionData&)>;

const Rule IntermediateInRange = [](const QuestionKey& key, const CQuestionData& kind) {
    const std::vector<Step> steps = Steps(key);
    return std::all_of(steps.begin(), steps.end() - 1, [&](const Step& step) {
        return kind.ResultLimit()->LowerLimit() <= step.z &&
               step.z <= kind.ResultLimit()->UpperLimit();
    });
};
const Rule NoTrivialFactor = [](const QuestionKey& key, const CQuestionData&) {
    const std::vector<Step> steps = Steps(key);
    return std::none_of(steps.begin(), steps.end(), [](const Step& step) {
        return (step.code == Op::Times && (IsZeroOrOne(step.x) || IsZeroOrOne(step.y))) ||
               (step.code == Op::Divide && step.y == 1);
    });
};
const Rule NoQuotientOne = [](const QuestionKey& key, const CQuestionData&) {
    const std::vector<Step> steps = Steps(key);
    return std::none_of(steps.begin(), steps.end(),
                        [](const Step& step) { return step.code == Op::Divide && step.z == 1; });
};
const Rule WithinTables = [](const QuestionKey& key, const CQuestionData&) {
    const std::vector<Step> steps = Steps(key);
    return std::none_of(steps.begin(), steps.end(), [](const Step& step) {
        return (step.code == Op::Times && (step.x > 9 || step.y > 9)) ||
               (step.code == Op::Divide && (step.y > 9 || step.z > 9));
    });
};
const Rule NoZeroOperand = [](const QuestionKey& key, const CQuestionData&) {
    for (size_t k = 0; k + 1 < key.size(); k += 2) {
        if (key[k] == 0) {
            return false;
        }
    }
    return true;
};

// Each rule on its own, on the enumerating road and (above 10000 operand
// combinations) the building road: the admitted count is what trying every
// question under the rule finds, and every question drawn keeps the rule.
TEST(KindRulesTest, EachRuleAloneAdmitsExactlyWhatTryingEveryQuestionFinds) {
    const struct {
        const char* name;
        std::shared_ptr<CQuestionData> kind;
        bool CQuestionRules::*rule;
        Rule holds;
    } cases[] = {
        {"sums and differences of three",
         MakeKind({{0, 20}, {0, 20}, {0, 20}}, {u"＋－$$", u"＋－$$"}, {0, 20}),
         &CQuestionRules::isIntermediateInResultRange, IntermediateInRange},
        {"every operator of three",
         MakeKind({{1, 9}, {1, 9}, {1, 9}}, {u"＋－×÷", u"＋－×÷"}, {0, 30}),
         &CQuestionRules::isIntermediateInResultRange, IntermediateInRange},
        {"parentheses of three",
         WithParentheses(MakeKind({{0, 12}, {0, 12}, {1, 12}}, {u"＋－×÷", u"＋－×÷"}, {0, 40}),
                         CQuestionData::RandomParentheses),
         &CQuestionRules::isIntermediateInResultRange, IntermediateInRange},
        {"built sums of three",
         MakeKind({{0, 30}, {0, 30}, {0, 30}}, {u"＋－$$", u"＋－$$"}, {0, 30}),
         &CQuestionRules::isIntermediateInResultRange, IntermediateInRange},
        {"products and quotients", MakeKind({{0, 12}, {0, 12}}, {u"$$×÷"}, {0, 144}),
         &CQuestionRules::isNoTrivialFactor, NoTrivialFactor},
        {"three with a product", MakeKind({{0, 6}, {0, 6}, {0, 6}}, {u"＋$×$", u"$$×÷"}, {0, 50}),
         &CQuestionRules::isNoTrivialFactor, NoTrivialFactor},
        {"built products", MakeKind({{1, 200}, {0, 100}}, {u"$$×÷"}, {0, 10000}),
         &CQuestionRules::isNoTrivialFactor, NoTrivialFactor},
        {"quotients", MakeKind({{1, 30}, {1, 9}}, {u"$$$÷"}, {0, 30}),
         &CQuestionRules::isNoQuotientOne, NoQuotientOne},
        {"quotients with a remainder",
         MakeKind({{1, 30}, {2, 9}}, {u"$$$÷"}, {0, 30}, Cbr::Remainder),
         &CQuestionRules::isNoQuotientOne, NoQuotientOne},
        {"built quotients", MakeKind({{1, 500}, {1, 50}}, {u"$$$÷"}, {0, 500}),
         &CQuestionRules::isNoQuotientOne, NoQuotientOne},
        {"products and quotients of the table", MakeKind({{0, 81}, {1, 12}}, {u"$$×÷"}, {0, 81}),
         &CQuestionRules::isWithinTables, WithinTables},
        {"three of the table", MakeKind({{1, 20}, {1, 12}, {1, 12}}, {u"＋$×÷", u"$$×÷"}, {0, 100}),
         &CQuestionRules::isWithinTables, WithinTables},
        {"sums", MakeKind({{0, 10}, {0, 10}}, {u"＋－$$"}, {0, 20}),
         &CQuestionRules::isNoZeroOperand, NoZeroOperand},
        {"three with a product and zeros",
         MakeKind({{0, 6}, {0, 6}, {0, 6}}, {u"＋$×$", u"＋－×$"}, {0, 50}),
         &CQuestionRules::isNoZeroOperand, NoZeroOperand},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::set<QuestionKey> all = testing::AdmissibleQuestions(*c.kind);
        std::set<QuestionKey> kept;
        std::copy_if(all.begin(), all.end(), std::inserter(kept, kept.end()),
                     [&](const QuestionKey& key) { return c.holds(key, *c.kind); });
        ASSERT_LT(kept.size(), all.size()) << "the rule leaves nothing out";
        ASSERT_FALSE(kept.empty());
        CQuestionRules rules;
        rules.*c.rule = true;
        c.kind->SetRules(rules);

        const CAdmittedCount admitted = CountAdmittedQuestions(*c.kind);
        EXPECT_TRUE(admitted.isExact);
        EXPECT_EQ(admitted.count, static_cast<int64_t>(kept.size()));

        constexpr int32_t Wanted = 3000;
        const CQuestionSet drawn = MakeQuestions(*c.kind, Wanted, nullptr);
        std::set<QuestionKey> drawnKeys;
        for (int32_t i = 1; i <= drawn.generatedCount; ++i) {
            drawnKeys.insert(KeyOf(*drawn.questions.Item(i)));
        }
        EXPECT_TRUE(std::includes(kept.begin(), kept.end(), drawnKeys.begin(), drawnKeys.end()));
        // An enumeration spent before the wanted number gave every question.
        if (drawn.generatedCount < Wanted) {
            EXPECT_EQ(drawnKeys, kept);
        }
    }
}

} // namespace
} // namespace kelvo
