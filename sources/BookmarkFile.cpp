#include "BookmarkFile.h"

#include "ChromiumBookmarks.h"
#include "FirefoxBookmarks.h"
#include "PlistBookmarks.h"
#include "RegularFile.h"

#include <QFile>

namespace {

const QByteArray SQLITE_HEADER("SQLite format 3\0", 16);

} // namespace

std::optional<BookmarkNode> BookmarkFile::read(const QString& path, QString* error, BookmarkBudget& budget)
{
    QFile file(path);
    if (!openRegularFile(file)) {
        *error = QStringLiteral("not a readable regular file");
        return std::nullopt;
    }
    if (file.read(SQLITE_HEADER.size()) == SQLITE_HEADER)
        return FirefoxBookmarks::read(path, error, budget);
    file.close();

    QByteArray contents;
    if (!readRegularFile(path, MAX_BYTES, contents, error))
        return std::nullopt;
    if (contents.trimmed().startsWith('{'))
        return ChromiumBookmarks::read(contents, error, budget);
    return PlistBookmarks::read(contents, error, budget);
}
