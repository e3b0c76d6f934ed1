#include "VorendaMain.h"

#include "DamagedFile.h"
#include "DataFileText.h"
#include "FailedSaves.h"
#include "HotkeyManager.h"
#include "RegularFile.h"
#include "SaveFileCommit.h"
#include "StoredCabinetId.h"
#include "QuickSearchWidget.h"
#include "TerminationSignals.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"
#include "XmlAttributes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

const QString documentType = QStringLiteral("Vorenda-Data");

QString boolText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString VorendaMain::dataFilePath()
{
    return QDir(VorendaGlobal::getRootLocation()).filePath(QStringLiteral("Vorenda.dat"));
}

void VorendaMain::save()
{
    if (VorendaGlobal::readOnlyConfig) {
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Read-Only Configuration"));
        return;
    }
    VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Saving..."));
    VorendaGlobal::save();
    if (listCutShort) {
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Not saved: the cabinet list was only partly read"));
        return;
    }
    const QString folder = QFileInfo(VorendaGlobal::getRootLocation()).absoluteFilePath();
    const QString path = dataFilePath();
    const bool folderMade = QDir().mkpath(folder);
    if (folderMade && save(path)) {
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Done!"));
        FailedSaves::instance().saved(path);
        return;
    }
    VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Saving \"%1\" failed").arg(path));
    FailedSaves::instance().failed(path, tr("the list of cabinets and the preferences"),
                                   folderMade ? saveError : FailedSaves::folderNotMade(folder));
}

bool VorendaMain::keepDamagedFile(const QString& path)
{
    if (damagedPath.isEmpty() || QFileInfo(damagedPath).absoluteFilePath() != QFileInfo(path).absoluteFilePath())
        return true;
    QString kept;
    if (!DamagedFile::keepAside(path, &kept)) {
        // Never write over it when it cannot be kept aside.
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Could not keep the damaged \"%1\"").arg(path));
        return false;
    }
    if (!kept.isEmpty())
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Kept the damaged \"%1\" as \"%2\"").arg(path, kept));
    damagedPath.clear();
    return true;
}

bool VorendaMain::save(const QString& path)
{
    if (VorendaGlobal::readOnlyConfig)
        return false;
    saveError = tr("The damaged file cannot be kept aside.");
    if (!keepDamagedFile(path))
        return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        saveError = saveFileOpenError(file);
        return false;
    }
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE %1>").arg(documentType));
    xml.writeStartElement(QStringLiteral("Root"));
    xml.writeStartElement(QStringLiteral("Preferences"));

    xml.writeEmptyElement(QStringLiteral("General"));
    xml.writeAttribute(QStringLiteral("runatstartup"), boolText(runAtStartup));
    xml.writeAttribute(QStringLiteral("autoupdates"), boolText(autoUpdates));
    xml.writeAttribute(QStringLiteral("maxthumbsize"), QString::number(VorendaGlobal::SHELF_MAXTHUMBSIZE));
    xml.writeAttribute(QStringLiteral("singleclickopen"), boolText(VorendaGlobal::singleClickOpen));
    xml.writeAttribute(QStringLiteral("showkiosk"), boolText(showKiosk));
    xml.writeAttribute(QStringLiteral("kioskpassword"), VorendaGlobal::kioskPasswordHash);
    xml.writeAttribute(QStringLiteral("showlabelmode"), QString::number(VorendaGlobal::showLabelMode));
    xml.writeAttribute(QStringLiteral("searchboxoption"), QString::number(VorendaGlobal::searchBoxOption));
    xml.writeAttribute(QStringLiteral("language"), VorendaGlobal::appLanguage);
    xml.writeAttribute(QStringLiteral("animhover"), boolText(VorendaGlobal::animHover));
    xml.writeAttribute(QStringLiteral("animclick"), boolText(VorendaGlobal::animClick));
    // Tags come from the cabinets' files, which may carry any character: the same
    // encoding keeps this file writable.
    xml.writeAttribute(QStringLiteral("tags"),
                       encodeDataText(VorendaGlobal::tags.join(QLatin1Char(',')).trimmed().toLower()));

    xml.writeEmptyElement(QStringLiteral("Hotkeys"));
    xml.writeAttribute(QStringLiteral("showall"), showAllKey.toString(QKeySequence::PortableText));
    xml.writeAttribute(QStringLiteral("hideall"), hideAllKey.toString(QKeySequence::PortableText));
    xml.writeAttribute(QStringLiteral("quicksearch"), quickSearchKey.toString(QKeySequence::PortableText));
    xml.writeEndElement(); // Preferences

    xml.writeStartElement(QStringLiteral("Cabinets"));
    for (const VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves)) {
        xml.writeEmptyElement(QStringLiteral("Cabinet"));
        xml.writeAttribute(QStringLiteral("id"), shelf->id);
    }
    xml.writeEndElement(); // Cabinets
    xml.writeEndElement(); // Root
    xml.writeEndDocument();

    QString error;
    if (xml.hasError()) {
        error = saveFileError(file);
        file.cancelWriting();
    } else if (commitSaveFile(file, &error)) {
        return true;
    }
    VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Cannot write \"%1\": %2").arg(path, error));
    saveError = error;
    return false;
}

