#include "ui/CtrlsDecimalPlaces.h"

#include "widgets/CNumberBox.h"
namespace kelvo {

namespace {

constexpr int ResultFrame = 4;
// The entries after the places: a proper and an improper fraction for an
// operand, a fraction and a mixed number for the result.
constexpr int FirstFractionEntry = MaxDecimalPlaces + 1;

int PlacesOf(int entry) {
    return entry < FirstFractionEntry ? entry : 0;
}

} // namespace

CtrlsDecimalPlaces::CtrlsDecimalPlaces(const COperandPanel& panel) : m_panel(panel) {
    for (size_t frame = 0; frame < m_captions.size(); ++frame) {
        m_captions.at(frame) = m_panel.fraOperands.at(frame)->title();
    }
    for (int frame = 0; frame <= ResultFrame; ++frame) {
        QObject::connect(m_panel.cboPlaces[static_cast<size_t>(frame)],
                         &QComboBox::currentIndexChanged, m_panel.cboPlaces[0],
                         [this, frame] { ApplyPlaces(frame); });
    }
}

CDecimalUnits CtrlsDecimalPlaces::Places(int32_t operandCount) const {
    CDecimalUnits places;
    for (int32_t k = 0; k < operandCount && k < ResultFrame; ++k) {
        places.operands[static_cast<size_t>(k)] = static_cast<int16_t>(
            PlacesOf(m_panel.cboPlaces[static_cast<size_t>(k)]->currentIndex()));
    }
    places.result = static_cast<int16_t>(PlacesOf(m_panel.cboPlaces[ResultFrame]->currentIndex()));
    return places;
}

CFractionShape CtrlsDecimalPlaces::Fractions() const {
    CFractionShape shape;
    for (size_t k = 0; k < shape.operands.size(); ++k) {
        const int entry = m_panel.cboPlaces[k]->currentIndex() - FirstFractionEntry;
        if (entry >= 0) {
            shape.operands.at(k) = entry == 0 ? FractionOperand::Proper : FractionOperand::Improper;
        }
    }
    const int entry = m_panel.cboPlaces[ResultFrame]->currentIndex() - FirstFractionEntry;
    if (entry >= 0) {
        shape.result = entry == 0 ? FractionResult::Fraction : FractionResult::Mixed;
    }
    return shape;
}

void CtrlsDecimalPlaces::ShowPlaces(const CDecimalUnits& places, const CFractionShape& fractions,
                                    int32_t operandCount) {
    for (int32_t k = 0; k < ResultFrame; ++k) {
        const auto index = static_cast<size_t>(k);
        int entry = k < operandCount ? places.operands[index] : 0;
        if (index < fractions.operands.size() &&
            fractions.operands.at(index) != FractionOperand::Whole) {
            entry = FirstFractionEntry +
                    (fractions.operands.at(index) == FractionOperand::Improper ? 1 : 0);
        }
        m_panel.cboPlaces[index]->setCurrentIndex(entry);
    }
    int result = places.result;
    if (fractions.result != FractionResult::Whole) {
        result = FirstFractionEntry + (fractions.result == FractionResult::Mixed ? 1 : 0);
    }
    m_panel.cboPlaces[ResultFrame]->setCurrentIndex(result);
}

// A fraction frame's range boxes hold whole denominators, as its title says.
void CtrlsDecimalPlaces::ApplyPlaces(int frame) {
    const auto index = static_cast<size_t>(frame);
    const int entry = m_panel.cboPlaces[index]->currentIndex();
    const int places = PlacesOf(entry);
    if (index < m_captions.size()) {
        const bool isFraction = entry >= FirstFractionEntry;
        m_panel.fraOperands.at(index)->setTitle(
            isFraction ? m_captions.at(index) + QStringLiteral("的分母") : m_captions.at(index));
    }
    const bool countsInWholes = entry == 0;
    for (size_t side = 0; side < 2; ++side) {
        m_panel.txtLimits[2 * index + side]->SetPlaces(places);
        QCheckBox* multiple = m_panel.chkMultipleOfs[2 * index + side];
        if (!countsInWholes) {
            multiple->setChecked(false);
        }
        multiple->setEnabled(countsInWholes);
    }
}

} // namespace kelvo
