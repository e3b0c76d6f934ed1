#include "ShelfLog.h"

#include "VorendaGlobal.h"
#include "VorendaShelf.h"

void ShelfLog::write(const VorendaShelf& shelf, const QString& message)
{
    VorendaGlobal::addToLog(QStringLiteral("VorendaShelf (%1): ").arg(shelf.name) + message);
}
