#include "ui/CtrlsQuestionTypes.h"

#include "store/PlanFiles.h"

#include "question/UnitPresets.h"

#include <QSignalBlocker>
#include <QStandardItemModel>

namespace kelvo {

namespace {

const char16_t* const ClassicGroup = u"经典题型";

} // namespace

CtrlsQuestionTypes::CtrlsQuestionTypes(QComboBox* cboPresetTerm, QComboBox* cboQuestionType,
                                       const CPreCreatedQuestions& presets, CKeptDocument kindsFile)
    : m_terms(cboPresetTerm), m_list(cboQuestionType), m_presets(presets),
      m_kindsFile(std::move(kindsFile)) {
    m_terms->addItem(QString::fromUtf16(ClassicGroup));
    for (const PresetTerm& term : PresetTerms()) {
        m_terms->addItem(QString::fromUtf16(term.name));
    }
    QObject::connect(m_terms, &QComboBox::currentIndexChanged, m_list,
                     [this](int group) { ShowGroup(group); });
}

const CQuestionData* CtrlsQuestionTypes::EntryAt(int index) const {
    if (index < 0) {
        return nullptr;
    }
    const int entries = EntryCount();
    if (index < entries) {
        return m_presets.Item(m_list->itemText(index).toStdU16String()).get();
    }
    const auto saved = static_cast<size_t>(index - entries - 1);
    return index > entries && saved < m_savedKinds.Kinds().size()
               ? m_savedKinds.Kinds()[saved].get()
               : nullptr;
}

QString CtrlsQuestionTypes::Load() {
    QString strMessage;
    if (auto kinds = m_kindsFile.Read(&ReadKindsFile, strMessage)) {
        m_savedKinds = std::move(*kinds);
    }
    DisableSeparators();
    ShowSavedKinds();
    return strMessage;
}

QString CtrlsQuestionTypes::Save(std::shared_ptr<const CQuestionData> kind) {
    const QString strName = QString::fromStdU16String(kind->Title());
    const int same = m_list->findText(strName);
    if (m_presets.Item(kind->Title()) || (same >= 0 && same < EntryCount())) {
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
    m_list->setCurrentIndex(EntryCount() + 1 + static_cast<int>(place));
    return {};
}

int CtrlsQuestionTypes::EntryCount() const {
    const int group = m_terms->currentIndex();
    return group <= 0 ? m_presets.Questions().Count()
                      : 1 + static_cast<int>(
                                PresetTerms()[static_cast<size_t>(group - 1)].unitTitles.size());
}

void CtrlsQuestionTypes::ShowGroup(int group) {
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    const CObjectArray<CQuestionData>& classic = m_presets.Questions();
    if (group <= 0) {
        for (int32_t k = 1; k <= classic.Count(); ++k) {
            m_list->addItem(QString::fromStdU16String(classic.Item(k)->Title()));
        }
    } else {
        m_list->addItem(QString::fromStdU16String(classic.Item(1)->Title()));
        for (const char16_t* title : PresetTerms()[static_cast<size_t>(group - 1)].unitTitles) {
            m_list->addItem(QString::fromUtf16(title));
        }
    }
    DisableSeparators();
    ShowSavedKinds();
}

// After the group's entries: a separator, then the saved kinds by name.
// Rebuilding the list picks nothing.
void CtrlsQuestionTypes::ShowSavedKinds() {
    const QSignalBlocker blocker(m_list);
    const int entries = EntryCount();
    while (m_list->count() > entries) {
        m_list->removeItem(entries);
    }
    if (m_savedKinds.Kinds().empty()) {
        return;
    }
    m_list->insertSeparator(entries);
    for (const auto& kind : m_savedKinds.Kinds()) {
        m_list->addItem(QString::fromStdU16String(kind->Title()));
    }
}

// The group headings of the classic list stay in their places, where they
// cannot be picked.
void CtrlsQuestionTypes::DisableSeparators() {
    auto* items = qobject_cast<QStandardItemModel*>(m_list->model());
    const int entries = EntryCount();
    for (int k = 0; k < entries; ++k) {
        if (EntryAt(k) == nullptr) {
            items->item(k)->setEnabled(false);
        }
    }
}

} // namespace kelvo
