#pragma once

#include "store/PlanFiles.h"

#include <QString>

namespace kelvo {

// One of the program's own files over a run: the last plan, the saved kinds or
// the page options. A file that could not serve at start-up is set aside under
// a new name before anything is written in its place; a file of a newer Kelvo,
// one that could not be set aside, or one that another running Kelvo keeps is
// never written.
class CKeptDocument {
public:
    CKeptDocument(QString strPath, bool isUsedElsewhere);

    const QString& Path() const { return m_strPath; }
    // After the start-up's read gave `fault`: what to add to its message,
    // where the file went; empty when nothing was done.
    QString HandleFault(EReadFault fault);
    // Why the file may not be written; empty when it may.
    const QString& Refusal() const { return m_strRefusal; }

private:
    QString m_strPath;
    QString m_strRefusal;
};

} // namespace kelvo