bool VorendaMain::load(const QString& path)
{
    QFile file(path);
    if (!openRegularFile(file)) {
        if (!QFileInfo::exists(path))
            return false;
        // Something is there that is no file to read (a FIFO, a folder, no permission).
        return refuseDamagedFile(path, QStringLiteral("\"%1\" cannot be read as a file").arg(path));
    }
    QXmlStreamReader xml(&file);
    bool inRoot = false;
    shelfListCut = false;
    while (!xml.atEnd() && !xml.hasError()) {
        xml.readNext();
        if (xml.isDTD()) {
            if (xml.dtdName() != documentType)
                return refuseDamagedFile(path, QStringLiteral("\"%1\" is no main data file").arg(path));
        } else if (xml.isStartElement()) {
            const QStringRef name = xml.name();
            if (!inRoot) {
                // Another top element is another kind of file, not an empty list.
                if (name != QLatin1String("Root"))
                    return refuseDamagedFile(path, QStringLiteral("\"%1\" is no main data file: its top element is \"%2\"")
                                                       .arg(path, name.toString()));
                inRoot = true;
            } else if (name == QLatin1String("Preferences")) {
                readPreferencesElement(xml);
            } else if (name == QLatin1String("Cabinets")) {
                readShelvesElement(xml);
            } else {
                readUnknownElement(xml);
            }
        }
    }
    if (shelfListCut) {
        damagedPath = path;
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: \"%1\" lists more than %2 cabinets; only the first %2 "
                                               "are opened")
                                    .arg(path)
                                    .arg(maxShelves));
    }
    if (xml.hasError()) {
        damagedPath = path;
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: \"%1\" is damaged at line %2: %3")
                                    .arg(path)
                                    .arg(xml.lineNumber())
                                    .arg(xml.errorString()));
    }
    if (shelfListCut || xml.hasError())
        addUnlistedShelves();
    emit shelvesChanged();
    return true;
}

bool VorendaMain::refuseDamagedFile(const QString& path, const QString& reason)
{
    damagedPath = path;
    VorendaGlobal::addToLog(QStringLiteral("VorendaMain: ") + reason);
    if (addUnlistedShelves() > 0)
        emit shelvesChanged();
    return false;
}

int VorendaMain::addUnlistedShelves()
{
    // A cabinet's file is named by its id. Sorted by name, so every start rebuilds
    // the same list in the same order.
    static const QRegularExpression dataFileName(QStringLiteral("\\A[0-9a-fA-F]{32}\\.dat\\z"));
    // FIFOs and the like too, so that the log names what is skipped.
    const QDir folder(VorendaGlobal::getDataLocation());
    const QStringList files = folder.entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::System, QDir::Name);
    int added = 0;
    for (const QString& file : files) {
        if (!dataFileName.match(file).hasMatch())
            continue;
        if (!isRegularFile(folder.absoluteFilePath(file))) {
            VorendaGlobal::addToLog(QStringLiteral("VorendaMain: \"%1\" is not a regular file; no cabinet is made of it")
                                        .arg(folder.absoluteFilePath(file)));
            continue;
        }
        const QString written = file.chopped(4);
        const QString id = StoredCabinetId::read(written);
        if (isListed(id))
            continue;
        if (VorendaGlobal::shelves.size() >= maxShelves) {
            VorendaGlobal::addToLog(
                QStringLiteral("VorendaMain: More than %1 cabinets in \"%2\"; the others are not opened")
                    .arg(maxShelves)
                    .arg(VorendaGlobal::getDataLocation()));
            break;
        }
        onCreateNewShelf(StoredCabinetId::adoptDataFile(written, id), 0, -1);
        ++added;
    }
    VorendaGlobal::addToLog(QStringLiteral("VorendaMain: The cabinet list was rebuilt from \"%1\": %2 cabinets added")
                                .arg(VorendaGlobal::getDataLocation())
                                .arg(added));
    return added;
}

