#include "HttpRequest.h"

#include "VorendaGlobal.h"

#include <QHostAddress>
#include <QIODevice>
#include <QMetaType>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSslSocket>
#include <QTimer>

namespace {

// The desktop's proxy settings (http_proxy, https_proxy, no_proxy), for this
// request only; a server on this machine is always reached directly.
class SystemProxies : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override
    {
        const QString host = query.peerHostName();
        QHostAddress address;
        if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
            || (address.setAddress(host) && address.isLoopback()))
            return {QNetworkProxy(QNetworkProxy::NoProxy)};
        return systemProxyForQuery(query);
    }
};

} // namespace

HttpRequest::HttpRequest(QObject* parent, const QVariant& sessionData)
    : QObject(parent)
    , manager(new QNetworkAccessManager(this))
    , requestTimer(new QTimer(this))
    , responseTimer(new QTimer(this))
    , sessionData(sessionData)
{
    qRegisterMetaType<HttpRequest*>("HttpRequest*");
    qRegisterMetaType<HttpRequest::Error>("HttpRequest::Error");

    requestTimer->setSingleShot(true);
    responseTimer->setSingleShot(true);
    connect(requestTimer, &QTimer::timeout, this, &HttpRequest::onRequestTimeout);
    connect(responseTimer, &QTimer::timeout, this, &HttpRequest::onResponseTimeout);
}

HttpRequest::~HttpRequest()
{
    // No report from here: receivers would get a half-destroyed object.
    requestTimer->stop();
    responseTimer->stop();
    dropReply();
}

int HttpRequest::start(const QString& host, quint16 port, const QString& proxyHost, quint16 proxyPort,
                       const QString& proxyUser, const QString& proxyPassword, int timeout)
{
    serverHost = host;
    serverPort = port;
    this->proxyHost = proxyHost;
    this->proxyPort = proxyPort;
    this->proxyUser = proxyUser;
    this->proxyPassword = proxyPassword;
    timeoutMs = timeout;
    return send();
}

int HttpRequest::start()
{
    return start(QString(), 0, QString(), 0, QString(), QString(), timeoutMs);
}

void HttpRequest::aimRequest()
{
    QUrl url = request.url();
    if (!serverHost.isEmpty())
        url.setHost(serverHost);
    // The scheme's own port is left unnamed, as a browser leaves it.
    const int schemePort = url.scheme() == QLatin1String("https") ? 443 : 80;
    if (serverPort != 0)
        url.setPort(serverPort == schemePort ? -1 : serverPort);
    request.setUrl(url);
}

void HttpRequest::useProxy()
{
    if (proxyHost.isEmpty())
        manager->setProxyFactory(new SystemProxies);
    else
        manager->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, proxyHost, proxyPort, proxyUser, proxyPassword));
}

int HttpRequest::send()
{
    if (reply) {
        endRequest(Aborted, QStringLiteral("superseded by a new request"));
        // A receiver of that report may have started one already.
        if (reply)
            return requestId;
    }

    error = NoError;
    statusCode = -1;
    errorDetail.clear();
    responseData.clear();
    prepareRequest();
    aimRequest();

    QString problem;
    if (useDevice && !device)
        problem = QStringLiteral("no device for the request body");
    else if (!isWebUrl(request.url()))
        problem = QStringLiteral("not an http or https URL: \"%1\"").arg(request.url().toString());
    if (!problem.isEmpty()) {
        error = InvalidRequest;
        errorDetail = problem;
        VorendaGlobal::addToLog(QStringLiteral("%1: Invalid request, %2")
                                    .arg(QLatin1String(metaObject()->className()), problem));
        emit finished(this, error, sessionData);
        return -1;
    }

    if (request.url().scheme() == QLatin1String("https") && !QSslSocket::supportsSsl()) {
        // OpenSSL is loaded at run time; without it the request fails, and this says why.
        VorendaGlobal::addToLog(QStringLiteral("%1: No TLS library (OpenSSL) could be loaded for \"%2\"")
                                    .arg(QLatin1String(metaObject()->className()), request.url().toString()));
    }
    useProxy();
    // A redirect ends the request like any status other than 200.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (method.compare("GET", Qt::CaseInsensitive) == 0 && body.isEmpty() && !useDevice)
        reply = manager->get(request);
    else if (useDevice)
        reply = manager->sendCustomRequest(request, method, device);
    else
        reply = manager->sendCustomRequest(request, method, body);

    // Bounds what the network layer buffers before onReadyRead takes it.
    reply->setReadBufferSize(qMax<qint64>(maxSize + 1, 4096));
    connect(reply, &QNetworkReply::uploadProgress, this, &HttpRequest::onUploadProgress);
    connect(reply, &QNetworkReply::downloadProgress, this, &HttpRequest::dataReadProgress);
    connect(reply, &QNetworkReply::metaDataChanged, this, &HttpRequest::onMetaDataChanged);
    connect(reply, &QNetworkReply::readyRead, this, &HttpRequest::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &HttpRequest::onReplyFinished);

    requestId = ++lastId;
    runTimer(requestTimer);
    emit started();
    return requestId;
}

