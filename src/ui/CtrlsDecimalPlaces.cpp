#include "ui/CtrlsDecimalPlaces.h"

#include "widgets/CNumberBox.h"

namespace kelvo {

namespace {

constexpr int ResultFrame = 4;

} // namespace

CtrlsDecimalPlaces::CtrlsDecimalPlaces(const COperandPanel& panel) : m_panel(panel) {
    for (int frame = 0; frame <= ResultFrame; ++frame) {
        QObject::connect(m_panel.cboPlaces[static_cast<size_t>(frame)],
                         &QComboBox::currentIndexChanged, m_panel.cboPlaces[0],
                         [this, frame] { ApplyPlaces(frame); });
    }
}

CDecimalUnits CtrlsDecimalPlaces::Places(int32_t operandCount) const {
    CDecimalUnits places;
    for (int32_t k = 0; k < operandCount && k < ResultFrame; ++k) {
        places.operands[static_cast<size_t>(k)] =
            static_cast<int16_t>(m_panel.cboPlaces[static_cast<size_t>(k)]->currentIndex());
    }
    places.result = static_cast<int16_t>(m_panel.cboPlaces[ResultFrame]->currentIndex());
    return places;
}

void CtrlsDecimalPlaces::ShowPlaces(const CDecimalUnits& places, int32_t operandCount) {
    for (int32_t k = 0; k < ResultFrame; ++k) {
        m_panel.cboPlaces[static_cast<size_t>(k)]->setCurrentIndex(
            k < operandCount ? places.operands[static_cast<size_t>(k)] : 0);
    }
    m_panel.cboPlaces[ResultFrame]->setCurrentIndex(places.result);
}

void CtrlsDecimalPlaces::ApplyPlaces(int frame) {
    const auto index = static_cast<size_t>(frame);
    const int places = m_panel.cboPlaces[index]->currentIndex();
    for (size_t side = 0; side < 2; ++side) {
        m_panel.txtLimits[2 * index + side]->SetPlaces(places);
        QCheckBox* multiple = m_panel.chkMultipleOfs[2 * index + side];
        if (places > 0) {
            multiple->setChecked(false);
        }
        multiple->setEnabled(places == 0);
    }
}

} // namespace kelvo
