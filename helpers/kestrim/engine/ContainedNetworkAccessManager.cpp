#include "ContainedNetworkAccessManager.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkRequest>

ContainedNetworkAccessManager::ContainedNetworkAccessManager(QObject* parent)
    : QNetworkAccessManager(parent)
{
}

void ContainedNetworkAccessManager::restrictTo(const QUrl& pageUrl)
{
    localFolder.clear();
    if (pageUrl.isLocalFile()) {
        const QString folder = QFileInfo(pageUrl.toLocalFile()).absoluteDir().canonicalPath();
        if (!folder.isEmpty())
            localFolder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    }
}

bool ContainedNetworkAccessManager::allows(Operation operation, const QUrl& url) const
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("data"))
        return true;
    if (scheme != QLatin1String("file") || localFolder.isEmpty())
        return false;
    if (operation != GetOperation && operation != HeadOperation)
        return false;
    // Links are resolved first, so none leads out of the folder.
    const QString path = QFileInfo(url.toLocalFile()).canonicalFilePath();
    return !path.isEmpty() && path.startsWith(localFolder);
}

QNetworkReply* ContainedNetworkAccessManager::createRequest(Operation operation, const QNetworkRequest& request,
                                                            QIODevice* outgoingData)
{
    if (allows(operation, request.url()))
        return QNetworkAccessManager::createRequest(operation, request, outgoingData);
    // A scheme no backend knows fails the request on its own, asynchronously.
    return QNetworkAccessManager::createRequest(GetOperation, QNetworkRequest(QUrl(QStringLiteral("refused:"))),
                                                nullptr);
}
