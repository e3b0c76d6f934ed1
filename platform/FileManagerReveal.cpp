#include "FileManagerReveal.h"

#include <QDBusMessage>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace FileManagerReveal {

bool showItem(const QString& localPath, const QDBusConnection& bus, const QString& service)
{
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/FileManager1"),
                                                       QStringLiteral("org.freedesktop.FileManager1"),
                                                       QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(localPath).toString(QUrl::FullyEncoded)} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool openParentFolder(const QString& localPath)
{
    const QString folder = QFileInfo(localPath).absolutePath();
    return QProcess::startDetached(QStringLiteral("xdg-open"),
                                   {QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded)});
}

bool reveal(const QString& localPath)
{
    if (showItem(localPath, QDBusConnection::sessionBus()))
        return true;
    return openParentFolder(localPath);
}

} // namespace FileManagerReveal
