#include "WeblocParser.h"

#include "WebLocationFile.h"

#include <QUrl>

WeblocParser::WeblocParser(QObject* parent) : QObject(parent)
{
    turn.setSingleShot(true);
    turn.setInterval(0);
    connect(&turn, &QTimer::timeout, this, &WeblocParser::readCurrent);
}

WeblocParser::~WeblocParser()
{
    abort();
    // Deleted by a receiver of `parsed`: the record that is out goes too.
    delete emitting;
}

void WeblocParser::start(WeblocParser::Data* data)
{
    if (!data)
        return;
    queue.append(data);
    if (!running()) {
        abortedFlag = false;
        ready();
    }
}

void WeblocParser::abort()
{
    turn.stop();
    abortedFlag = true;
    current = nullptr;
    // The record out with `parsed` stays valid until its receivers return.
    for (Data* data : qAsConst(queue)) {
        if (data != emitting)
            delete data;
    }
    queue.clear();
}

void WeblocParser::ready()
{
    if (current) {
        queue.removeOne(current);
        delete current;
        current = nullptr;
    }
    if (!abortedFlag && !queue.isEmpty()) {
        current = queue.first();
        turn.start();
    }
}

void WeblocParser::readCurrent()
{
    if (!current || abortedFlag)
        return;
    Data* record = current;
    WebLocationFile file;
    if (!file.read(record->filePath)) {
        qWarning("WeblocParser: %s not read: %s", qPrintable(record->filePath), qPrintable(file.error()));
        ready();
        return;
    }
    if (file.url().isEmpty())
        qWarning("WeblocParser: %s holds no web address: %s", qPrintable(record->filePath), qPrintable(file.error()));
    record->url = file.url();
    record->name = file.name();
    if (record->name.isEmpty())
        record->name = QUrl(record->url).host();
    if (record->name.isEmpty())
        record->name = tr("Bookmark");

    const QPointer<WeblocParser> alive(this);
    emitting = record;
    emit parsed(record);
    if (!alive)
        return;
    emitting = nullptr;
    if (current == record) {
        ready();
    } else {
        // A receiver aborted: the record was let go and a new start may already run.
        delete record;
    }
}
