#include "ui/CtrlsQuestionTypes.h"

#include "store/PlanFiles.h"

#include <QSignalBlocker>

namespace kelvo {

CtrlsQuestionTypes::CtrlsQuestionTypes(QComboBox* cboQuestionType,
                                       const CPreCreatedQuestions& presets, CKeptDocument kindsFile)
    : m_list(cboQuestionType), m_presets(presets), m_kindsFile(std::move(kindsFile)) {}

const CQuestionData* CtrlsQuestionTypes::EntryAt(int index) const {
    const int presetCount = m_presets.Questions().Count();
    if (index < 0) {
        return nullptr;
    }
    if (index < presetCount) {
        return m_presets.Item(m_list->itemText(index).toStdU16String()).get();
    }
    const auto saved = static_cast<size_t>(index - presetCount - 1);
    return index > presetCount && saved < m_savedKinds.Kinds().size()
               ? m_savedKinds.Kinds()[saved].get()
               : nullptr;
}

QString CtrlsQuestionTypes::Load() {
    QString strMessage;
    if (auto kinds = m_kindsFile.Read(&ReadKindsFile, strMessage)) {
        m_savedKinds = std::move(*kinds);
    }
    ShowSavedKinds();
    return strMessage;
}

QString CtrlsQuestionTypes::Save(std::shared_ptr<const CQuestionData> kind) {
    const int presetCount = m_presets.Questions().Count();
    const QString strName = QString::fromStdU16String(kind->Title());
    const int same = m_list->findText(strName);
    if (same >= 0 && same < presetCount) {
        return QString::fromUtf16(u"预设题型中已有“%1”，请换一个名称。").arg(strName);
    }
    if (!m_kindsFile.Refusal().isEmpty()) {
        return m_kindsFile.Refusal();
    }
    CSavedKinds kinds = m_savedKinds;
    const size_t place = kinds.Put(std::move(kind));
    if (kinds.Kinds().size() > MaxSavedKinds) {
        return QString::fromUtf16(u"最多能保存 %1 个题型，不能再保存新的题型。").arg(MaxSavedKinds);
    }
    QString strMessage;
    if (!WriteKindsFile(m_kindsFile.Path(), kinds, strMessage)) {
        return strMessage;
    }
    m_savedKinds = std::move(kinds);
    ShowSavedKinds();
    m_list->setCurrentIndex(presetCount + 1 + static_cast<int>(place));
    return {};
}

// After the presets: a separator, then the saved kinds by name. Rebuilding
// the list picks nothing.
void CtrlsQuestionTypes::ShowSavedKinds() {
    const QSignalBlocker blocker(m_list);
    const int presetCount = m_presets.Questions().Count();
    while (m_list->count() > presetCount) {
        m_list->removeItem(presetCount);
    }
    if (m_savedKinds.Kinds().empty()) {
        return;
    }
    m_list->insertSeparator(presetCount);
    for (const auto& kind : m_savedKinds.Kinds()) {
        m_list->addItem(QString::fromStdU16String(kind->Title()));
    }
}

} // namespace kelvo
