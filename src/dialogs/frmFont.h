#pragma once

#include "widgets/ErrorBoundary.h"

#include <QDialog>
#include <QFont>
#include <QString>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QSpinBox;

namespace kelvo {

// What the font dialog shows and returns.
struct CFontChoice {
    QString strName;
    int32_t iSize = 0;   // whole points
    int32_t iWeight = 0; // 400 normal, 700 bold
    bool bItalic = false;
    bool bUnderline = false;
    bool bStrikethru = false;
    int32_t iColor = 0; // red in the low byte
};

// The font of a choice; a weight of 0 (no preference) is normal.
QFont ChoiceFont(const CFontChoice& choice);

// The font dialog: installed faces only, sizes 6 to 72, weight, the three effects and
// the text colour, with a sample of the choice and, for a face whose digits and spaces
// differ in width, a note that the worksheet's columns will not line up in it.
class frmFont : public QDialog {
public:
    static constexpr int32_t kSmallestSize = 6;
    static constexpr int32_t kLargestSize = 72;

    explicit frmFont(QWidget* pOwner);

    // A face that is not installed shows as the face the system would use instead; a
    // weight or colour the lists do not hold is kept until the user picks another.
    void SetChoice(const CFontChoice& choice);
    CFontChoice Choice() const;

private:
    void AddWeights();
    void AddColors();
    void SelectWeight(int32_t iWeight);
    void SelectColor(int32_t iColor);
    void UpdateSample();

    QFontComboBox* cboFontName;
    QComboBox* cboFontWeight;
    QSpinBox* spnFontSize;
    QCheckBox* chkItalic;
    QCheckBox* chkUnderline;
    QCheckBox* chkStrikethru;
    QComboBox* cboColor;
    QLabel* lblSample;
    QLabel* lblPitchNote;
    int32_t m_iWeight = 0;
    CErrorBoundary m_errors;
};

} // namespace kelvo
