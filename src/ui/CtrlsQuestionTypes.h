#pragma once

#include "question/CPreCreatedQuestions.h"
#include "question/CSavedKinds.h"
#include "store/CKeptDocument.h"

#include <QComboBox>
#include <QString>

#include <memory>

namespace kelvo {

// The question-type list beyond the presets: the kinds saved by name follow
// the presets' entries after a separator, and are kept in a kinds file. The
// presets' entries stay as they are.
class CtrlsQuestionTypes {
public:
    CtrlsQuestionTypes(QComboBox* cboQuestionType, const CPreCreatedQuestions& presets,
                       CKeptDocument kindsFile);

    // The preset or saved kind at a place of the list; none for a separator.
    const CQuestionData* EntryAt(int index) const;

    // Lists the kinds of the kinds file. No file yet is no fault; a message
    // says why a file could not serve, and where it was set aside.
    QString Load();
    // Saves the kind under its title, in place of a kind of that name, and
    // picks it in the list; a message says why not (a preset's name, a full
    // list, a file that cannot or may not be written), and then nothing changed.
    QString Save(std::shared_ptr<const CQuestionData> kind);

private:
    void ShowSavedKinds();

    QComboBox* m_list;
    const CPreCreatedQuestions& m_presets;
    CKeptDocument m_kindsFile;
    CSavedKinds m_savedKinds;
};

} // namespace kelvo
