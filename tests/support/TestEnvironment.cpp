#include "TestEnvironment.h"

#include <QDir>
#include <QStandardPaths>

namespace {
TestEnvironment* current = nullptr;
}

TestEnvironment::TestEnvironment()
{
    current = this;
    QDir root(dir.path());
    root.mkpath(QStringLiteral("home/Desktop"));
    root.mkpath(QStringLiteral("config"));
    root.mkpath(QStringLiteral("data"));
    root.mkpath(QStringLiteral("cache"));
    root.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(runtimeFolder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", QFile::encodeName(home()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path() + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.path() + QStringLiteral("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder()));
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QStandardPaths::setTestModeEnabled(true);
}

TestEnvironment* TestEnvironment::instance()
{
    return current;
}

QStringList TestEnvironment::logLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines;
    const QStringList raw = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : raw)
        lines << line.section(QStringLiteral(" > "), 1);
    return lines;
}

QString TestEnvironment::installStub(const QString& name, const QByteArray& script)
{
    const QString stubs = dir.path() + QStringLiteral("/stubs");
    QDir().mkpath(stubs);
    QFile stub(stubs + QLatin1Char('/') + name);
    if (stub.open(QIODevice::WriteOnly)) {
        stub.write("#!/bin/sh\n" + script);
        stub.close();
        stub.setPermissions(stub.permissions() | QFileDevice::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    const QByteArray prefix = QFile::encodeName(stubs) + ':';
    if (!path.startsWith(prefix))
        qputenv("PATH", prefix + path);
    return stub.fileName();
}
