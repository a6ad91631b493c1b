#pragma once

#include "generation/QuestionForm.h"

#include <QComboBox>

namespace kelvo {

// The "题型" boxes beside the kind: how its questions are asked, and for
// "估算" whether to round to tens or hundreds, a box shown only then.
class CtrlsQuestionForm {
public:
    CtrlsQuestionForm(QComboBox* cboForm, QComboBox* cboEstimateUnit);
    // The boxes call back into this object.
    CtrlsQuestionForm(const CtrlsQuestionForm&) = delete;
    CtrlsQuestionForm& operator=(const CtrlsQuestionForm&) = delete;

    QuestionForm Form() const;
    void ShowForm(QuestionForm form);

private:
    void ShowEstimateUnit();

    QComboBox* m_form;
    QComboBox* m_estimateUnit;
};

} // namespace kelvo
