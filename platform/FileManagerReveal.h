#pragma once

#include <QDBusConnection>
#include <QString>

// Shows a file selected in the desktop's file manager.
namespace FileManagerReveal {

// Asks org.freedesktop.FileManager1 on `bus` to show the item; true when it answered.
bool showItem(const QString& localPath, const QDBusConnection& bus,
              const QString& service = QStringLiteral("org.freedesktop.FileManager1"));

// Opens the item's parent folder with xdg-open (argument list, never a shell).
bool openParentFolder(const QString& localPath);

// The file manager when one answers on the session bus, else the parent folder.
bool reveal(const QString& localPath);

} // namespace FileManagerReveal
