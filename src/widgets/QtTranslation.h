#pragma once

#include <QTranslator>

namespace kelvo {

// Loads Qt's own texts (message-box buttons, the text boxes' context menu,
// the command-line help) in Simplified Chinese from the translations
// installed with Qt; false when they are not installed, and Qt speaks English.
bool LoadQtTranslation(QTranslator& translator);

} // namespace kelvo
