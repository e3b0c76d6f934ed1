#pragma once

#include <QSaveFile>
#include <QString>
#include <QXmlStreamWriter>

// Writes one cabinet data file atomically: the XML goes to a temporary file beside
// the target, which replaces the target only when every write succeeded, so a
// failed save leaves the old file whole. Texts pass through encodeDataText().
class ShelfDataWriter
{
public:
    explicit ShelfDataWriter(const QString& path);

    // The document type a cabinet data file declares; a file without it is not one.
    static QString documentType() { return QStringLiteral("Vorenda-CabinetData"); }

    // Opens the temporary file and writes the declaration, the document type and
    // the start of Root.
    bool begin();
    QXmlStreamWriter& xml() { return writer; }
    void writeTextAttribute(const QString& name, const QString& text);
    void writeNumberAttribute(const QString& name, qint64 value);
    void writeSwitchAttribute(const QString& name, bool on);
    void writeTextElement(const QString& name, const QString& text);
    void writeNumberElement(const QString& name, qint64 value);
    // Closes the document and replaces the target; false when anything failed.
    bool commit();
    QString errorString() const { return error; }

private:
    QSaveFile file;
    QXmlStreamWriter writer;
    QString error;
};
