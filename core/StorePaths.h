#pragma once

#include <QString>

class ShelfStyle;

// Paths that lie below the store folder and must follow it when it moves.
namespace StorePaths {

// `path` with the folder `from` at its start replaced by `to`; any other path comes
// back unchanged. Both folders end with a separator.
QString rebased(const QString& path, const QString& from, const QString& to);

// The style's file and its three patterns, rebased.
void rebase(ShelfStyle& style, const QString& from, const QString& to);

// The styles on offer, the default style and the user's patterns, rebased.
void rebaseGlobals(const QString& from, const QString& to);

} // namespace StorePaths
