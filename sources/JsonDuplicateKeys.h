#pragma once

#include <QByteArray>

// True when an object of the JSON text names one key twice (told after the escapes
// are undone), anywhere before the text ends or stops being JSON. Qt's JSON parser keeps
// the last value of such a key and never frees an array or object it replaced, so a
// file from outside is checked before it is parsed.
bool jsonHasDuplicateKey(const QByteArray& json);
