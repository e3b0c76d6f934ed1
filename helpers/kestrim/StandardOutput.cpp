#include "StandardOutput.h"

#include <QTextStream>

#include <cstdio>

StandardOutput::StandardOutput(QObject* parent)
    : QObject(parent)
{
}

void StandardOutput::onThumbCreated(const QString& key, const QString& path, const QVariant&)
{
    QTextStream out(stdout);
    out << (key.isEmpty() ? path : key) << Qt::endl;
}

void StandardOutput::onFinished(int, bool)
{
    emit finished();
}
