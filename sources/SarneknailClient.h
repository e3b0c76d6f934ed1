#pragma once

#include "ThumbnailClient.h"
#include "ThumbnailJobTables.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

// Asks the audio helper Sarnek for the cover picture of each audio file as its
// thumbnail, where the file holds one, and for the recording's length, bit rate,
// channels, sample rate and bit depth. The helper is looked up beside the program,
// then on PATH; when it is missing or cannot be started, only its batch is lost.
class SarneknailClient : public ThumbnailClient
{
    Q_OBJECT

public:
    // One audio job.
    struct Data
    {
        QString filePath;
        QString thumbName; // file name inside the output folder
        QString thumbFormat;
        QString key;
        QPointer<QObject> item; // turns null when the item goes
        QSize imageSize = QSize(-1, -1); // never filled
        int thumbWidth = 0;
        int thumbHeight = 0;
        int length = 0; // result: seconds
        int bitrate = 0; // result: kbit/s
        int channels = 0; // result
        int bitdepth = 0; // result: bits per sample; 0 for lossy formats
        int samplerate = 0; // result: Hz
    };

    explicit SarneknailClient(QObject* parent = nullptr);
    ~SarneknailClient() override;

    // Takes ownership of the records; they go into the next batch.
    void start(const QHash<QString, Data*>& items, const QString& outputPath);

signals:
    // The receiver uses the record during the signal only: it is deleted afterwards.
    void thumbCreated(SarneknailClient::Data* data);

protected:
    void deleteRunningRecords() override { jobs.deleteRunning(); }
    void deleteAllRecords() override { jobs.deleteAll(); }
    bool takeWaitingRecords() override { return jobs.takeWaiting(); }
    void writeItems(QXmlStreamWriter& xml) const override;
    void readLine(const QString& line) override;

private:
    ThumbnailJobTables<Data> jobs;
};
