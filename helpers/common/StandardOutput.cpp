#include "StandardOutput.h"

#include <cstdio>

StandardOutput::StandardOutput(Form form, QObject* parent)
    : QObject(parent)
    , form(form)
{
}

QByteArray StandardOutput::fieldsLine(const QString& name, const QList<qint64>& numbers)
{
    QString line = QLatin1Char('(') + name + QLatin1Char(')');
    for (const qint64 number : numbers)
        line += QLatin1Char('(') + QString::number(number) + QLatin1Char(')');
    return line.toLocal8Bit() + '\n';
}

void StandardOutput::write(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

void StandardOutput::onThumbCreated(const QString& key, const QString& path, const QVariant& data)
{
    const QString name = lineName(key, path);
    if (form == NameAlone) {
        write(name.toLocal8Bit() + '\n');
        return;
    }
    QList<qint64> numbers;
    const QVariantList values = data.toList();
    for (const QVariant& value : values)
        numbers.append(value.toLongLong());
    write(fieldsLine(name, numbers));
}

void StandardOutput::onFinished()
{
    emit finished();
}
