#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// What the guide's cabinet holds, in the guide's language: the names of its
// categories, files, programs and tags, and the photographs it shows.
struct GuideSamples
{
    QString language;
    QString desktopCategory;
    QString photosCategory;
    QString applicationsCategory;
    QStringList desktopFiles;   // file names, a folder's ending in '/'
    QStringList photoNames;     // base names of the JPEG files
    QStringList programs;       // "Name|icon" of the menu entries
    QString searchText;         // matches a few of the desktop files
    QString editedPhotoNotes;   // the description of the first photograph
    QStringList tags;           // every tag; the first three belong to the first photograph
    QString cabinetName;
    QString userName;           // the home folder's name
    QString desktopFolder;      // the home's folders, named as in the language
    QString picturesFolder;

    static GuideSamples forLanguage(const QString& language);
    // A landscape photograph of our own: sky, hills and water, in one of three lights.
    static QImage photograph(int index, const QSize& size);
};
