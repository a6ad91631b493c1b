#include "question/CQuestionData.h"

#include "foundation/SettingsFile.h"

namespace kelvo {

namespace {

void ReadLimit(CSettingsReader& file, CValueLimit& limit) {
    limit.SetLowerLimit(file.ReadNumber());
    limit.SetUpperLimit(file.ReadNumber());
    limit.SetMultipleOf(file.ReadNumber());
}

void WriteLimit(CSettingsWriter& file, const CValueLimit& limit) {
    file.WriteNumber(limit.LowerLimit());
    file.WriteNumber(limit.UpperLimit());
    file.WriteNumber(limit.MultipleOf());
}

} // namespace

std::shared_ptr<CValueLimit> CQuestionData::LimitAt(int32_t index) const {
    return index <= m_limits.Count() ? m_limits.Item(index) : nullptr;
}

std::u16string CQuestionData::OperatorAt(int32_t index) const {
    return index <= m_operators.Count() ? m_operators.Item(index) : std::u16string();
}

bool CQuestionData::Load(CSettingsReader& file) {
    try {
        m_title = file.ReadText();
        const int32_t count = file.ReadNumber();
        if (count < MinOperandCount || count > MaxOperandCount) {
            return false;
        }
        m_limits.Clear();
        m_operators.Clear();
        for (int32_t i = 1; i <= count; ++i) {
            AddLimit(std::make_shared<CValueLimit>());
        }
        m_resultLimit = std::make_shared<CValueLimit>();

        ReadLimit(file, *m_limits.Item(1));
        for (int32_t k = 2; k <= count; ++k) {
            AddOperator(file.ReadText());
            ReadLimit(file, *m_limits.Item(k));
        }
        ReadLimit(file, *m_resultLimit);
        m_cbr = file.ReadNumber();
        return true;
    } catch (const CSettingsFileError&) {
        return false;
    }
}

bool CQuestionData::Save(CSettingsWriter& file) const {
    const int32_t count = m_limits.Count();
    if (count < MinOperandCount || count > MaxOperandCount || !m_resultLimit) {
        return false;
    }
    for (int32_t k = 1; k <= count; ++k) {
        if (!m_limits.Item(k)) {
            return false;
        }
    }
    file.WriteText(m_title);
    file.WriteNumber(count);
    WriteLimit(file, *m_limits.Item(1));
    for (int32_t k = 2; k <= count; ++k) {
        file.WriteText(OperatorAt(k - 1));
        WriteLimit(file, *m_limits.Item(k));
    }
    WriteLimit(file, *m_resultLimit);
    file.WriteNumber(m_cbr);
    return true;
}

} // namespace kelvo
