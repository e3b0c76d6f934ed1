#include "QuickSearchProvider.h"

#include <QCompleter>
#include <QSettings>
#include <QStringListModel>
#include <QUrl>

QuickSearchWidget::SearchProvider::SearchProvider(QObject* parent, const QPixmap& icon, const QString& name,
                                                  const QString& urlTemplate, const QString& completerKey,
                                                  const QKeySequence& shortcut, QSettings& settings)
    : icon(icon)
    , urlTemplate(urlTemplate)
    , name(name)
    , completerKey(completerKey)
    , shortcut(shortcut)
{
    searched = settings.value(completerKey).toStringList();
    if (searched.size() > historyLimit)
        searched = searched.mid(searched.size() - historyLimit);
    completer = new QCompleter(parent);
    completer->setModel(new QStringListModel(completer));
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    completer->setModelSorting(QCompleter::CaseSensitivelySortedModel);
    offerHistory();
}

QuickSearchWidget::SearchProvider::~SearchProvider()
{
    delete completer;
}

QUrl QuickSearchWidget::SearchProvider::searchUrl(const QString& text) const
{
    if (urlTemplate.isEmpty())
        return QUrl();
    // Every character that could end the query or the path ('#', '&', '=', '/', '%')
    // is encoded, so the provider receives the text exactly as typed.
    const QString query = QString::fromLatin1(QUrl::toPercentEncoding(text.trimmed()));
    return QUrl(urlTemplate.arg(query), QUrl::StrictMode);
}

void QuickSearchWidget::SearchProvider::remember(const QString& text, QSettings& settings)
{
    if (text.trimmed().isEmpty())
        return;
    // A text searched again moves to the newest end, so the limit drops what is not used.
    searched.removeAll(text);
    searched.append(text);
    if (searched.size() > historyLimit)
        searched.removeFirst();
    offerHistory();
    settings.setValue(completerKey, searched);
}

void QuickSearchWidget::SearchProvider::offerHistory()
{
    auto* model = static_cast<QStringListModel*>(completer->model());
    model->setStringList(searched);
    model->sort(0, Qt::AscendingOrder);
}
