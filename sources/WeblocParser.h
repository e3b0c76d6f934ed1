#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

// Reads web-location files (".webloc", ".url", link ".desktop" files) for the items that
// stand for them, one file per turn of the event loop, in the order they were asked for.
class WeblocParser : public QObject
{
    Q_OBJECT

public:
    // One file to read. The caller fills filePath and item; the parser fills url and name.
    struct Data
    {
        QString filePath;
        QString url;
        QString name; // the file's own name for the link, else the URL's host, else "Bookmark"
        QPointer<QObject> item; // the parser never touches it; null once the item is gone
    };

    explicit WeblocParser(QObject* parent = nullptr);
    ~WeblocParser() override;

    // Takes ownership of `data` and queues it; a null record is ignored.
    void start(WeblocParser::Data* data);

    bool aborted() const { return abortedFlag; }
    // Whether a file is being read or waits for its turn.
    bool running() const { return current != nullptr; }

public slots:
    // Forgets every queued file and deletes its record.
    void abort();

signals:
    // The record with url and name filled in; it is deleted when the receiver returns.
    // Files that cannot be read give no signal (a log line says why).
    void parsed(WeblocParser::Data* data);

protected slots:
    void readCurrent();

protected:
    // Ends the current record and makes the next queued one current.
    void ready();

private:
    Data* current = nullptr; // the queue's head while it is read
    Data* emitting = nullptr; // the record out with `parsed`
    QList<Data*> queue;
    QTimer turn;
    bool abortedFlag = false;
};
