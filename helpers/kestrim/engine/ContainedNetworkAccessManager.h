#pragma once

#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>

// The network access of one page. Web pages reach the web only: http, https and
// data. A local page may also show files from its own folder and below, for
// reading only; every other local file and every other scheme is refused, so
// untrusted content never sees the user's files.
class ContainedNetworkAccessManager : public QNetworkAccessManager
{
    Q_OBJECT

public:
    // Allows the web only until restrictTo() names the page.
    explicit ContainedNetworkAccessManager(QObject* parent = nullptr);

    void restrictTo(const QUrl& pageUrl);

    bool allows(Operation operation, const QUrl& url) const;

protected:
    QNetworkReply* createRequest(Operation operation, const QNetworkRequest& request,
                                 QIODevice* outgoingData) override;

private:
    QString localFolder;  // canonical folder of a local page, ending with '/'; empty for web pages
};
