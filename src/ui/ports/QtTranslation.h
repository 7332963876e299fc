#pragma once

#include "core/base/Language.h"

class QTranslator;

// Qt's own words (the buttons of the standard boxes: Yes, No, OK, Cancel...) in the program's
// language, from Qt's translation catalogue. English needs none.
namespace QtTranslation {
// Installs the Spanish catalogue into the application unless the language is English; the translator
// belongs to the application. Null when English or when the catalogue is not installed.
QTranslator* install(const Language& language);
} // namespace QtTranslation
