#pragma once

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <QVariant>

// Makes the thumbnails of one job, one picture at a time in job order: each picture is
// measured, decoded at the size it will have, framed white when it has the proportions
// of a photo and saved into the output folder.
class DovalinnailCreator : public QObject
{
    Q_OBJECT

public:
    // One image job, as the job file gives it.
    struct Data
    {
        QString filePath;
        QString thumbName;
        QString thumbFormat; // empty: chosen by the suffix of thumbName
        QString key;
        QVariant data;
        QSize imageSize = QSize(-1, -1); // the source picture, once measured
        int thumbWidth = 0;
        int thumbHeight = 0;
        int photoBorder = 0;
        bool isPhoto = false;
    };

    explicit DovalinnailCreator(QObject* parent = nullptr);

    // Works through `items` synchronously and takes ownership of them. The record of a
    // saved thumbnail goes to the receiver of thumbCreated (its address in `data`);
    // the others are deleted when their turn is over.
    void start(QList<Data*> items, const QString& outputFolder);

signals:
    void thumbCreated(QString key, QString path, QVariant data);
    void finished(int thumbs);

private:
    bool makeThumbnail(Data* item, const QString& outputFolder);
};
