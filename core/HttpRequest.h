#pragma once

#include <QByteArray>
#include <QNetworkRequest>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariant>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// One HTTP request at a time for a subclass that only builds the request and
// reads the reply body. The base sends it, watches two time-outs, bounds the
// reply's size and reports exactly once, through finished(), how it ended.
class HttpRequest : public QObject
{
    Q_OBJECT

public:
    enum Error {
        NoError = 0,          // the reply was accepted by parseResponse()
        Aborted = 1,          // abort(), or a new start() while one was in flight
        InvalidRequest = 2,   // no usable URL, or useDevice without a device
        RequestTimeout = 3,   // the server did not answer the request in time
        ResponseTimeout = 4,  // the reply's body did not arrive in time
        TransferFailed = 5,   // network or TLS failure, or an HTTP status other than 200
        ResponseRefused = 6   // the body was too large or parseResponse() refused it
    };
    Q_ENUM(Error)

    static constexpr int DefaultTimeout = 30000;
    static constexpr qint64 DefaultMaxResponseSize = 64 * 1024;

    HttpRequest(QObject* parent, const QVariant& sessionData);
    ~HttpRequest() override;

    // Sends the request that prepareRequest() builds, first aborting one still
    // in flight. Returns an id for this request, or -1 when nothing was sent
    // (finished() has then reported InvalidRequest already).
    // The server is `host` at `port`, the prepared URL's own where the host is
    // empty or the port 0. A proxy host given is used as an HTTP proxy, with the
    // user name and password when the proxy asks for them; without one the
    // system's proxy settings hold. Each of the two timers then runs `timeout`
    // ms; 0 or less means no time-out.
    int start(const QString& host, quint16 port, const QString& proxyHost, quint16 proxyPort,
              const QString& proxyUser, const QString& proxyPassword, int timeout);
    // The prepared URL through the system's proxy, with the time-out set.
    int start();

    bool isRunning() const { return reply != nullptr; }
    Error lastError() const { return error; }
    int lastStatusCode() const { return statusCode; }
    // Detail of the last failure for the log, e.g. the network error text.
    QString lastErrorDetail() const { return errorDetail; }

    // Interval in milliseconds of each of the two timers; 0 or less: none.
    int timeout() const { return timeoutMs; }
    void setTimeout(int msec) { timeoutMs = msec; }
    // Replies with a longer body are refused without being parsed.
    qint64 maxResponseSize() const { return maxSize; }
    void setMaxResponseSize(qint64 bytes) { maxSize = bytes; }

    QVariant getSessionData() const { return sessionData; }
    void setSessionData(const QVariant& data) { sessionData = data; }

    // A short sentence for the user about how a request ended.
    static QString errorText(Error code);
    // True for a valid http or https URL with a host: the only kind this class
    // fetches, so no reply can point the program at local files or other schemes.
    static bool isWebUrl(const QUrl& url);

public slots:
    void abort();

signals:
    void started();
    void dataSendProgress(qint64 done, qint64 total);
    void dataReadProgress(qint64 done, qint64 total);
    void finished(HttpRequest* request, HttpRequest::Error error, const QVariant& sessionData);

protected:
    // Fills request (its URL at least) and method, and body or device.
    virtual void prepareRequest() = 0;
    // Reads the whole reply body; true accepts it.
    virtual bool parseResponse(const QByteArray& data) = 0;

    QNetworkAccessManager* manager;
    // Runs until the request is known to be sent: its body uploaded, or the
    // server's status line and headers in (the only sign a GET gives).
    QTimer* requestTimer;
    // Runs from then until the whole body is in; data arriving does not restart
    // it, so a server that trickles cannot keep the request alive.
    QTimer* responseTimer;
    QNetworkRequest request;
    QByteArray method = QByteArrayLiteral("GET");
    QVariant sessionData;
    QByteArray body;
    QIODevice* device = nullptr;
    bool useDevice = false;
    int requestId = -1;
    int statusCode = -1;
    Error error = NoError;
    QString errorDetail;

private slots:
    void onUploadProgress(qint64 done, qint64 total);
    void onMetaDataChanged();
    void onReadyRead();
    void onReplyFinished();
    void onRequestTimeout();
    void onResponseTimeout();

private:
    // Ends the request in flight: stops the timers, drops the reply and
    // reports code. Nothing of that reply reaches this object afterwards.
    void endRequest(Error code, const QString& detail = QString());
    int send();
    // The prepared request aimed at the server given to start().
    void aimRequest();
    void useProxy();
    // Starts one of the timers, unless there is no time-out.
    void runTimer(QTimer* timer);
    void startResponseTimer();
    void dropReply();

    QNetworkReply* reply = nullptr;
    QByteArray responseData;
    int timeoutMs = DefaultTimeout;
    qint64 maxSize = DefaultMaxResponseSize;
    int lastId = 0;
    QString serverHost;
    quint16 serverPort = 0;
    // Empty host: the system's proxy.
    QString proxyHost;
    quint16 proxyPort = 0;
    QString proxyUser;
    QString proxyPassword;
};
