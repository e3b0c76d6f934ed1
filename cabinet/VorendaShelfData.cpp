// The cabinet data file: its place, the document, the settings, saving and loading.
// The categories and items inside it are in VorendaShelfDataItems.cpp.

#include "VorendaShelf.h"

#include "CategoryHeaderItem.h"
#include "DataFileText.h"
#include "DockableWidget.h"
#include "RegularFile.h"
#include "ShelfDataWriter.h"
#include "ShelfPictureLoader.h"
#include "TerminationSignals.h"
#include "ThumbnailItemModel.h"
#include "VorendaGlobal.h"
#include "XmlAttributes.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTimer>
#include <QXmlStreamReader>

#include <climits>

namespace {

// The decimal value of an attribute bounded to minimum..maximum; absent, empty or
// not decimal: 0 (bounded too).
int numberOf(const QXmlStreamAttributes& attributes, const QString& name, int minimum, int maximum)
{
    int value = 0;
    setBoundedIntAttribute(attributes, name, &value, minimum, maximum);
    return value;
}

// The docking options of a cabinet: floating, four edges, four maximised edges.
const int lastMode = 8;
// Plain, shadow, raised shadow, bold.
const int lastTextDecoration = 3;
// Names, tags, descriptions, all.
const int lastFilterType = 3;

} // namespace

void VorendaShelf::setUpDataFile()
{
    pictureLoader = new ShelfPictureLoader(this);
    connect(pictureLoader, &ShelfPictureLoader::picturesRead, this, &VorendaShelf::placeLoadedPictures);
    pictureLayoutTimer = new QTimer(this);
    pictureLayoutTimer->setSingleShot(true);
    pictureLayoutTimer->setInterval(50);
    connect(pictureLayoutTimer, &QTimer::timeout, view, &AbstractThumbnailView::updateLayout);

    saveTimer = new QTimer(this);
    saveTimer->setSingleShot(true);
    saveTimer->setInterval(saveDelay);
    connect(saveTimer, &QTimer::timeout, this, qOverload<>(&VorendaShelf::save));

    // The view resets its model after every change of items or categories.
    connect(view->model(), &QAbstractItemModel::modelReset, this, &VorendaShelf::scheduleSave);
    connect(view, &AbstractThumbnailView::itemMoved, this, &VorendaShelf::scheduleSave);
    connect(view, &AbstractThumbnailView::categoryExpanded, this, &VorendaShelf::scheduleSave);
}

QString VorendaShelf::dataFilePath() const
{
    // The id names a file; anything but 32 hexadecimal digits could lead out of the folder.
    static const QRegularExpression validId(QStringLiteral("\\A[0-9a-fA-F]{32}\\z"));
    if (!validId.match(id).hasMatch() || fileName != id + QStringLiteral(".dat"))
        return QString();
    return QDir(VorendaGlobal::getDataLocation()).absoluteFilePath(fileName);
}

void VorendaShelf::scheduleSave()
{
    if (!saveTimer || !dataFileRead || loadingDataFile || loadCutShort || VorendaGlobal::readOnlyConfig
        || dataFilePath().isEmpty())
        return;
    if (!saveTimer->isActive())
        saveTimer->start();
}

void VorendaShelf::save()
{
    if (VorendaGlobal::readOnlyConfig) {
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Read-Only Configuration"));
        return;
    }
    if (saveTimer)
        saveTimer->stop();
    if (deleted) {
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Not saved: the cabinet was deleted"));
        return;
    }
    if (loadCutShort) {
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Not saved: its file was only partly read"));
        return;
    }
    const QString path = dataFilePath();
    if (path.isEmpty()) {
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Not saved: the cabinet id \"%1\" is not valid").arg(id));
        return;
    }
    VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Saving..."));
    const QString folder = QDir(VorendaGlobal::getDataLocation()).absolutePath();
    if (!QDir().mkpath(folder)) {
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Saving failed: cannot create the folder %1").arg(folder));
        return;
    }
    if (save(path))
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Done!"));
    else
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Saving failed!"));
}

