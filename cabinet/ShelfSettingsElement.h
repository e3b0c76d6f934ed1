#pragma once

#include <QString>

class QXmlStreamReader;
class ShelfDataWriter;
class VorendaShelf;

// The Settings element of a cabinet data file: the one place that knows which
// setting stands in which element under which attribute, how it is written and how
// it is read back. A plain setting is one row of its table.
class ShelfSettingsElement
{
public:
    explicit ShelfSettingsElement(VorendaShelf& shelf);

    void write(ShelfDataWriter& writer) const;
    // Reads one Settings element; returns after its end or at the end of the input.
    void read(QXmlStreamReader& reader);

    // The style a save names: the one the file named while no style of that id is
    // known and the cabinet still shows the stand-in, else the cabinet's own.
    QString storedStyleId() const;
    // A style the user chose replaces the one whose file was missing.
    void styleChosen(const QString& styleId);

private:
    // What an element holds beyond its plain settings.
    void readWindowRest(QXmlStreamReader& reader);
    void readPersonalization(QXmlStreamReader& reader);
    void showSearchFilter();

    VorendaShelf& shelf;
    // The style the data file names when no style file of that id was found, and the
    // id of the style shown meanwhile. While the cabinet keeps showing that one, saves
    // keep the stored name, so the style returns once its file is back.
    QString missingStyleId;
    QString missingStyleStandIn;
};
