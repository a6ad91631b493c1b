#include "generation/CExpression.h"

#include "foundation/TextNumber.h"
#include "foundation/UserInterfaceYield.h"
#include "generation/CExprBuilder.h"
#include "generation/CGeneratorFour.h"
#include "generation/CGeneratorTreble.h"
#include "generation/CGeneratorTwo.h"
#include "generation/CInfoReceiver.h"
#include "number/OperatorCodes.h"

#include <limits>

namespace kelvo {

namespace {

// Attempts of at least this many show the progress frame.
constexpr int32_t ProgressThreshold = 1000;
// The generation loop yields after a success at every multiple of this.
constexpr int32_t YieldInterval = 200;

const std::u16string GeneratingCaption = u"生成了试题";

std::unique_ptr<CGenerator> MakeGenerator(size_t operandCount) {
    switch (operandCount) {
    case 2:
        return std::make_unique<CGeneratorTwo>();
    case 3:
        return std::make_unique<CGeneratorTreble>();
    case 4:
        return std::make_unique<CGeneratorFour>();
    default:
        return nullptr;
    }
}

void AppendOperatorAndValue(std::u16string& text, const COperand& operand) {
    const int32_t code = operand.LeftOperator();
    if (code >= Op::Plus && code <= Op::RightParenthesis) {
        text += OperatorText(code);
    }
    AppendDecimalText(text, operand.ResultValue());
}

} // namespace

void CExpression::Init(OperandList colOps, std::shared_ptr<COperand> result) {
    m_operands = std::move(colOps);
    m_resultOperand = std::move(result);
}

bool CExpression::CreateInstances(QuestionList& questions, int32_t iCount,
                                  CInfoReceiver* receiver) {
    if (GetPermCombineTimes() <= EnumerationLimit) {
        return CreateInstancesWithGenerator(questions, iCount, receiver);
    }
    return CreateInstancesWithBuilder(questions, iCount, receiver);
}

std::u16string CExpression::ToString() const {
    std::u16string text;
    for (const auto& operand : m_operands) {
        AppendOperatorAndValue(text, *operand);
    }
    AppendOperatorAndValue(text, *m_resultOperand);
    return text;
}

std::shared_ptr<CExprValue> CExpression::GetExprValue() const {
    auto value = std::make_shared<CExprValue>();
    value->CreateFrom(*this);
    return value;
}

uint64_t CExpression::GetPermCombineTimes() const {
    constexpr uint64_t largest = std::numeric_limits<uint64_t>::max();
    uint64_t size = 1;
    for (const auto& operand : m_operands) {
        const auto count = static_cast<uint64_t>(std::max(operand->Limit()->Count(), 0));
        size = (count != 0 && size > largest / count) ? largest : size * count;
    }
    return size;
}

bool CExpression::CreateInstancesWithGenerator(QuestionList& questions, int32_t iCount,
                                               CInfoReceiver* receiver) {
    std::unique_ptr<CGenerator> generator = MakeGenerator(m_operands.size());
    if (!generator) {
        return false;
    }
    generator->Init(*this);
    questions.EnsureCapacity(iCount);
    RunBracketed(receiver, iCount >= ProgressThreshold, GeneratingCaption, [&] {
        for (int32_t i = 1; i <= iCount; ++i) {
            if (generator->CreateInstance()) {
                AppendFill(questions, i, receiver);
            }
        }
    });
    return false;
}

bool CExpression::CreateInstancesWithBuilder(QuestionList& questions, int32_t iCount,
                                             CInfoReceiver* receiver) {
    questions.EnsureCapacity(iCount);
    RunBracketed(receiver, iCount >= ProgressThreshold, GeneratingCaption, [&] {
        CExprBuilder builder;
        for (int32_t i = 1; i <= iCount; ++i) {
            if (builder.Build(m_operands, *m_resultOperand)) {
                AppendFill(questions, i, receiver);
            }
            ClearResults();
        }
    });
    return true;
}

void CExpression::AppendFill(QuestionList& questions, int32_t attempt,
                             CInfoReceiver* receiver) const {
    questions.Add(GetExprValue());
    if (receiver != nullptr) {
        receiver->Process(attempt);
    }
    if (attempt % YieldInterval == 0) {
        YieldToUserInterface();
    }
}

void CExpression::ClearResults() {
    for (const auto& operand : m_operands) {
        operand->ClearResults();
    }
    m_resultOperand->ClearResults();
}

} // namespace kelvo
