#pragma once

class QTranslator;

namespace app {

// Loads the designer's Chinese translation, built into the program, into
// a translator; false when it is missing.
bool LoadDesignerTranslation(QTranslator& translator);

} // namespace app
