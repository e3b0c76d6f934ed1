#pragma once

#include "QuickSearchWidget.h"

#include <QKeySequence>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QCompleter;
class QObject;
class QSettings;

// One search provider of the quick search: its menu entry, its web search address and
// the history of what was searched with it, offered back by its completer.
class QuickSearchWidget::SearchProvider
{
public:
    // Entries kept in a provider's history; the oldest go first.
    static constexpr int historyLimit = 100;

    // The completer is a Qt child of `parent` and offers the history stored under
    // `completerKey` in `settings`.
    SearchProvider(QObject* parent, const QPixmap& icon, const QString& name, const QString& urlTemplate,
                   const QString& completerKey, const QKeySequence& shortcut, QSettings& settings);
    ~SearchProvider();
    SearchProvider(const SearchProvider&) = delete;
    SearchProvider& operator=(const SearchProvider&) = delete;

    // The address that searches for `text` (trimmed and percent-encoded); invalid for
    // the provider of the cabinets' own items, which has no address.
    QUrl searchUrl(const QString& text) const;
    // Adds `text` as typed to the history and stores it; blank texts are not kept.
    void remember(const QString& text, QSettings& settings);
    // The texts searched, oldest first.
    QStringList history() const { return searched; }

    QPixmap icon;
    QString urlTemplate;
    QString name;
    QString completerKey;
    QCompleter* completer = nullptr;
    QKeySequence shortcut;

private:
    void offerHistory();

    QStringList searched;
};
