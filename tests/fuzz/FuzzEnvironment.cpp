#include "FuzzEnvironment.h"

#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace {

std::unique_ptr<TestEnvironment> environment;
// Never destroyed: at exit, the statics of Qt that its destructor uses are gone.
QCoreApplication* application = nullptr;
QString scratch;

void dropNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qt_message_output(type, context, message);
}

// Qt's application objects read their options from argv and take away those they know;
// libFuzzer reads its own flags from the same argv afterwards, so Qt gets a copy.
int applicationArgc = 1;
char applicationName[] = "fuzz";
char* applicationArgv[] = {applicationName, nullptr};

} // namespace

namespace FuzzEnvironment {

void start(Application kind)
{
    environment = std::make_unique<TestEnvironment>();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_FONTDIR", "/usr/share/fonts/truetype/dejavu");
    qInstallMessageHandler(dropNotices);
    switch (kind) {
    case Application::Core:
        application = new QCoreApplication(applicationArgc, applicationArgv);
        break;
    case Application::Gui:
        application = new QGuiApplication(applicationArgc, applicationArgv);
        break;
    case Application::Widgets:
        application = new QApplication(applicationArgc, applicationArgv);
        break;
    }
    scratch = environment->root() + QStringLiteral("/scratch");
    clearScratch();
}

QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

QString scratchFolder()
{
    return scratch;
}

void clearScratch()
{
    QDir(scratch).removeRecursively();
    QDir().mkpath(scratch);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QString writeScratchFile(const QString& name, const QByteArray& bytes)
{
    const QString path = scratch + QLatin1Char('/') + name;
    writeFile(path, bytes);
    return path;
}

InScratchFolder::InScratchFolder()
    : previous(QDir::currentPath())
{
    QDir::setCurrent(scratch);
}

InScratchFolder::~InScratchFolder()
{
    QDir::setCurrent(previous);
}

} // namespace FuzzEnvironment
