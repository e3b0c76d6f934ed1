#include "StandardOutput.h"

#include "DovalinnailCreator.h"

#include <QTextStream>

#include <cstdio>

StandardOutput::StandardOutput(QObject* parent)
    : QObject(parent)
{
}

void StandardOutput::onThumbCreated(QString key, QString path, QVariant data)
{
    auto* item = reinterpret_cast<DovalinnailCreator::Data*>(quintptr(data.toLongLong()));
    if (!item)
        return;
    QTextStream(stdout) << QStringLiteral("(%1)(%2)(%3)(%4)")
                               .arg(key.isEmpty() ? path : key)
                               .arg(item->isPhoto ? 1 : 0)
                               .arg(item->imageSize.width())
                               .arg(item->imageSize.height())
                        << Qt::endl;
    delete item;
}

void StandardOutput::onFinished(int)
{
    emit finished();
}
