#pragma once

#include <QWebPage>

class ContainedNetworkAccessManager;

// A page that never waits for a person: script dialogs are answered at once and
// shown nowhere, no window or file chooser opens, and nothing reaches the console.
class WebPage : public QWebPage
{
    Q_OBJECT

public:
    explicit WebPage(QObject* parent = nullptr);

    // Loads only what contained content of that page may load (see ContainedNetworkAccessManager).
    void restrictTo(const QUrl& pageUrl);

protected:
    bool acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type) override;
    void javaScriptAlert(QWebFrame* frame, const QString& message) override;
    bool javaScriptConfirm(QWebFrame* frame, const QString& message) override;
    bool javaScriptPrompt(QWebFrame* frame, const QString& message, const QString& defaultValue,
                          QString* result) override;
    void javaScriptConsoleMessage(const QString& message, int lineNumber, const QString& sourceId) override;
    QString chooseFile(QWebFrame* frame, const QString& suggestedFile) override;
    QWebPage* createWindow(WebWindowType type) override;
    QObject* createPlugin(const QString& classId, const QUrl& url, const QStringList& names,
                          const QStringList& values) override;

public slots:
    // Asked for before a long script goes on; the page is ended instead.
    bool shouldInterruptJavaScript() override;

private:
    ContainedNetworkAccessManager* network;

    void onFeaturePermissionRequested(QWebFrame* frame, Feature feature);
};
