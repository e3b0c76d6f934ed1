#pragma once

#include "ThumbnailClient.h"
#include "ThumbnailJobTables.h"

#include <QHash>
#include <QPointer>
#include <QString>

// Asks the web helper Kestrim for thumbnails of web pages and local HTML files: each
// page is rendered at the page size and scaled into the thumbnail box.
class KestrimnailClient : public ThumbnailClient
{
    Q_OBJECT

public:
    // One web-page job; it comes back as it went out.
    struct Data
    {
        QString url;
        QString thumbName; // file name inside the output folder
        QString thumbFormat;
        QString key;
        QPointer<QObject> item; // turns null when the item goes
        int pageWidth = 0;
        int pageHeight = 0;
        int thumbWidth = 0;
        int thumbHeight = 0;
    };

    // Milliseconds the helper waits after a page has loaded, and pages loaded at once.
    static constexpr int RENDER_DELAY = 1000;
    static constexpr int MAX_PAGES = 2;
    // Kestrim ends a page by its own deadline of 30 s; the rest covers starting and
    // ending the page's process. A page whose server never answers costs this much.
    static constexpr int PAGE_TIME = 35000;

    explicit KestrimnailClient(QObject* parent = nullptr);
    ~KestrimnailClient() override;

    // Takes ownership of the records; they go into the next batch.
    void start(const QHash<QString, Data*>& items, const QString& outputPath);

signals:
    // The receiver uses the record during the signal only: it is deleted afterwards.
    void thumbCreated(KestrimnailClient::Data* data);

protected:
    void deleteRunningRecords() override { jobs.deleteRunning(); }
    void deleteAllRecords() override { jobs.deleteAll(); }
    bool takeWaitingRecords() override { return jobs.takeWaiting(); }
    void writeListAttributes(QXmlStreamWriter& xml) const override;
    void writeItems(QXmlStreamWriter& xml) const override;
    void readLine(const QString& line) override;
    // Kestrim may rightly stay silent while its pages run into their deadlines, MAX_PAGES at a time.
    int silenceAllowance() const override;

private:
    ThumbnailJobTables<Data> jobs;
};
