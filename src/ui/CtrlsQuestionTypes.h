#pragma once

#include "question/CPreCreatedQuestions.h"
#include "question/CSavedKinds.h"
#include "store/CKeptDocument.h"

#include <QComboBox>
#include <QString>

#include <memory>

namespace kelvo {

// The question-type list beyond the presets. The term list before it picks
// the group of entries: "经典题型", the presets as they always stood (the main
// window lists them at start-up), or a school term, the custom entry and the
// term's units. The kinds saved by name follow the group's entries after a
// separator, and are kept in a kinds file. Separators cannot be picked.
class CtrlsQuestionTypes {
public:
    CtrlsQuestionTypes(QComboBox* cboPresetTerm, QComboBox* cboQuestionType,
                       const CPreCreatedQuestions& presets, CKeptDocument kindsFile);

    // The preset, unit or saved kind at a place of the list; none for a
    // separator.
    const CQuestionData* EntryAt(int index) const;

    // Lists the kinds of the kinds file. No file yet is no fault; a message
    // says why a file could not serve, and where it was set aside.
    QString Load();
    // Saves the kind under its title, in place of a kind of that name, and
    // picks it in the list; a message says why not (a preset's name, a full
    // list, a file that cannot or may not be written), and then nothing changed.
    QString Save(std::shared_ptr<const CQuestionData> kind);

private:
    // Lists the entries of a group in place of the shown ones; the panel
    // keeps its kind until an entry is picked.
    void ShowGroup(int group);
    // The entries of the shown group, before the saved kinds.
    int EntryCount() const;
    void ShowSavedKinds();
    void DisableSeparators();

    QComboBox* m_terms;
    QComboBox* m_list;
    const CPreCreatedQuestions& m_presets;
    CKeptDocument m_kindsFile;
    CSavedKinds m_savedKinds;
};

} // namespace kelvo
