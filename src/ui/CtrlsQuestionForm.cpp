#include "ui/CtrlsQuestionForm.h"

#include <algorithm>
#include <array>

namespace kelvo {

namespace {

struct CFormEntry {
    const char16_t* caption;
    QuestionForm form;
};

// "估算" stands for both estimates; the unit box tells them apart.
const std::array<CFormEntry, 5> FormEntries = {{
    {u"计算", QuestionForm::Calculate},
    {u"比大小", QuestionForm::Compare},
    {u"比大小（两边算式）", QuestionForm::CompareQuestions},
    {u"填运算符号", QuestionForm::FillOperator},
    {u"估算", QuestionForm::EstimateTens},
}};
const std::array<CFormEntry, 2> UnitEntries = {{
    {u"估成整十数", QuestionForm::EstimateTens},
    {u"估成整百数", QuestionForm::EstimateHundreds},
}};

bool IsEstimate(QuestionForm form) {
    return EstimateUnit(form) != 0;
}

template <size_t N>
void List(QComboBox* box, const std::array<CFormEntry, N>& entries) {
    for (const CFormEntry& entry : entries) {
        box->addItem(QString::fromUtf16(entry.caption), static_cast<int>(entry.form));
    }
}

QuestionForm Chosen(const QComboBox* box) {
    return static_cast<QuestionForm>(box->currentData().toInt());
}

void Choose(QComboBox* box, QuestionForm form) {
    box->setCurrentIndex(std::max(box->findData(static_cast<int>(form)), 0));
}

} // namespace

CtrlsQuestionForm::CtrlsQuestionForm(QComboBox* cboForm, QComboBox* cboEstimateUnit)
    : m_form(cboForm), m_estimateUnit(cboEstimateUnit) {
    List(m_form, FormEntries);
    List(m_estimateUnit, UnitEntries);
    ShowEstimateUnit();
    QObject::connect(m_form, &QComboBox::currentIndexChanged, m_estimateUnit,
                     [this] { ShowEstimateUnit(); });
}

QuestionForm CtrlsQuestionForm::Form() const {
    return IsEstimate(Chosen(m_form)) ? Chosen(m_estimateUnit) : Chosen(m_form);
}

void CtrlsQuestionForm::ShowForm(QuestionForm form) {
    Choose(m_form, IsEstimate(form) ? QuestionForm::EstimateTens : form);
    if (IsEstimate(form)) {
        Choose(m_estimateUnit, form);
    }
}

void CtrlsQuestionForm::ShowEstimateUnit() {
    m_estimateUnit->setVisible(IsEstimate(Chosen(m_form)));
}

} // namespace kelvo
