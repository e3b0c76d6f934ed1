#include "StoreListing.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamWriter>

bool writeStoreListing(const QString& store, const QString& id)
{
    const QDir folder(store);
    QFile main(folder.filePath(QStringLiteral("Vorenda.dat")));
    if (!folder.mkpath(QStringLiteral("Data")) || !main.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QXmlStreamWriter xml(&main);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE Vorenda-Data>"));
    xml.writeStartElement(QStringLiteral("Root"));
    xml.writeStartElement(QStringLiteral("Cabinets"));
    xml.writeEmptyElement(QStringLiteral("Cabinet"));
    xml.writeAttribute(QStringLiteral("id"), id);
    xml.writeEndDocument();
    return !xml.hasError() && main.flush();
}
