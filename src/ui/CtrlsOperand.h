#pragma once

#include "question/CQuestionData.h"
#include "ui/CtrlsDecimalPlaces.h"
#include "ui/CtrlsQuestionForm.h"
#include "ui/frmMainUi.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

// Drives the operand panel of the main window: shows two to four operands
// with the result frame and "=" after the last one, keeps the paired check
// boxes exclusive, offers the carry / borrow / remainder pair
// only where it applies, lists the parentheses positions of the operand
// count, and
// maps the panel to a question description and back, the one mapping between
// the two. It keeps only the operand count; everything else is read from the
// controls when asked.
class CtrlsOperand {
public:
    explicit CtrlsOperand(const COperandPanel& panel);

    int32_t OperandCount() const { return m_iOperandCount; }
    void SetOperandCount(int32_t n);

    // Gap indexOperators+1 as a four-position pattern: "＋－$$".
    std::u16string OperatorsNoGap(int32_t indexOperators) const;
    // The ticked operators of the gap only: "＋－".
    std::u16string Operators(int32_t indexOperators) const;
    std::vector<std::u16string> AllOperators() const;
    // 10 for "整十数", 100 for "整百数", else 1; indexOperand 4 is the result.
    int32_t MultipleOfs(int32_t indexOperand) const;

    void DoMultipleOfClicked(int32_t IndexChk);
    void DoOperatorsChanged(const std::u16string& newOp);
    void DoCbrClicked(int32_t IndexChk);
    // The carry / borrow code the pair expresses, 0 while it does not apply.
    int32_t CbrValue() const;

    // The kind the panel describes, ranges as they stand in the boxes (a "从"
    // above its "到" included) and without a title.
    std::shared_ptr<CQuestionData> QuestionData() const;
    // Shows a kind on the panel: its operand count, ranges, operators of every
    // gap it has (the gaps it lacks keep their ticks), carry/borrow code,
    // parentheses, rules, form and places.
    void ShowQuestionData(const CQuestionData& qd);

private:
    std::shared_ptr<CValueLimit> LimitFromBoxes(int32_t indexOperand) const;
    void ShowLimit(int32_t indexOperand, const CValueLimit& limit);
    void ShowGap(int32_t indexGap, const std::u16string& pattern, bool untickOthers);
    void ShowCbrPair(int32_t iCbr);
    void ListParentheses(int32_t operandCount);
    void ShowParentheses(int32_t choice);
    void TickLikeFirstGapWhenEmpty(int32_t indexGap) const;
    static void UntickPartnerOf(QCheckBox* clicked, QCheckBox* partner);

    COperandPanel m_panel;
    CtrlsQuestionForm m_form;
    CtrlsDecimalPlaces m_places;
    int32_t m_iOperandCount = 0;
    int m_resultFrameHome;
    int m_equalHome;
};

} // namespace kelvo
