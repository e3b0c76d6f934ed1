#pragma once

#include <QString>

#include <functional>

class QIODevice;
class QXmlStreamAttributes;

// Reads the job file of a thumbnail helper: Root, a List whose "outputPath" is the
// output folder, one Item per job. Each Item that names what to make a thumbnail of (its
// source attribute: "filePath", or "url" for web pages) and a thumbnail by a plain file
// name, so that the thumbnail stays inside the output folder, and whose key (or, without
// one, thumbnail path) cannot forge an output line, is handed to the helper's item
// reader, which says whether it took the job. A further List is read the same way and
// replaces the output folder.
class HelperJobFile
{
public:
    // The largest thumbnail box any helper makes; a larger number in a job is cut to it.
    static constexpr int MAX_THUMB_SIDE = 2048;

    using ItemReader = std::function<bool(const QXmlStreamAttributes& attributes)>;
    using ListReader = std::function<void(const QXmlStreamAttributes& attributes)>;

    HelperJobFile(const QString& docType, const QString& sourceAttribute = QStringLiteral("filePath"));

    // Called with the attributes of each List, before its output folder is made.
    void setListReader(const ListReader& reader) { readList = reader; }

    // False for another DOCTYPE, when the output folder can be neither found nor made
    // before any job was taken, or when no job was taken.
    bool read(QIODevice* device, const ItemReader& readItem);

    // The output folder, made when it was missing.
    QString outputFolder() const { return folder; }

    // The decimal value, `fallback` when missing or no number, bounded to
    // minimum..maximum before anyone computes with it.
    static int intAttribute(const QXmlStreamAttributes& attributes, const QString& name, int minimum, int maximum,
                            int fallback = 0);

private:
    bool openOutputFolder(const QString& outputPath);
    bool isAcceptable(const QXmlStreamAttributes& attributes) const;

    const QString docType;
    const QString sourceAttribute;
    ListReader readList;
    QString folder;
};
