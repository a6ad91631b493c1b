#include "widgets/QtTranslation.h"

#include <QLibraryInfo>

namespace kelvo {

bool LoadQtTranslation(QTranslator& translator) {
    return translator.load(QStringLiteral("qtbase_zh_CN"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace kelvo
