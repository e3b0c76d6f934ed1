#include "WebPage.h"

#include "ContainedNetworkAccessManager.h"

#include <QWebFrame>

WebPage::WebPage(QObject* parent)
    : QWebPage(parent)
    , network(new ContainedNetworkAccessManager(this))
{
    setNetworkAccessManager(network);
    setForwardUnsupportedContent(false);
    connect(this, &QWebPage::featurePermissionRequested, this, &WebPage::onFeaturePermissionRequested);
}

void WebPage::restrictTo(const QUrl& pageUrl)
{
    network->restrictTo(pageUrl);
}

bool WebPage::acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type)
{
    // A navigation without a frame asks for a new window: the base decides.
    if (!frame)
        return QWebPage::acceptNavigationRequest(frame, request, type);
    return true;
}

void WebPage::javaScriptAlert(QWebFrame*, const QString&)
{
}

bool WebPage::javaScriptConfirm(QWebFrame*, const QString&)
{
    return false;
}

bool WebPage::javaScriptPrompt(QWebFrame*, const QString&, const QString&, QString*)
{
    return false;
}

void WebPage::javaScriptConsoleMessage(const QString&, int, const QString&)
{
}

QString WebPage::chooseFile(QWebFrame*, const QString&)
{
    return QString();
}

QWebPage* WebPage::createWindow(WebWindowType)
{
    return nullptr;
}

QObject* WebPage::createPlugin(const QString&, const QUrl&, const QStringList&, const QStringList&)
{
    return nullptr;
}

bool WebPage::shouldInterruptJavaScript()
{
    return true;
}

void WebPage::onFeaturePermissionRequested(QWebFrame* frame, Feature feature)
{
    setFeaturePermission(frame, feature, PermissionDeniedByUser);
}