bool VorendaShelf::save(const QString& path)
{
    if (VorendaGlobal::readOnlyConfig || loadCutShort)
        return false;
    if (!damagedFile.isEmpty() && damagedFile == path && !keepDamagedDataFile(path))
        return false;

    ShelfDataWriter writer(path);
    if (!writer.begin()) {
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Cannot write %1: %2").arg(path, writer.errorString()));
        return false;
    }
    QXmlStreamWriter& xml = writer.xml();
    xml.writeStartElement(QStringLiteral("Settings"));

    xml.writeStartElement(QStringLiteral("Window"));
    writer.writeTextAttribute(QStringLiteral("name"), name);
    writer.writeNumberAttribute(QStringLiteral("mode"), mode);
    writer.writeSwitchAttribute(QStringLiteral("kiosk"), kiosk);
    frame->save(xml);
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("Appearance"));
    writer.writeSwitchAttribute(QStringLiteral("hidetopbar"), hidetopbar);
    writer.writeSwitchAttribute(QStringLiteral("hidemenubar"), hidemenubar);
    writer.writeSwitchAttribute(QStringLiteral("hidebottombar"), hidebottombar);
    writer.writeSwitchAttribute(QStringLiteral("hidename"), hidename);
    writer.writeSwitchAttribute(QStringLiteral("hidesearchbox"), hidesearchbox);
    writer.writeSwitchAttribute(QStringLiteral("hidecabinetinfo"), hidecabinetinfo);
    writer.writeSwitchAttribute(QStringLiteral("hidethumbsizeslider"), hidethumbsizeslider);
    writer.writeSwitchAttribute(QStringLiteral("hidecatstatusbutton"), hidecatstatusbutton);
    writer.writeSwitchAttribute(QStringLiteral("showcatfullpath"), showcatfullpath);
    writer.writeSwitchAttribute(QStringLiteral("showcatnumberofitems"), showcatnumberofitems);
    writer.writeSwitchAttribute(QStringLiteral("showcatnumberofmatches"), showcatnumberofmatches);
    writer.writeSwitchAttribute(QStringLiteral("shownamewithhotkey"), shownamewithhotkey);
    writer.writeNumberAttribute(QStringLiteral("textdecoration"), textdecoration);
    writer.writeTextAttribute(QStringLiteral("textfont"), textfont);
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("Personalization"));
    writer.writeTextAttribute(QStringLiteral("style"), storedStyleId());
    writer.writeNumberAttribute(QStringLiteral("thumbsize"), thumbSizeSlider->value());
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("Search"));
    writer.writeNumberAttribute(QStringLiteral("filtertype"), filtertype);
    xml.writeEndElement();

    xml.writeEndElement(); // Settings

    // The walk emits one batch per category synchronously, so every category element
    // is written inside Root before it returns.
    disconnect(view, &AbstractThumbnailView::itemsFound, nullptr, nullptr);
    connect(view, &AbstractThumbnailView::itemsFound, this, &VorendaShelf::onSaveItems);
    activeDataWriter = &writer;
    view->recurseItems(true, QVariant(qint64(reinterpret_cast<quintptr>(&writer))));
    activeDataWriter = nullptr;

    if (!writer.commit()) {
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Cannot write %1: %2").arg(path, writer.errorString()));
        return false;
    }
    return true;
}

bool VorendaShelf::keepDamagedDataFile(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        damagedFile.clear();
        return true;
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString kept = QStringLiteral("%1.damaged-%2").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
        kept = QStringLiteral("%1.damaged-%2-%3").arg(path, stamp).arg(n);
    if (!QFile::rename(path, kept)) {
        // Writing now would destroy the only copy of what the user had.
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Cannot keep the damaged file %1 aside").arg(path));
        return false;
    }
    VorendaGlobal::addToLog(logPrefix() + QStringLiteral("The damaged file was kept as %1").arg(kept));
    damagedFile.clear();
    return true;
}

bool VorendaShelf::load(const QString& path)
{
    dataFileRead = true;
    QFile file(path);
    // Only a regular file is read: a FIFO would block the program for good.
    if (!openRegularFile(file)) {
        // Whatever is there but cannot be read must not be replaced by the next save.
        if (!path.isEmpty() && QFileInfo::exists(path)) {
            damagedFile = path;
            VorendaGlobal::addToLog(logPrefix() + QStringLiteral("%1 cannot be read as a file").arg(path));
        }
        updateStatusLabel();
        return false;
    }

    loadingDataFile = true;
    QXmlStreamReader reader(&file);
    bool refused = false;
    bool inRoot = false;
    while (!reader.atEnd() && !stopLoading()) {
        reader.readNext();
        if (reader.isDTD()) {
            if (reader.dtdName() != ShelfDataWriter::documentType()) {
                refused = true;
                break;
            }
            continue;
        }
        if (!reader.isStartElement())
            continue;
        const QStringRef element = reader.name();
        if (!inRoot) {
            // Another top element is another kind of file, not an empty cabinet.
            if (element != QLatin1String("Root")) {
                refused = true;
                break;
            }
            inRoot = true;
            continue;
        }
        if (element == QLatin1String("Root"))
            continue;
        if (element == QLatin1String("Settings"))
            readSettingsElement(reader);
        else if (element == QLatin1String("Category") || element == QLatin1String("Uncategorized"))
            readCategoryElement(reader);
        else
            readUnknownElement(reader);
    }
    if (refused || reader.hasError()) {
        damagedFile = path;
        VorendaGlobal::addToLog(
            logPrefix()
            + (refused ? QStringLiteral("%1 is not a cabinet data file").arg(path)
                       : QStringLiteral("%1 is damaged at line %2: %3").arg(path).arg(reader.lineNumber()).arg(reader.errorString())));
    }
    if (refused) {
        loadingDataFile = false;
        pictureLoader->start();
        return false;
    }

    updateStatusLabel();
    view->resetModel();
    view->updateLayout();
    loadingDataFile = false;
    pictureLoader->start();
    return true;
}

