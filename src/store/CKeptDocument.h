#pragma once

#include "store/PlanFiles.h"

#include <QString>

#include <optional>

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
    // The content as one of PlanFiles' readers gives it. A missing file is no
    // fault; for a file that could not serve, strNote says why and where it
    // was set aside (HandleFault).
    template <class T>
    std::optional<T> Read(std::optional<T> (*read)(const QString&, QString&, EReadFault&),
                          QString& strNote) {
        EReadFault fault = EReadFault::None;
        std::optional<T> content = read(m_strPath, strNote, fault);
        if (content || fault == EReadFault::Missing) {
            strNote.clear();
        } else {
            strNote += HandleFault(fault);
        }
        return content;
    }
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
