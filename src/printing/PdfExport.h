#pragma once

#include <QFont>
#include <QString>

namespace kelvo {

class CInfoReceiver;
class CPageLayout;

// Writes the pages as a PDF file with the font embedded. The file appears only
// when complete: a failure or a cancel (through the receiver, may be nullptr)
// leaves an old file as it was. False then, and strError says why in Chinese.
bool ExportPdf(const CPageLayout& pages, const QFont& font, const QString& strPath,
               CInfoReceiver* receiver, QString& strError);

} // namespace kelvo