void HttpRequest::abort()
{
    requestTimer->stop();
    responseTimer->stop();
    if (reply)
        endRequest(Aborted, QStringLiteral("aborted"));
}

QString HttpRequest::errorText(Error code)
{
    switch (code) {
    case NoError: return QString();
    case Aborted: return tr("The request was cancelled.");
    case InvalidRequest: return tr("The request could not be made.");
    case RequestTimeout: return tr("The server did not answer in time.");
    case ResponseTimeout: return tr("The server's reply did not arrive in time.");
    case TransferFailed: return tr("The server could not be reached or did not deliver the file.");
    case ResponseRefused: return tr("The server's reply could not be read.");
    }
    return QString();
}

bool HttpRequest::isWebUrl(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty()
        && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

void HttpRequest::onUploadProgress(qint64 done, qint64 total)
{
    emit dataSendProgress(done, total);
    if (reply && total > 0 && done >= total) {
        requestTimer->stop();
        startResponseTimer();
    }
}

void HttpRequest::onMetaDataChanged()
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    statusCode = status.toInt();
    if (statusCode != 200) {
        // Refused before any of the body is read.
        endRequest(TransferFailed, QStringLiteral("HTTP status %1").arg(statusCode));
        return;
    }
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > maxSize) {
        endRequest(ResponseRefused, QStringLiteral("reply of %1 bytes is too large").arg(length.toLongLong()));
        return;
    }
    requestTimer->stop();
    startResponseTimer();
}

void HttpRequest::onReadyRead()
{
    responseData += reply->readAll();
    if (responseData.size() > maxSize)
        endRequest(ResponseRefused, QStringLiteral("reply larger than %1 bytes").arg(maxSize));
}

void HttpRequest::onReplyFinished()
{
    if (reply->error() != QNetworkReply::NoError) {
        endRequest(TransferFailed, reply->errorString());
        return;
    }
    if (statusCode == -1)
        statusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (statusCode != 200) {
        endRequest(TransferFailed, QStringLiteral("HTTP status %1").arg(statusCode));
        return;
    }
    responseData += reply->readAll();
    if (responseData.size() > maxSize) {
        endRequest(ResponseRefused, QStringLiteral("reply larger than %1 bytes").arg(maxSize));
        return;
    }

    requestTimer->stop();
    responseTimer->stop();
    dropReply();
    const QByteArray data = responseData;
    responseData.clear();
    const int id = requestId;
    const Error code = parseResponse(data) ? NoError : ResponseRefused;
    // A receiver of the subclass's signals may have started the next request.
    if (requestId == id) {
        error = code;
        errorDetail = code == NoError ? QString() : QStringLiteral("reply refused");
    }
    if (code != NoError)
        VorendaGlobal::addToLog(QStringLiteral("%1: Reply refused").arg(QLatin1String(metaObject()->className())));
    emit finished(this, code, sessionData);
}

void HttpRequest::onRequestTimeout()
{
    if (reply)
        endRequest(RequestTimeout, QStringLiteral("no answer within %1 ms").arg(timeoutMs));
}

void HttpRequest::onResponseTimeout()
{
    if (reply)
        endRequest(ResponseTimeout, QStringLiteral("reply not complete within %1 ms").arg(timeoutMs));
}

void HttpRequest::endRequest(Error code, const QString& detail)
{
    const QString url = reply ? reply->url().toString() : QString();
    requestTimer->stop();
    responseTimer->stop();
    dropReply();
    responseData.clear();
    error = code;
    errorDetail = detail;
    VorendaGlobal::addToLog(QStringLiteral("%1: Request for \"%2\" ended with code %3: %4")
                                .arg(QLatin1String(metaObject()->className()), url)
                                .arg(int(code))
                                .arg(detail));
    emit finished(this, code, sessionData);
}

void HttpRequest::startResponseTimer()
{
    if (!responseTimer->isActive())
        runTimer(responseTimer);
}

void HttpRequest::runTimer(QTimer* timer)
{
    if (timeoutMs > 0)
        timer->start(timeoutMs);
}

void HttpRequest::dropReply()
{
    if (!reply)
        return;
    QNetworkReply* old = reply;
    reply = nullptr;
    old->disconnect(this);
    // Deferred: aborting a reply inside one of its own signals makes it report twice.
    if (old->isRunning())
        QMetaObject::invokeMethod(old, &QNetworkReply::abort, Qt::QueuedConnection);
    old->deleteLater();
}
