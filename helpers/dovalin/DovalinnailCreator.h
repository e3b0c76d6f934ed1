#pragma once

#include "EighthScaleDecoding.h"

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <QVariant>

// Makes the thumbnails of one job, several pictures at once on the machine's cores:
// each picture is measured, decoded at the size it will have, framed white when it has
// the proportions of a photo and saved into the output folder. A thumbnail is reported
// as soon as it is saved, so reports follow the order in which they finish.
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

    // How a JPEG made alone is decoded; without this, by the image reader alone.
    void setEighthScaleDecoding(const EighthScaleDecoding& decoding) { this->decoding = decoding; }

    // Works through `items` and returns when all are done; takes ownership of them and
    // deletes each when its turn is over. Signals are emitted on the calling thread.
    void start(QList<Data*> items, const QString& outputFolder);

signals:
    // `data` holds the numbers of the thumbnail's line: 1 for a photo (else 0), and the
    // picture's width and height.
    void thumbCreated(QString key, QString path, QVariant data);
    void finished(int thumbs);

private:
    EighthScaleDecoding decoding;
};
