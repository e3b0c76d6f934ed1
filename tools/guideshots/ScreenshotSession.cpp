#include "ScreenshotSession.h"

#include "CategoryHeaderItem.h"
#include "DockableWidget.h"
#include "ItemPropertiesDialog.h"
#include "MyThumbnailItem.h"
#include "TagItem.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QThread>

#include <cstdio>

namespace {

// A calm desktop behind the windows, so their rounded corners and shadows show.
class Backdrop : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient fill(0.0, 0.0, width() * 0.3, height());
        fill.setColorAt(0.0, QColor(86, 112, 140));
        fill.setColorAt(1.0, QColor(44, 62, 84));
        painter.fillRect(rect(), fill);
    }
};

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Space around a window in its screenshot.
constexpr int MARGIN = 14;

} // namespace

ScreenshotSession::ScreenshotSession(const QString& home, const QDir& output, const GuideSamples& samples)
    : home(home)
    , output(output)
    , samples(samples)
{
}

ScreenshotSession::~ScreenshotSession()
{
    delete ItemPropertiesDialog::instance();
    cabinet.reset();
}

void ScreenshotSession::settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

bool ScreenshotSession::makeFiles()
{
    const QDir root(home);
    bool ok = root.mkpath(samples.desktopFolder) && root.mkpath(samples.picturesFolder)
        && root.mkpath(QStringLiteral("Applications"));
    for (const QString& name : qAsConst(samples.desktopFiles)) {
        const QString path = root.filePath(samples.desktopFolder + QLatin1Char('/') + name);
        ok = ok && (name.endsWith(QLatin1Char('/')) ? root.mkpath(path) : writeFile(path, "\n"));
    }
    for (int i = 0; i < samples.photoNames.size(); ++i)
        ok = ok && GuideSamples::photograph(i, QSize(1200, 800)).save(photoPath(i), "JPEG", 90);
    for (int i = 0; i < samples.programs.size(); ++i) {
        const QStringList parts = samples.programs.at(i).split(QLatin1Char('|'));
        const QByteArray entry = "[Desktop Entry]\nType=Application\nExec=true\nName=" + parts.at(0).toUtf8()
            + "\nIcon=" + parts.at(1).toUtf8() + "\n";
        ok = ok && writeFile(root.filePath(QStringLiteral("Applications/program%1.desktop").arg(i)), entry);
    }
    return ok;
}

QString ScreenshotSession::shownPath(const QString& path) const
{
    if (!path.startsWith(home + QLatin1Char('/')))
        return path;
    return QStringLiteral("/home/") + samples.userName + path.mid(home.size());
}

QString ScreenshotSession::photoPath(int index) const
{
    return QDir(home).filePath(samples.picturesFolder + QLatin1Char('/') + samples.photoNames.at(index)
                               + QStringLiteral(".jpg"));
}

void ScreenshotSession::makeCabinet()
{
    // The preferences' largest picture size, small enough for the whole cabinet to fit.
    VorendaGlobal::SHELF_MAXTHUMBSIZE = 72;
    cabinet = std::make_unique<VorendaShelf>();
    cabinet->id = QStringLiteral("guide");
    cabinet->fileName = QStringLiteral("guide.dat");
    cabinet->name = samples.cabinetName;
    const QString woodName = ShelfStyle::translatedName(QStringLiteral("Wood #2"));
    for (const ShelfStyle& style : qAsConst(VorendaGlobal::shelfStyles)) {
        if (style.name == woodName)
            cabinet->style = style;
    }
    cabinet->initialize();
    cabinet->frame->setAutoHide(false);
    cabinet->frame->setShowHotkey(QKeySequence(QStringLiteral("Ctrl+1")));
    cabinet->onApplySettings();
}