bool VorendaShelf::stopLoading()
{
    if (!loadCutShort && TerminationSignals::requested()) {
        loadCutShort = true;
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Loading stopped by the end of the session"));
    }
    return loadCutShort;
}

void VorendaShelf::readSettingsElement(QXmlStreamReader& reader)
{
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement())
            return;
        if (!reader.isStartElement())
            continue;
        const QStringRef element = reader.name();
        if (element == QLatin1String("Window")) {
            readWindowElement(reader);
        } else if (element == QLatin1String("Appearance")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            textdecoration = numberOf(attributes, QStringLiteral("textdecoration"), 0, lastTextDecoration);
            QString font = textfont;
            setStringAttribute(attributes, QStringLiteral("textfont"), font, true);
            textfont = decodeDataText(font);
            setBoolAttribute(attributes, QStringLiteral("hidetopbar"), hidetopbar);
            setBoolAttribute(attributes, QStringLiteral("hidemenubar"), hidemenubar);
            setBoolAttribute(attributes, QStringLiteral("hidebottombar"), hidebottombar);
            setBoolAttribute(attributes, QStringLiteral("hidename"), hidename);
            setBoolAttribute(attributes, QStringLiteral("hidesearchbox"), hidesearchbox);
            setBoolAttribute(attributes, QStringLiteral("hidecabinetinfo"), hidecabinetinfo);
            setBoolAttribute(attributes, QStringLiteral("hidethumbsizeslider"), hidethumbsizeslider);
            setBoolAttribute(attributes, QStringLiteral("hidecatstatusbutton"), hidecatstatusbutton);
            setBoolAttribute(attributes, QStringLiteral("showcatfullpath"), showcatfullpath);
            setBoolAttribute(attributes, QStringLiteral("showcatnumberofitems"), showcatnumberofitems);
            setBoolAttribute(attributes, QStringLiteral("showcatnumberofmatches"), showcatnumberofmatches);
            setBoolAttribute(attributes, QStringLiteral("shownamewithhotkey"), shownamewithhotkey);
            readUnknownElement(reader);
        } else if (element == QLatin1String("Personalization")) {
            readPersonalizationElement(reader);
        } else if (element == QLatin1String("Search")) {
            readSearchElement(reader);
        } else {
            readUnknownElement(reader);
        }
    }
}

void VorendaShelf::readWindowElement(QXmlStreamReader& reader)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    name = decodeDataText(attributes.value(QStringLiteral("name")).toString());
    mode = numberOf(attributes, QStringLiteral("mode"), 0, lastMode);
    setBoolAttribute(attributes, QStringLiteral("kiosk"), kiosk);

    if (!frame->restore(reader))
        frame->resizeOnScreen(40, 80);

    // Only the check marks follow the frame; their slots would act on it again.
    if (stayOnTopAction) {
        const QSignalBlocker blocker(stayOnTopAction);
        stayOnTopAction->setChecked(frame->staysOnTop());
    }
    if (autoHideAction) {
        const QSignalBlocker blocker(autoHideAction);
        autoHideAction->setChecked(frame->isAutoHide());
    }
}

void VorendaShelf::readPersonalizationElement(QXmlStreamReader& reader)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    int size = numberOf(attributes, QStringLiteral("thumbsize"), INT_MIN, INT_MAX);
    if (size == 0)
        size = VorendaGlobal::SHELF_THUMBSIZE / 2;
    thumbSizeSlider->setValue(qBound(thumbSizeSlider->minimum(), size, thumbSizeSlider->maximum()));

    const QString styleId = decodeDataText(attributes.value(QStringLiteral("style")).toString());
    bool found = false;
    for (auto known = VorendaGlobal::shelfStyles.cbegin(); known != VorendaGlobal::shelfStyles.cend() && !found;
         ++known) {
        if (known.value().id == styleId) {
            style = known.value();
            found = true;
        }
    }
    missingStyleId.clear();
    if (!found && attributes.hasAttribute(QStringLiteral("style"))) {
        missingStyleId = styleId;
        missingStyleStandIn = style.id;
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("No style \"%1\"; the cabinet shows \"%2\" until it is back")
                                                  .arg(styleId, style.name));
    }
    readUnknownElement(reader);
}

QString VorendaShelf::storedStyleId() const
{
    return !missingStyleId.isEmpty() && style.id == missingStyleStandIn ? missingStyleId : style.id;
}

void VorendaShelf::readSearchElement(QXmlStreamReader& reader)
{
    setBoundedIntAttribute(reader.attributes(), QStringLiteral("filtertype"), &filtertype, 0, lastFilterType);
    const QList<QAction*> filterActions{searchNamesOnlyAction, searchTagsOnlyAction, searchDescriptionsOnlyAction,
                                        searchAllAction};
    for (int filter = 0; filter < filterActions.size(); ++filter) {
        if (filterActions.at(filter))
            filterActions.at(filter)->setChecked(filtertype == filter);
    }
    readUnknownElement(reader);
}
