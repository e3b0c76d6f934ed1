#pragma once

#include "HttpRequest.h"

#include <QUrl>

// Asks the update server whether a version newer than the running one exists
// and turns its XML reply into newVersion().
class VersionChecker : public HttpRequest
{
    Q_OBJECT

public:
    explicit VersionChecker(QObject* parent = nullptr);

    // Fetches url (http or https) from its host at `port` and compares the
    // reply's version with majorVer.minorVer. The proxy and the time-out are
    // HttpRequest::start's. A silent check reports only a newer version and
    // never a failure. A check still in flight is aborted first. Returns the
    // request id, or -1 when url was refused; the failure is then already
    // reported.
    int start(int majorVer, int minorVer, bool silent, const QString& url, quint16 port, const QString& proxyHost,
              quint16 proxyPort, const QString& proxyUser, const QString& proxyPassword, int timeout);
    // The same at the URL's own port, through the system's proxy, with the
    // time-out set.
    int start(int majorVer, int minorVer, bool silent, const QString& url);

    bool isSilent() const { return silent; }

    // "1.36.07" for major 1, minor 3607.
    static QString versionText(int majorVer, int minorVer);

signals:
    // Emitted for a newer version, and for a non-silent check that found none
    // (newVer false, only vercheckUrl filled). The URLs are empty unless the
    // reply gave an http or https URL.
    void newVersion(bool newVer, int majorVer, int minorVer, bool optional, const QString& whatsNew,
                    const QString& releaseDate, const QString& downloadUrl, const QString& historyUrl,
                    const QString& infoUrl, const QString& vercheckUrl);
    // A non-silent check ended without an answer: transfer failure, time-out,
    // refused URL or unreadable reply. Not emitted when a check is aborted.
    void checkFailed(HttpRequest::Error error);

protected:
    void prepareRequest() override;
    bool parseResponse(const QByteArray& data) override;

private:
    void onFinished(HttpRequest* request, HttpRequest::Error error);

    bool silent = false;
    int majorVer = 0;
    int minorVer = 0;
    QUrl url;
};
