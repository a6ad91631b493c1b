#include "printing/CWordDocuments.h"

#include "foundation/RuntimeError.h"

namespace kelvo {

CWordDocument& CWordDocuments::Add() {
    return *m_documents.emplace_back(std::make_unique<CWordDocument>());
}

CWordDocument& CWordDocuments::Item(int iIndex) {
    if (iIndex < 1 || iIndex > Count())
        RaiseError(ErrorNumber::SubscriptOutOfRange);
    return *m_documents[static_cast<size_t>(iIndex - 1)];
}

} // namespace kelvo
