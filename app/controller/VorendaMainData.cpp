#include "VorendaMain.h"

#include "HotkeyManager.h"
#include "QuickSearchWidget.h"
#include "TerminationSignals.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"
#include "XmlAttributes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

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
    if (QDir().mkpath(folder) && save(path))
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Done!"));
    else
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Saving \"%1\" failed").arg(path));
}

bool VorendaMain::keepDamagedFile(const QString& path)
{
    if (damagedPath.isEmpty() || QFileInfo(damagedPath).absoluteFilePath() != QFileInfo(path).absoluteFilePath())
        return true;
    const QString kept =
        path + QStringLiteral(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    if (QFileInfo::exists(path)) {
        // Never write over it when it cannot be kept aside.
        if (!QFile::rename(path, kept)) {
            VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Could not keep the damaged \"%1\"").arg(path));
            return false;
        }
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Kept the damaged \"%1\" as \"%2\"").arg(path, kept));
    }
    damagedPath.clear();
    return true;
}

bool VorendaMain::save(const QString& path)
{
    if (VorendaGlobal::readOnlyConfig)
        return false;
    if (!keepDamagedFile(path))
        return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
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
    xml.writeAttribute(QStringLiteral("tags"), VorendaGlobal::tags.join(QLatin1Char(',')).trimmed().toLower());

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

    if (xml.hasError()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool VorendaMain::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd() && !xml.hasError()) {
        xml.readNext();
        if (xml.isDTD()) {
            if (xml.dtdName() != documentType) {
                damagedPath = path;
                VorendaGlobal::addToLog(QStringLiteral("VorendaMain: \"%1\" is no main data file").arg(path));
                return false;
            }
        } else if (xml.isStartElement()) {
            const QStringRef name = xml.name();
            if (name == QLatin1String("Root"))
                continue;
            if (name == QLatin1String("Preferences"))
                readPreferencesElement(xml);
            else if (name == QLatin1String("Cabinets"))
                readShelvesElement(xml);
            else
                readUnknownElement(xml);
        }
    }
    if (xml.hasError()) {
        damagedPath = path;
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: \"%1\" is damaged at line %2: %3")
                                    .arg(path)
                                    .arg(xml.lineNumber())
                                    .arg(xml.errorString()));
    }
    emit shelvesChanged();
    return true;
}

void VorendaMain::readPreferencesElement(QXmlStreamReader& xml)
{
    while (xml.readNextStartElement()) {
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("General")) {
            setBoolAttribute(attributes, QStringLiteral("runatstartup"), runAtStartup);
            setBoolAttribute(attributes, QStringLiteral("autoupdates"), autoUpdates);
            setIntAttribute(attributes, QStringLiteral("maxthumbsize"), &VorendaGlobal::SHELF_MAXTHUMBSIZE);
            setBoolAttribute(attributes, QStringLiteral("singleclickopen"), VorendaGlobal::singleClickOpen);
            setBoolAttribute(attributes, QStringLiteral("showkiosk"), showKiosk);
            setStringAttribute(attributes, QStringLiteral("kioskpassword"), VorendaGlobal::kioskPasswordHash, true);
            setIntAttribute(attributes, QStringLiteral("showlabelmode"), &VorendaGlobal::showLabelMode);
            setIntAttribute(attributes, QStringLiteral("searchboxoption"), &VorendaGlobal::searchBoxOption);
            setBoolAttribute(attributes, QStringLiteral("animhover"), VorendaGlobal::animHover);
            setBoolAttribute(attributes, QStringLiteral("animclick"), VorendaGlobal::animClick);
            if (!attributes.hasAttribute(QStringLiteral("tags"))) {
                VorendaGlobal::tags.clear();
            } else {
                const QString text = attributes.value(QStringLiteral("tags")).toString().trimmed().toLower();
                if (!text.isEmpty()) {
                    QStringList tags = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
                    tags.removeDuplicates();
                    VorendaGlobal::tags = tags;
                }
            }
        } else if (xml.name() == QLatin1String("Hotkeys")) {
            unbindHotkeys();
            setKeySequenceAttribute(attributes, QStringLiteral("showall"), showAllKey, false);
            setKeySequenceAttribute(attributes, QStringLiteral("hideall"), hideAllKey, false);
            setKeySequenceAttribute(attributes, QStringLiteral("quicksearch"), quickSearchKey, false);
            bindHotkeys();
            updateActions();
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
        if (xml.name() == QLatin1String("Cabinet"))
            readShelfElement(xml);
        else
            readUnknownElement(xml);
    }
}

void VorendaMain::readShelfElement(QXmlStreamReader& xml)
{
    const QString id = xml.attributes().value(QStringLiteral("id")).toString();
    if (!id.isEmpty())
        onCreateNewShelf(id, 0, -1);
    readUnknownElement(xml);
}