bool ScreenshotSession::fillCabinet()
{
    const QDir root(home);
    const auto key = [this](const QString& name) {
        CategoryHeaderItem* category = cabinet->addCategory(name, -1);
        return category ? category->getKey() : -1;
    };
    const int desktop = key(samples.desktopCategory);
    for (QString name : qAsConst(samples.desktopFiles)) {
        if (name.endsWith(QLatin1Char('/')))
            name.chop(1);
        cabinet->addItem(QString(), root.filePath(samples.desktopFolder + QLatin1Char('/') + name), QPixmap(), desktop,
                         GenericPath);
    }
    const int photos = key(samples.photosCategory);
    for (int i = 0; i < samples.photoNames.size(); ++i)
        cabinet->addItem(samples.photoNames.at(i), photoPath(i), QPixmap(), photos, GenericPath);
    const int programs = key(samples.applicationsCategory);
    for (int i = 0; i < samples.programs.size(); ++i) {
        cabinet->addItem(samples.programs.at(i).section(QLatin1Char('|'), 0, 0),
                         root.filePath(QStringLiteral("Applications/program%1.desktop").arg(i)), QPixmap(), programs,
                         GenericPath);
    }
    for (AbstractThumbnailItem* item : cabinet->view->getAllItems())
        static_cast<MyThumbnailItem*>(item)->showItemLabel(true, false);
    cabinet->view->updateLayout();
    cabinet->updateStatusLabel();
    return cabinet->view->getAllItems().size()
        == samples.desktopFiles.size() + samples.photoNames.size() + samples.programs.size();
}

MyThumbnailItem* ScreenshotSession::itemNamed(const QString& name) const
{
    for (AbstractThumbnailItem* item : cabinet->view->getAllItems()) {
        auto* cabinetItem = static_cast<MyThumbnailItem*>(item);
        if (cabinetItem->properties.name == name)
            return cabinetItem;
    }
    return nullptr;
}

bool ScreenshotSession::grab(const QRect& area, const QString& fileName) const
{
    const QRect shot = area.adjusted(-MARGIN, -MARGIN, MARGIN, MARGIN);
    const QImage image =
        QGuiApplication::primaryScreen()->grabWindow(0, shot.x(), shot.y(), shot.width(), shot.height()).toImage();
    const QString path = output.filePath(fileName);
    if (image.isNull() || !image.save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool ScreenshotSession::run()
{
    if (!makeFiles()) {
        std::fprintf(stderr, "could not write the sample files below %s\n", qPrintable(home));
        return false;
    }
    backdrop = std::make_unique<Backdrop>();
    backdrop->setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
    backdrop->setGeometry(QGuiApplication::primaryScreen()->geometry());
    backdrop->show();

    makeCabinet();
    cabinet->show();
    cabinet->setGeometry(QRect(80, 60, 560, 580));
    settle(300);
    if (!fillCabinet()) {
        std::fprintf(stderr, "the cabinet did not take every sample\n");
        return false;
    }
    // The image helper makes the photographs' thumbnails, in their own proportions
    // where the file's icon was square.
    QElapsedTimer waited;
    waited.start();
    const auto photosDone = [this] {
        for (const QString& name : qAsConst(samples.photoNames)) {
            const MyThumbnailItem* item = itemNamed(name);
            if (!item || item->getImage().width() == item->getImage().height())
                return false;
        }
        return true;
    };
    while (!photosDone() && waited.elapsed() < 30000)
        settle(100);
    if (!photosDone())
        std::fprintf(stderr, "the photographs' thumbnails did not arrive; their icons are shown\n");
    cabinet->view->updateLayout();
    cabinet->view->verticalScrollBar()->setValue(0);
    settle(800);
    if (!grab(cabinet->frameGeometry(), QStringLiteral("cabinet.png")))
        return false;

    cabinet->searchBox->setText(samples.searchText);
    settle(800);
    if (!grab(cabinet->frameGeometry(), QStringLiteral("search.png")))
        return false;
    cabinet->searchBox->clear();
    settle(300);

    MyThumbnailItem* photo = itemNamed(samples.photoNames.first());
    if (!photo)
        return false;
    VorendaGlobal::tags = samples.tags;
    photo->properties.tags = samples.tags.mid(0, 3);
    photo->properties.notes = samples.editedPhotoNotes;
    cabinet->view->scene()->clearSelection();
    photo->setSelected(true);
    ItemPropertiesDialog* dialog = ItemPropertiesDialog::instance();
    dialog->show(photo);
    // The samples lie in a temporary home; the picture shows the path they would have
    // in the user's own.
    dialog->targetLineEdit->setText(shownPath(photo->properties.target));
    dialog->targetLineEdit->setCursorPosition(0);
    // Beside the cabinet, on the backdrop.
    dialog->move(cabinet->frameGeometry().topRight() + QPoint(60, 40));
    settle(800);
    return grab(dialog->frameGeometry(), QStringLiteral("properties.png"));
}
