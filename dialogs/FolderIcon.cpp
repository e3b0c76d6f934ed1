#include "FolderIcon.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QStyle>

QPixmap smallPathIcon(const QString& path)
{
    const QSize size(16, 16);
    const QIcon icon = QFileIconProvider().icon(QFileInfo(path));
    QPixmap pixmap = icon.pixmap(size);
    if (pixmap.isNull())
        pixmap = QApplication::style()->standardIcon(QStyle::SP_DirIcon).pixmap(size);
    if (pixmap.isNull()) {
        pixmap = QPixmap(size);
        pixmap.fill(Qt::transparent);
    }
    return pixmap;
}
