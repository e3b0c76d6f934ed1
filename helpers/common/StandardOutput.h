#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

// The helpers' answer to their caller: one line per saved thumbnail on standard
// output, written whole and flushed at once, so that the waiting client sees it as soon
// as the file exists and never reads half a line. The line names the thumbnail by its
// key, or by its path when the key is empty: alone (the web helper), or in brackets
// followed by the numbers the helper found, each in brackets too (the file helpers).
// Lines are in the locale's encoding, which the client reads them in.
class StandardOutput : public QObject
{
    Q_OBJECT

public:
    enum Form { NameAlone, Fields };

    explicit StandardOutput(Form form, QObject* parent = nullptr);

    // "(name)(number)(number)…" and a line feed.
    static QByteArray fieldsLine(const QString& name, const QList<qint64>& numbers);
    // The name of a thumbnail's line: its key, else its path.
    static QString lineName(const QString& key, const QString& path) { return key.isEmpty() ? path : key; }
    // Writes a whole line (its line feed included) in one piece and flushes it.
    static void write(const QByteArray& line);

public slots:
    // In the Fields form, `data` holds the line's numbers as a list; the NameAlone form
    // does not use it.
    void onThumbCreated(const QString& key, const QString& path, const QVariant& data);
    void onFinished();

signals:
    void finished();

private:
    const Form form;
};
