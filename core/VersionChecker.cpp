#include "VersionChecker.h"

#include "VorendaGlobal.h"

#include <QXmlStreamReader>

namespace {

// Keeps a link of the reply only when it is an http or https URL, so nothing
// else is ever stored or opened.
QString webUrlOrEmpty(const QString& text, const char* attribute)
{
    if (text.isEmpty() || HttpRequest::isWebUrl(QUrl(text)))
        return text;
    VorendaGlobal::addToLog(QStringLiteral("VersionChecker: Ignoring %1 \"%2\", not an http or https URL")
                                .arg(QLatin1String(attribute), text));
    return QString();
}

} // namespace

VersionChecker::VersionChecker(QObject* parent)
    : HttpRequest(parent, QVariant(QString()))
{
    connect(this, &HttpRequest::finished, this, &VersionChecker::onFinished);
}

int VersionChecker::start(int majorVer, int minorVer, bool silent, const QString& url, quint16 port,
                          const QString& proxyHost, quint16 proxyPort, const QString& proxyUser,
                          const QString& proxyPassword, int timeout)
{
    this->majorVer = majorVer;
    this->minorVer = minorVer;
    this->silent = silent;
    this->url = QUrl(url);
    return HttpRequest::start(this->url.host(), port, proxyHost, proxyPort, proxyUser, proxyPassword, timeout);
}

int VersionChecker::start(int majorVer, int minorVer, bool silent, const QString& url)
{
    return start(majorVer, minorVer, silent, url, 0, QString(), 0, QString(), QString(), timeout());
}

QString VersionChecker::versionText(int majorVer, int minorVer)
{
    minorVer = qMax(minorVer, 0);
    return QStringLiteral("%1.%2.%3")
        .arg(majorVer)
        .arg(minorVer / 100, 2, 10, QLatin1Char('0'))
        .arg(minorVer % 100, 2, 10, QLatin1Char('0'));
}

void VersionChecker::prepareRequest()
{
    method = QByteArrayLiteral("GET");
    body.clear();
    useDevice = false;
    request = QNetworkRequest(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Vorenda/%1").arg(versionText(majorVer, minorVer)));
}

bool VersionChecker::parseResponse(const QByteArray& data)
{
    // From the bytes, so the document's own encoding declaration holds.
    QXmlStreamReader xml(data);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("VersionChecker"))
        return false;
    const QXmlStreamAttributes attributes = xml.attributes();
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        return false;

    const auto text = [&attributes](const char* name) { return attributes.value(QLatin1String(name)).toString(); };
    bool majorOk = false;
    bool minorOk = false;
    const int latestMajor = text("majorVer").toInt(&majorOk, 10);
    const int latestMinor = text("minorVer").toInt(&minorOk, 10);
    const QString vercheckUrl = webUrlOrEmpty(text("vercheckUrl"), "vercheckUrl");

    const bool newer = majorOk && minorOk
        && (latestMajor > majorVer || (latestMajor == majorVer && latestMinor > minorVer));
    if (newer) {
        const bool optional = !attributes.hasAttribute(QLatin1String("optional")) || text("optional") == QLatin1String("1");
        VorendaGlobal::addToLog(QStringLiteral("VersionChecker: Version %1 available")
                                    .arg(versionText(latestMajor, latestMinor)));
        emit newVersion(true, latestMajor, latestMinor, optional, text("whatsNew"), text("releaseDate"),
                        webUrlOrEmpty(text("downloadUrl"), "downloadUrl"),
                        webUrlOrEmpty(text("historyUrl"), "historyUrl"), webUrlOrEmpty(text("infoUrl"), "infoUrl"),
                        vercheckUrl);
    } else if (!silent) {
        emit newVersion(false, 0, 0, false, QString(), QString(), QString(), QString(), QString(), vercheckUrl);
    }
    return true;
}

void VersionChecker::onFinished(HttpRequest* request, HttpRequest::Error error)
{
    Q_UNUSED(request)
    if (!silent && error != NoError && error != Aborted)
        emit checkFailed(error);
}
