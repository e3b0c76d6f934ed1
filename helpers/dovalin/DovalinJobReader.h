#pragma once

#include "DovalinnailCreator.h"

#include <QList>
#include <QString>

class QIODevice;

// Reads a "Dovalin-Data" job file: the output folder of its List (created when
// missing) and one record per Item that names a file and a thumbnail.
class DovalinJobReader
{
public:
    DovalinJobReader() = default;
    ~DovalinJobReader();
    DovalinJobReader(const DovalinJobReader&) = delete;
    DovalinJobReader& operator=(const DovalinJobReader&) = delete;

    // False for another DOCTYPE or when no Item was accepted.
    bool read(QIODevice* device);

    QString outputFolder() const { return folder; }
    // Hands the accepted records over to the caller.
    QList<DovalinnailCreator::Data*> takeItems();

private:
    QString folder;
    QList<DovalinnailCreator::Data*> items;
};
