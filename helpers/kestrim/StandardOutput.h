#pragma once

#include <QObject>
#include <QVariant>

// Kestrim's answer to its caller: one line per saved thumbnail, flushed at once.
class StandardOutput : public QObject
{
    Q_OBJECT

public:
    explicit StandardOutput(QObject* parent = nullptr);

public slots:
    // The key, or the thumbnail's path when the key is empty.
    void onThumbCreated(const QString& key, const QString& path, const QVariant& data);
    void onFinished(int thumbs, bool aborted);

signals:
    void finished();
};
