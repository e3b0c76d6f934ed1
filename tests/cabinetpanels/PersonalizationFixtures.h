#pragma once

// Cabinets for the personalization panel's tests: real cabinets with valid ids, listed
// in VorendaGlobal::shelves as the controller lists them, and their saved data.

#include "CabinetTestFixtures.h"
#include "PersonalizationWidget.h"
#include "ShelfDataFile.h"
#include "TextFunctions.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QXmlStreamReader>

#include <memory>
#include <vector>

class PanelCabinets
{
public:
    ~PanelCabinets() { clear(); }

    // A new cabinet named `name` wearing the built-in style `styleName`.
    VorendaShelf* add(const QString& name, const QString& styleName = QStringLiteral("Wood #2"))
    {
        auto shelf = std::make_unique<VorendaShelf>();
        shelf->id = getHash(name + QString::number(shelves.size()));
        shelf->fileName = shelf->id + QStringLiteral(".dat");
        shelf->name = name;
        shelf->style = builtInStyle(styleName);
        shelf->initialize();
        VorendaGlobal::shelves.append(shelf.get());
        shelves.push_back(std::move(shelf));
        return shelves.back().get();
    }

    void clear()
    {
        for (const auto& shelf : shelves)
            VorendaGlobal::shelves.removeAll(shelf.get());
        shelves.clear();
    }

    // An attribute of the cabinet's saved data file, e.g. ("Window", "name").
    static QString saved(const VorendaShelf* shelf, const QString& element, const QString& attribute)
    {
        QFile file(ShelfDataFile::path(*shelf));
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("<no file>");
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element)
                return xml.attributes().value(attribute).toString();
        }
        return QStringLiteral("<no %1>").arg(element);
    }

private:
    std::vector<std::unique_ptr<VorendaShelf>> shelves;
};

// The panel decodes the built-in JPEG patterns on the main thread. The JPEG library is
// loaded at run time and keeps thread-local data; the leak checker misreads that block
// when the heap happens to place it at one particular page offset at the first decode.
// Decoding once before anything else places it the same way every run.
inline void warmUpJpegDecoder()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    QImage::fromData(bytes, "JPEG");
}

// The panel hidden and free of any cabinet, as between two uses.
inline void resetPanel()
{
    PersonalizationWidget* panel = PersonalizationWidget::instance();
    panel->close();
    panel->shelf = nullptr;
}
