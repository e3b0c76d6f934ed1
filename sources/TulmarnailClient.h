#pragma once

#include "ThumbnailClient.h"
#include "ThumbnailJobTables.h"

#include <QColor>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

// Asks the video helper Tulmar for a thumbnail of each video file, a frame on a film
// strip, and for the video's length, picture size, bit rate and frame rate. The
// helper is looked up beside the program, then on PATH; when it is missing or cannot
// be started, only its batch is lost.
class TulmarnailClient : public ThumbnailClient
{
    Q_OBJECT

public:
    // One video job.
    struct Data
    {
        QString filePath;
        QString thumbName; // file name inside the output folder
        QString thumbFormat;
        QString key;
        QPointer<QObject> item; // turns null when the item goes
        QSize imageSize = QSize(-1, -1); // result: the picture's width and height
        QColor filmBorderColor; // the film strip's perforated bands
        QColor filmBackColor; // behind the picture on the strip
        int thumbWidth = 0;
        int thumbHeight = 0;
        int thumbAlpha = 255; // opacity of the whole thumbnail, 0 to 255
        int thumbTime = 0; // seconds into the video; 0 lets the helper choose
        int filmBorderSize = 0; // width of each perforated band
        int filmBorderSpacing = 0; // distance from one perforation to the next
        int length = 0; // result: seconds
        int bitrate = 0; // result: kbit/s
        int framerate = 0; // result: frames per second
        bool flag = false; // result: the video has a sound track
    };

    explicit TulmarnailClient(QObject* parent = nullptr);
    ~TulmarnailClient() override;

    // Takes ownership of the records; they go into the next batch.
    void start(const QHash<QString, Data*>& items, const QString& outputPath);

signals:
    // The receiver uses the record during the signal only: it is deleted afterwards.
    void thumbCreated(TulmarnailClient::Data* data);

protected:
    void deleteRunningRecords() override { jobs.deleteRunning(); }
    void deleteAllRecords() override { jobs.deleteAll(); }
    bool takeWaitingRecords() override { return jobs.takeWaiting(); }
    void writeItems(QXmlStreamWriter& xml) const override;
    void readLine(const QString& line) override;

private:
    ThumbnailJobTables<Data> jobs;
};
