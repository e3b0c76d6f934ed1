#pragma once

#include "ThumbnailClient.h"
#include "ThumbnailJobTables.h"

#include <QHash>
#include <QPointer>
#include <QSize>
#include <QString>

// Asks the image helper Dovalin for thumbnails of image files: scaled into a box and,
// for pictures of photo proportions, framed white. Each delivered record carries the
// source picture's size and whether it is a photo.
class DovalinnailClient : public ThumbnailClient
{
    Q_OBJECT

public:
    // One image job.
    struct Data
    {
        QString filePath;
        QString thumbName; // file name inside the output folder
        QString thumbFormat;
        QString key;
        QPointer<QObject> item; // turns null when the item goes
        QSize imageSize = QSize(-1, -1); // result: the source picture's size
        int thumbWidth = 0;
        int thumbHeight = 0;
        int photoBorder = 0; // white frame round a photo; 0 draws none
        bool isPhoto = false; // result
    };

    explicit DovalinnailClient(QObject* parent = nullptr);
    ~DovalinnailClient() override;

    // Takes ownership of the records; they go into the next batch.
    void start(const QHash<QString, Data*>& items, const QString& outputPath);

signals:
    // The receiver uses the record during the signal only: it is deleted afterwards.
    void thumbCreated(DovalinnailClient::Data* data);

protected:
    void deleteRunningRecords() override { jobs.deleteRunning(); }
    void deleteAllRecords() override { jobs.deleteAll(); }
    bool takeWaitingRecords() override { return jobs.takeWaiting(); }
    void writeItems(QXmlStreamWriter& xml) const override;
    void readLine(const QString& line) override;

private:
    ThumbnailJobTables<Data> jobs;
};
