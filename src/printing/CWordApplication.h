#pragma once

#include "printing/CWordDocuments.h"
#include "printing/WordProcessorHost.h"

#include <QString>

#include <memory>

namespace kelvo {

// The word processor as an automation object: documents are filled here and handed to
// the program when the application is made visible. Each document is written as a Rich
// Text Format file into the user's temporary folder and opened there; from then on the
// word processor owns it, and releasing this object closes nothing.
class CWordApplication {
public:
    CWordApplication(QString strProgram, CWordProcessorHost host);

    CWordDocuments& Documents() { return m_documents; }
    // The document added last; nullptr before the first.
    CWordDocument* ActiveDocument();
    bool Visible() const { return m_bVisible; }
    // True hands every document not yet shown to the word processor. A document that
    // cannot be written or opened is skipped.
    void SetVisible(bool bVisible);

private:
    QString m_strProgram;
    CWordProcessorHost m_host;
    CWordDocuments m_documents;
    int m_iShownCount = 0;
    bool m_bVisible = false;
};

// The application registered under strProgId ("word.Application", "wps.Application");
// nullptr when that word processor is not installed.
std::unique_ptr<CWordApplication> CreateWordApplication(const QString& strProgId,
                                                        const CWordProcessorHost& host);

} // namespace kelvo
