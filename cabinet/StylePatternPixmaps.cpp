#include "StylePatternPixmaps.h"

#include "BoundedImageReader.h"
#include "VorendaGlobal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>

namespace {

struct DecodedPattern
{
    QString version;
    QPixmap pixmap;
};

// A few patterns are in use at a time; more than this means old ones are gone.
constexpr int mostPatterns = 32;

QHash<QString, DecodedPattern>& decodedPatterns()
{
    static QHash<QString, DecodedPattern> decoded;
    static const bool cleared = [] {
        // Pictures outlive no application object.
        qAddPostRoutine([] { decodedPatterns().clear(); });
        return true;
    }();
    Q_UNUSED(cleared)
    return decoded;
}

QString versionOf(const QString& path)
{
    if (path.startsWith(QLatin1Char(':')))
        return QStringLiteral("built in");
    const QFileInfo info(path);
    return QStringLiteral("%1 %2").arg(info.lastModified().toMSecsSinceEpoch()).arg(info.size());
}

} // namespace

QPixmap StylePatternPixmaps::pixmap(const QString& path)
{
    if (path.isEmpty())
        return QPixmap();
    QHash<QString, DecodedPattern>& decoded = decodedPatterns();
    const QString version = versionOf(path);
    const auto found = decoded.constFind(path);
    if (found != decoded.constEnd() && found->version == version)
        return found->pixmap;

    QString error;
    const QPixmap pixmap = QPixmap::fromImage(BoundedImageReader::readFile(path, QSize(), &error));
    if (pixmap.isNull())
        VorendaGlobal::addToLog(QStringLiteral("VorendaShelf: Pattern '%1' not read: %2").arg(path, error));
    if (decoded.size() >= mostPatterns)
        decoded.clear();
    decoded.insert(path, DecodedPattern{version, pixmap});
    return pixmap;
}
