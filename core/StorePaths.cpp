#include "StorePaths.h"

#include "ShelfStyle.h"
#include "VorendaGlobal.h"

namespace StorePaths {

QString rebased(const QString& path, const QString& from, const QString& to)
{
    if (from.isEmpty() || !path.startsWith(from))
        return path;
    return to + path.mid(from.size());
}

void rebase(ShelfStyle& style, const QString& from, const QString& to)
{
    for (QString* path : {&style.fileName, &style.shelfPattern, &style.cabinetPattern, &style.categoryPattern})
        *path = rebased(*path, from, to);
}

void rebaseGlobals(const QString& from, const QString& to)
{
    for (ShelfStyle& style : VorendaGlobal::shelfStyles)
        rebase(style, from, to);
    rebase(VorendaGlobal::defaultShelfStyle, from, to);
    for (QString& pattern : VorendaGlobal::userPatterns)
        pattern = rebased(pattern, from, to);
}

} // namespace StorePaths
