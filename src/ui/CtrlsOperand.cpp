#include "ui/CtrlsOperand.h"

#include "generation/TemplateExpansion.h"
#include "number/OperatorCodes.h"

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
    : m_panel(panel), m_resultFrameHome(panel.fraOperands[ResultFrame]->x()),
      m_equalHome(panel.lblEqual->x()) {}

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
        if (k > 0) {
            m_panel.fraOperators[k - 1]->show();
        }
    }
    for (int32_t k = n; k < m_iOperandCount; ++k) {
        m_panel.fraOperands[k]->hide();
        m_panel.fraOperators[k - 1]->hide();
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

TemplateList CtrlsOperand::Expressions(std::u16string& strErrorInfo) const {
    const int32_t cbrCode = TemplateCbrCode();
    OperandList operands;
    for (int32_t i = 0; i < m_iOperandCount; ++i) {
        auto operand = OperandFromBoxes(i);
        if (i == 1 && cbrCode != Cbr::None) {
            operand->SetCbrSetting(cbrCode);
        }
        operands.push_back(std::move(operand));
    }
    TemplateList templates;
    for (OperandList& sequence : ExpandTemplates(operands, AllOperators(), strErrorInfo)) {
        auto expression = std::make_shared<CExpression>();
        expression->Init(std::move(sequence), ResultOperand());
        templates.push_back(std::move(expression));
    }
    return templates;
}

std::shared_ptr<COperand> CtrlsOperand::ResultOperand() const {
    return OperandFromBoxes(ResultFrame);
}

// "从" above its "到" is no error: the two are exchanged for the template.
std::shared_ptr<COperand> CtrlsOperand::OperandFromBoxes(int32_t indexOperand) const {
    int32_t lower = m_panel.txtLimits[2 * indexOperand]->Value();
    int32_t upper = m_panel.txtLimits[2 * indexOperand + 1]->Value();
    if (upper < lower) {
        std::swap(lower, upper);
    }
    auto operand = std::make_shared<COperand>();
    operand->InitLimits(lower, upper, MultipleOfs(indexOperand));
    return operand;
}

int32_t CtrlsOperand::TemplateCbrCode() const {
    if (m_iOperandCount != 2) {
        return Cbr::None;
    }
    const auto& pair = m_panel.chkCbr;
    if (IsTicked(pair[0])) {
        return CaptionCode(pair[0]);
    }
    if (IsTicked(pair[1])) {
        return CaptionCode(pair[1]);
    }
    return Cbr::None;
}

void CtrlsOperand::UntickPartnerOf(QCheckBox* clicked, QCheckBox* partner) {
    if (IsTicked(clicked) && IsTicked(partner)) {
        partner->setChecked(false);
    }
}

} // namespace kelvo
