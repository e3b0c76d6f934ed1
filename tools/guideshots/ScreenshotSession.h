#pragma once

#include "GuideSamples.h"

#include <QDir>
#include <QRect>
#include <QString>

#include <memory>

class MyThumbnailItem;
class QWidget;
class VorendaShelf;

// One run of the program's windows for the guide: a cabinet filled with the samples
// in a private home, shown on a plain backdrop, and the windows the guide pictures,
// grabbed from the X server into the guide's folder.
class ScreenshotSession
{
public:
    ScreenshotSession(const QString& home, const QDir& output, const GuideSamples& samples);
    ~ScreenshotSession();

    // Every screenshot; false, with a message, when one could not be made.
    bool run();

private:
    bool makeFiles();
    QString photoPath(int index) const;
    // A path below the private home as it reads below "/home/<user>".
    QString shownPath(const QString& path) const;
    void makeCabinet();
    bool fillCabinet();
    MyThumbnailItem* itemNamed(const QString& name) const;
    bool grab(const QRect& area, const QString& fileName) const;
    static void settle(int ms);

    QString home;
    QDir output;
    GuideSamples samples;
    std::unique_ptr<QWidget> backdrop;
    std::unique_ptr<VorendaShelf> cabinet;
};
