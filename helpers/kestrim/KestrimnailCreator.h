#pragma once

#include "ImagePluginPreloader.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>
#include <QUrl>
#include <QVariant>

class Kestrimnail;
class PageProcess;

// Runs the page jobs of one job file, at most maxPages at a time, and saves
// each thumbnail before it reports it. While jobs wait, one page process more
// is started ahead, so the next page need not wait for the web engine to start.
class KestrimnailCreator : public QObject
{
    Q_OBJECT

public:
    struct Data
    {
        QUrl url;
        QString thumbName;
        QString thumbFormat;  // empty: chosen by the suffix of thumbName
        QString key;
        QVariant data;
        int pageWidth = 0;
        int pageHeight = 0;
        int thumbWidth = 0;
        int thumbHeight = 0;
    };

    static constexpr int DEFAULT_MAX_PAGES = 5;
    // Each page is a process of some 60 MB or more; a job file cannot ask for more at once.
    static constexpr int MAX_PAGES_LIMIT = 16;

    explicit KestrimnailCreator(QObject* parent = nullptr);
    ~KestrimnailCreator() override;

    // Takes ownership of the records. An empty list does nothing. A maxPages below 1
    // means the default, a negative delay none, a timeout below 1 the default.
    void start(const QList<Data*>& items, const QString& outputPath, int delay, int maxPages,
               int timeout);

    // The format a job's thumbnail is saved in, lower case.
    static QByteArray formatOf(const Data& job);
    // True when every thumbnail of these jobs is written by Qt itself, with no image plug-in.
    static bool writtenWithoutPlugins(const QList<Data*>& jobs);

    bool aborted() const { return isAborted; }
    // Page jobs running now.
    int inFlight() const { return running; }

public slots:
    void abort();

signals:
    void thumbCreated(const QString& key, const QString& path, const QVariant& data);
    void finished(int thumbs, bool aborted);

protected slots:
    void next();
    void kestrimnailFinished(Kestrimnail* object, const QImage& thumbnail, const QVariant& data);
    void pictureArrived(Kestrimnail* object, const QImage& thumbnail, const QVariant& data);

private:
    PageProcess* takeProcess();
    void prepareSpare();
    void dropSpare();
    static Data* jobOf(const QVariant& data);
    void write(const QImage& thumbnail, Data* job);
    bool save(const QImage& thumbnail, const Data& job, QString* path);

    QList<Data*> pending;
    // Running jobs whose thumbnail is written already.
    QSet<Data*> written;
    PageProcess* spare = nullptr;
    ImagePluginPreloader imagePlugins;
    QString outputPath;
    int delay = 1000;
    int maxPages = 5;
    int timeout = 30000;
    int thumbs = 0;
    int running = 0;
    bool isAborted = false;
};
