#include "ui/CtrlsOperand.h"

#include "number/OperatorCodes.h"
#include "question/KindDescription.h"
#include "question/QuestionTemplates.h"

#include <algorithm>
#include <utility>

namespace kelvo {

namespace {

constexpr int ResultFrame = 4;

bool IsTicked(const QCheckBox* box) {
    return box->checkState() != Qt::Unchecked;
}

void MoveLeftTo(QWidget* widget, int left) {
    widget->move(left, widget->y());
}

void SetCaptions(const std::array<QCheckBox*, 2>& pair, const char16_t* first,
                 const char16_t* second) {
    pair[0]->setText(QString::fromUtf16(first));
    pair[1]->setText(QString::fromUtf16(second));
}

int32_t CaptionCode(const QCheckBox* box) {
    return CbrCodeFromText(box->text().toStdU16String());
}

} // namespace

CtrlsOperand::CtrlsOperand(const COperandPanel& panel)
    : m_panel(panel), m_form(panel.cboForm, panel.cboEstimateUnit), m_places(panel),
      m_resultFrameHome(panel.fraOperands[ResultFrame]->x()), m_equalHome(panel.lblEqual->x()) {}

void CtrlsOperand::SetOperandCount(int32_t n) {
    QWidget* resultFrame = m_panel.fraOperands[ResultFrame];
    if (n < 4) {
        MoveLeftTo(resultFrame, m_panel.fraOperands[n]->x());
        MoveLeftTo(m_panel.lblEqual, m_panel.fraOperators[n - 1]->x());
    } else {
        MoveLeftTo(resultFrame, m_resultFrameHome);
        MoveLeftTo(m_panel.lblEqual, m_equalHome);
    }
    for (int32_t k = m_iOperandCount; k < n; ++k) {
        m_panel.fraOperands[k]->show();
        if (k > 1) {
            TickLikeFirstGapWhenEmpty(k - 1);
        }
        if (k > 0) {
            m_panel.fraOperators[k - 1]->show();
        }
    }
    for (int32_t k = n; k < m_iOperandCount; ++k) {
        m_panel.fraOperands[k]->hide();
        m_panel.fraOperators[k - 1]->hide();
    }
    // Two operands have no intermediate result; the tick stays for three or four.
    m_panel.chkRules[0]->setEnabled(n > CQuestionData::MinOperandCount);
    if (n != m_iOperandCount) {
        ListParentheses(n);
    }
    m_iOperandCount = n;
    DoOperatorsChanged(n == 2 ? Operators(0) : std::u16string());
}

std::u16string CtrlsOperand::OperatorsNoGap(int32_t indexOperators) const {
    std::u16string pattern;
    for (int p = 0; p < 4; ++p) {
        const QCheckBox* box = m_panel.chkOperators[4 * indexOperators + p];
        pattern += IsTicked(box) ? box->text().toStdU16String() : u"$";
    }
    return pattern;
}

std::u16string CtrlsOperand::Operators(int32_t indexOperators) const {
    std::u16string ticked;
    for (int p = 0; p < 4; ++p) {
        const QCheckBox* box = m_panel.chkOperators[4 * indexOperators + p];
        if (IsTicked(box)) {
            ticked += box->text().toStdU16String();
        }
    }
    return ticked;
}

std::vector<std::u16string> CtrlsOperand::AllOperators() const {
    std::vector<std::u16string> all;
    for (int32_t k = 0; k <= m_iOperandCount - 2; ++k) {
        all.push_back(Operators(k));
    }
    return all;
}

int32_t CtrlsOperand::MultipleOfs(int32_t indexOperand) const {
    if (IsTicked(m_panel.chkMultipleOfs[2 * indexOperand])) {
        return 10;
    }
    if (IsTicked(m_panel.chkMultipleOfs[2 * indexOperand + 1])) {
        return 100;
    }
    return 1;
}

void CtrlsOperand::DoMultipleOfClicked(int32_t IndexChk) {
    const int32_t partner = IndexChk % 2 == 1 ? IndexChk - 1 : IndexChk + 1;
    UntickPartnerOf(m_panel.chkMultipleOfs[IndexChk], m_panel.chkMultipleOfs[partner]);
}

void CtrlsOperand::DoOperatorsChanged(const std::u16string& newOp) {
    const auto& pair = m_panel.chkCbr;
    bool applies = true;
    if (newOp == OperatorText(Op::Plus)) {
        SetCaptions(pair, u"有进位", u"无进位");
    } else if (newOp == OperatorText(Op::Minus)) {
        SetCaptions(pair, u"有借位", u"无借位");
    } else if (newOp == OperatorText(Op::Divide)) {
        SetCaptions(pair, u"有余数", u"无余数");
    } else {
        pair[0]->setChecked(false);
        pair[1]->setChecked(false);
        applies = false;
    }
    // With three or four operands the count change has already disabled the
    // pair; a tick in gap 1 must not enable it again.
    const bool moreThanTwo = !m_panel.fraOperands[2]->isHidden();
    if (!(applies && moreThanTwo)) {
        pair[0]->setEnabled(applies);
        pair[1]->setEnabled(applies);
    }
}

void CtrlsOperand::DoCbrClicked(int32_t IndexChk) {
    const int32_t partner = IndexChk != 0 ? 0 : 1;
    UntickPartnerOf(m_panel.chkCbr[IndexChk], m_panel.chkCbr[partner]);
}

int32_t CtrlsOperand::CbrValue() const {
    const auto& pair = m_panel.chkCbr;
    if (!pair[0]->isEnabledTo(pair[0]->window())) {
        return Cbr::None;
    }
    if (IsTicked(pair[0])) {
        return CaptionCode(pair[0]);
    }
    if (IsTicked(pair[1])) {
        return CaptionCode(pair[1]);
    }
    return Cbr::None;
}

std::shared_ptr<CQuestionData> CtrlsOperand::QuestionData() const {
    auto qd = std::make_shared<CQuestionData>();
    qd->AddLimit(LimitFromBoxes(0));
    for (int32_t i = 1; i < m_iOperandCount; ++i) {
        qd->AddOperator(OperatorsNoGap(i - 1));
        qd->AddLimit(LimitFromBoxes(i));
    }
    qd->SetResultLimit(LimitFromBoxes(ResultFrame));
    qd->SetCbr(CbrValue());
    qd->SetParenthesesChoice(m_panel.cboParentheses->currentData().toInt());
    CQuestionRules rules;
    for (size_t k = 0; k < RuleCaptions.size(); ++k) {
        rules.*RuleCaptions[k].rule = m_panel.chkRules[k]->isChecked();
    }
    qd->SetRules(rules);
    qd->SetForm(m_form.Form());
    qd->SetDecimalPlaces(m_places.Places(m_iOperandCount));
    qd->SetFractions(m_places.Fractions());
    return qd;
}

void CtrlsOperand::ShowQuestionData(const CQuestionData& qd) {
    const int32_t count = qd.Limits().Count();
    if (count < CQuestionData::MinOperandCount || count > CQuestionData::MaxOperandCount) {
        return;
    }
    // The boxes take the places first, so that they show the ranges in them.
    m_places.ShowPlaces(qd.DecimalPlaces(), qd.Fractions(), count);
    for (int32_t i = 0; i < count; ++i) {
        if (const auto& limit = qd.Limits().Item(i + 1)) {
            ShowLimit(i, *limit);
        }
    }
    ShowGap(0, qd.Operator1(), true);
    ShowGap(1, qd.Operator2(), count > 2);
    ShowGap(2, qd.Operator3(), count > 2);
    if (qd.ResultLimit()) {
        ShowLimit(ResultFrame, *qd.ResultLimit());
    }
    ShowCbrPair(qd.Cbr());
    SetOperandCount(count);
    ShowParentheses(qd.ParenthesesChoice());
    for (size_t k = 0; k < RuleCaptions.size(); ++k) {
        m_panel.chkRules[k]->setChecked(qd.Rules().*RuleCaptions[k].rule);
    }
    m_form.ShowForm(qd.Form());
}

std::shared_ptr<CValueLimit> CtrlsOperand::LimitFromBoxes(int32_t indexOperand) const {
    auto limit = std::make_shared<CValueLimit>();
    limit->SetLowerLimit(m_panel.txtLimits[2 * indexOperand]->Value());
    limit->SetUpperLimit(m_panel.txtLimits[2 * indexOperand + 1]->Value());
    limit->SetMultipleOf(MultipleOfs(indexOperand));
    return limit;
}

// Ticking one box of a "整十数" / "整百数" pair unticks the other through the
// pair's own handling.
void CtrlsOperand::ShowLimit(int32_t indexOperand, const CValueLimit& limit) {
    m_panel.txtLimits[2 * indexOperand]->SetValue(limit.LowerLimit());
    m_panel.txtLimits[2 * indexOperand + 1]->SetValue(limit.UpperLimit());
    QCheckBox* tens = m_panel.chkMultipleOfs[2 * indexOperand];
    QCheckBox* hundreds = m_panel.chkMultipleOfs[2 * indexOperand + 1];
    if (limit.MultipleOf() == 10) {
        tens->setChecked(true);
    } else if (limit.MultipleOf() == 100) {
        hundreds->setChecked(true);
    } else {
        tens->setChecked(false);
        hundreds->setChecked(false);
    }
}

void CtrlsOperand::ShowGap(int32_t indexGap, const std::u16string& pattern, bool untickOthers) {
    const std::u16string allowed = AllowedOperators(pattern);
    for (int32_t p = 0; p < 4; ++p) {
        QCheckBox* box = m_panel.chkOperators[4 * indexGap + p];
        const bool isAllowed = allowed.find(box->text().toStdU16String()) != std::u16string::npos;
        if (isAllowed || untickOthers) {
            box->setChecked(isAllowed);
        }
    }
}

void CtrlsOperand::ShowCbrPair(int32_t iCbr) {
    const auto& pair = m_panel.chkCbr;
    if (iCbr == Cbr::Carry || iCbr == Cbr::NoCarry) {
        SetCaptions(pair, u"有进位", u"无进位");
    } else if (iCbr == Cbr::Borrow || iCbr == Cbr::NoBorrow) {
        SetCaptions(pair, u"有借位", u"无借位");
    } else if (iCbr == Cbr::Remainder || iCbr == Cbr::NoRemainder) {
        SetCaptions(pair, u"有余数", u"无余数");
    }
    pair[0]->setChecked(iCbr == Cbr::Carry || iCbr == Cbr::Borrow || iCbr == Cbr::Remainder);
    pair[1]->setChecked(iCbr == Cbr::NoCarry || iCbr == Cbr::NoBorrow || iCbr == Cbr::NoRemainder);
}

// A gap shown without any operator would make the next Create fail; it starts
// with the operators of gap 1 instead. A gap that has ticks keeps them.
void CtrlsOperand::TickLikeFirstGapWhenEmpty(int32_t indexGap) const {
    if (!Operators(indexGap).empty()) {
        return;
    }
    for (int p = 0; p < 4; ++p) {
        m_panel.chkOperators[4 * indexGap + p]->setChecked(IsTicked(m_panel.chkOperators[p]));
    }
}

void CtrlsOperand::UntickPartnerOf(QCheckBox* clicked, QCheckBox* partner) {
    if (IsTicked(clicked) && IsTicked(partner)) {
        partner->setChecked(false);
    }
}

// Two operands have no place for parentheses; a choice the new count also
// has stays chosen.
void CtrlsOperand::ListParentheses(int32_t operandCount) {
    QComboBox* box = m_panel.cboParentheses;
    const int32_t kept = box->currentData().toInt();
    box->clear();
    box->addItem(QString::fromUtf16(u"无"), CQuestionData::NoParentheses);
    const auto positions = static_cast<int32_t>(ParenthesesPositions(operandCount).size());
    if (positions > 0) {
        box->addItem(QString::fromUtf16(u"随机"), CQuestionData::RandomParentheses);
    }
    for (int32_t choice = 1; choice <= positions; ++choice) {
        box->addItem(QString::fromStdU16String(ParenthesesCaption(operandCount, choice)), choice);
    }
    box->setEnabled(positions > 0);
    ShowParentheses(kept);
}

void CtrlsOperand::ShowParentheses(int32_t choice) {
    QComboBox* box = m_panel.cboParentheses;
    box->setCurrentIndex(std::max(box->findData(choice), 0));
}

} // namespace kelvo
