#pragma once

#include "MediaJob.h"

#include <QList>
#include <QString>

class QIODevice;

// Reads a video or audio job file of one DOCTYPE: the output folder of its List
// (created when missing) and one job per Item that names a file and a thumbnail.
class MediaJobReader
{
public:
    // False for another DOCTYPE or when no Item was accepted.
    bool read(QIODevice* device, const QString& docType);

    QString outputFolder() const { return folder; }
    QList<MediaJob> jobs() const { return items; }

private:
    QString folder;
    QList<MediaJob> items;
};
