#pragma once

#include <QString>

// Writes `Vorenda.dat` in the store folder `store` listing the one cabinet `id`, and
// makes the store's Data folder; false when either could not be written.
bool writeStoreListing(const QString& store, const QString& id);
