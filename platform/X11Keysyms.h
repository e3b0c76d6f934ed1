#pragma once

#include <QtGlobal>

// The X keysym of a Qt key without modifiers; 0 when X has none for it.
// Letters map to their lower-case keysym, the one on the key's first level.
quint32 keysymForQtKey(int qtKey);