void VorendaMain::readPreferencesElement(QXmlStreamReader& xml)
{
    while (xml.readNextStartElement()) {
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("General")) {
            setBoolAttribute(attributes, QStringLiteral("runatstartup"), runAtStartup);
            setBoolAttribute(attributes, QStringLiteral("autoupdates"), autoUpdates);
            setBoundedIntAttribute(attributes, QStringLiteral("maxthumbsize"), &VorendaGlobal::SHELF_MAXTHUMBSIZE,
                                   VorendaGlobal::SHELF_MINIMAGESIZE, VorendaGlobal::SHELF_THUMBSIZE);
            setBoolAttribute(attributes, QStringLiteral("singleclickopen"), VorendaGlobal::singleClickOpen);
            setBoolAttribute(attributes, QStringLiteral("showkiosk"), showKiosk);
            setStringAttribute(attributes, QStringLiteral("kioskpassword"), VorendaGlobal::kioskPasswordHash, true);
            setBoundedIntAttribute(attributes, QStringLiteral("showlabelmode"), &VorendaGlobal::showLabelMode, 0, 2);
            setBoundedIntAttribute(attributes, QStringLiteral("searchboxoption"), &VorendaGlobal::searchBoxOption, 0, 2);
            setBoolAttribute(attributes, QStringLiteral("animhover"), VorendaGlobal::animHover);
            setBoolAttribute(attributes, QStringLiteral("animclick"), VorendaGlobal::animClick);
            if (!attributes.hasAttribute(QStringLiteral("tags"))) {
                VorendaGlobal::tags.clear();
            } else {
                const QString text =
                    decodeDataText(attributes.value(QStringLiteral("tags")).toString()).trimmed().toLower();
                if (!text.isEmpty()) {
                    QStringList tags = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
                    tags.removeDuplicates();
                    VorendaGlobal::tags = tags;
                }
            }
        } else if (xml.name() == QLatin1String("Hotkeys")) {
            QKeySequence showAll = showAllKey;
            QKeySequence hideAll = hideAllKey;
            QKeySequence quickSearch = quickSearchKey;
            setKeySequenceAttribute(attributes, QStringLiteral("showall"), showAll, false);
            setKeySequenceAttribute(attributes, QStringLiteral("hideall"), hideAll, false);
            setKeySequenceAttribute(attributes, QStringLiteral("quicksearch"), quickSearch, false);
            setHotkeys(showAll, hideAll, quickSearch);
        }
        readUnknownElement(xml);
    }
}

void VorendaMain::readShelvesElement(QXmlStreamReader& xml)
{
    while (xml.readNextStartElement()) {
        if (TerminationSignals::requested()) {
            listCutShort = true;
            VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Loading stopped by the end of the session"));
            return;
        }
        if (xml.name() != QLatin1String("Cabinet")) {
            readUnknownElement(xml);
        } else if (VorendaGlobal::shelves.size() < maxShelves) {
            readShelfElement(xml);
        } else {
            // Every cabinet is a window with its own data: a list this long is no
            // user's, and opening it would take the machine's memory.
            shelfListCut = true;
            xml.skipCurrentElement();
        }
    }
}

void VorendaMain::readShelfElement(QXmlStreamReader& xml)
{
    const QString written = xml.attributes().value(QStringLiteral("id")).toString();
    readUnknownElement(xml);
    const QString id = StoredCabinetId::read(written);
    if (id.isEmpty()) {
        // Its file could never be read nor written: a cabinet of it would lose every edit.
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: The cabinet id \"%1\" is not valid; no cabinet is made of it")
                                    .arg(written.left(64)));
        return;
    }
    if (isListed(id)) {
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: The cabinet \"%1\" is listed more than once; it is opened once")
                                    .arg(id));
        return;
    }
    onCreateNewShelf(StoredCabinetId::adoptDataFile(written, id), 0, -1);
}

bool VorendaMain::isListed(const QString& id)
{
    return std::any_of(VorendaGlobal::shelves.cbegin(), VorendaGlobal::shelves.cend(), [&id](const VorendaShelf* shelf) {
        return shelf->id.compare(id, Qt::CaseInsensitive) == 0;
    });
}
