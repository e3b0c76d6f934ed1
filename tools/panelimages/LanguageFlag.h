#pragma once

#include <QImage>

namespace LanguageFlag {

// Small flags for the language list, 16 x 11 pixels on a transparent ground:
// the United Kingdom's for English, Spain's for Spanish, Germany's for German.
QImage english();
QImage spanish();
QImage german();

} // namespace LanguageFlag
