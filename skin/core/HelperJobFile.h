#pragma once

#include <QString>

#include <functional>

class QIODevice;
class QXmlStreamAttributes;

// Reads the job file of a file thumbnail helper: Root, one List whose "outputPath"
// is the output folder, one Item per job. Each Item that names a file ("filePath")
// and a thumbnail by a plain file name, so that the thumbnail stays inside the output
// folder, and whose key (or, without one, thumbnail path) cannot forge an output line,
// is handed to the reader's function, which says whether it took the job.
class HelperJobFile
{
public:
    using ItemReader = std::function<bool(const QXmlStreamAttributes& attributes)>;

    // False for another DOCTYPE, when the output folder can be neither found nor made
    // before any job was taken, or when no job was taken.
    bool read(QIODevice* device, const QString& docType, const ItemReader& readItem);

    // The output folder, made when it was missing.
    QString outputFolder() const { return folder; }

    // The decimal value, `fallback` when missing or no number, bounded to
    // minimum..maximum before anyone computes with it.
    static int intAttribute(const QXmlStreamAttributes& attributes, const QString& name, int minimum, int maximum,
                            int fallback = 0);

private:
    bool openOutputFolder(const QString& outputPath);
    bool isAcceptable(const QXmlStreamAttributes& attributes) const;

    QString folder;
};
