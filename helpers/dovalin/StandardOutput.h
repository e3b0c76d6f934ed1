#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

// Prints one line per saved thumbnail: "(key)(photo)(width)(height)", flushed at once
// so the waiting client sees it as soon as the file exists.
class StandardOutput : public QObject
{
    Q_OBJECT

public:
    explicit StandardOutput(QObject* parent = nullptr);

public slots:
    // `data` holds the address of the job record, which is deleted here.
    void onThumbCreated(QString key, QString path, QVariant data);
    void onFinished(int thumbs);

signals:
    void finished();
};
