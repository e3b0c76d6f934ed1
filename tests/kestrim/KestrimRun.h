#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QColor>
#include <QImage>
#include <QPair>
#include <QProcess>
#include <QSaveFile>
#include <QSet>
#include <QTimer>
#include <QVector>
#include <QXmlStreamWriter>

#include <csignal>

// Roughly the colour `expected` at a point given in fractions of the picture.
inline bool looksLike(const QImage& image, double fx, double fy, const QColor& expected)
{
    if (image.isNull())
        return false;
    const QColor c = image.pixelColor(int(fx * (image.width() - 1)), int(fy * (image.height() - 1)));
    return qAbs(c.red() - expected.red()) < 40 && qAbs(c.green() - expected.green()) < 40
        && qAbs(c.blue() - expected.blue()) < 40;
}

// One page of a job file, with what the cabinet sends by default.
struct JobItem
{
    QString url;
    QString key;
    QString thumbName;  // null: the key and a dot
    QString thumbFormat = QStringLiteral("PNG");
    int pageWidth = 1100;
    int pageHeight = 825;
    int thumbWidth = 256;
    int thumbHeight = 256;
};

using Attributes = QVector<QPair<QString, QString>>;

// Writes a job file as the web client does; `listAttributes` follow "outputPath".
inline bool writeJobFile(const QString& path, const QString& outputPath, const Attributes& listAttributes,
                         const QVector<JobItem>& items, const QString& doctype = QStringLiteral("Kestrim-Data"))
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    if (!doctype.isEmpty())
        xml.writeDTD(QStringLiteral("<!DOCTYPE %1>").arg(doctype));
    xml.writeStartElement(QStringLiteral("Root"));
    xml.writeStartElement(QStringLiteral("List"));
    xml.writeAttribute(QStringLiteral("outputPath"), outputPath);
    for (const auto& attribute : listAttributes)
        xml.writeAttribute(attribute.first, attribute.second);
    for (const JobItem& item : items) {
        xml.writeEmptyElement(QStringLiteral("Item"));
        xml.writeAttribute(QStringLiteral("url"), item.url);
        xml.writeAttribute(QStringLiteral("thumbName"), item.thumbName.isNull() ? item.key + QLatin1Char('.') : item.thumbName);
        xml.writeAttribute(QStringLiteral("thumbFormat"), item.thumbFormat);
        xml.writeAttribute(QStringLiteral("key"), item.key);
        xml.writeAttribute(QStringLiteral("pageWidth"), QString::number(item.pageWidth));
        xml.writeAttribute(QStringLiteral("pageHeight"), QString::number(item.pageHeight));
        xml.writeAttribute(QStringLiteral("thumbWidth"), QString::number(item.thumbWidth));
        xml.writeAttribute(QStringLiteral("thumbHeight"), QString::number(item.thumbHeight));
    }
    xml.writeEndDocument();
    return !xml.hasError() && file.commit();
}

// The page processes a Kestrim process has started and not yet reaped; other
// children (a sanitizer's helper at exit) do not count.
inline QSet<qint64> childProcesses(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
    QSet<qint64> children;
    if (!file.open(QIODevice::ReadOnly))
        return children;
    const QList<QByteArray> ids = file.readAll().simplified().split(' ');
    for (const QByteArray& id : ids) {
        QFile environment(QStringLiteral("/proc/%1/environ").arg(QString::fromLatin1(id)));
        if (!id.isEmpty() && environment.open(QIODevice::ReadOnly)
            && environment.readAll().contains("KESTRIM_PAGE_WORKER="))
            children.insert(id.toLongLong());
    }
    return children;
}

// True while a process exists and is not a zombie.
inline bool processAlive(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    const QByteArray stat = status.readAll();
    const int close = stat.lastIndexOf(')');
    return close > 0 && stat.mid(close + 2, 1) != "Z";
}

// The real kestrim binary, started as the web client starts it, watched while it
// runs: its lines, its page processes and how it ends. The caller's event loop
// keeps turning meanwhile, so a server in the test process answers.
class KestrimRun : public QObject
{
public:
    explicit KestrimRun(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* proxy : {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
            environment.remove(QString::fromLatin1(proxy));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        connect(&process, &QProcess::readyReadStandardOutput, this, [this] {
            buffer += process.readAllStandardOutput();
            int end;
            while ((end = buffer.indexOf('\n')) >= 0) {
                lines.append(QString::fromUtf8(buffer.left(end)));
                buffer.remove(0, end + 1);
            }
        });
        connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
                [this](int code, QProcess::ExitStatus status) {
                    exitCode = status == QProcess::NormalExit ? code : -1;
                    elapsed = clock.elapsed();
                    loop.quit();
                });
        connect(&watch, &QTimer::timeout, this, [this] {
            const QSet<qint64> children = childProcesses(process.processId());
            pageProcesses.unite(children);
            mostPages = qMax(mostPages, children.size());
        });
        clock.start();
        process.start(QStringLiteral(VORENDA_BIN_DIR "/kestrim"), arguments);
        watch.start(10);
    }

    ~KestrimRun() override
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    // Runs the event loop until Kestrim ends or `ms` pass; true when it ended.
    bool waitForEnd(int ms)
    {
        if (process.state() != QProcess::NotRunning) {
            QTimer limit;
            limit.setSingleShot(true);
            connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
            limit.start(ms);
            loop.exec();
        }
        watch.stop();
        return process.state() == QProcess::NotRunning;
    }

    // Runs the event loop until a page process exists or `ms` pass.
    qint64 waitForPageProcess(int ms)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < ms && process.state() != QProcess::NotRunning) {
            const QSet<qint64> children = childProcesses(process.processId());
            if (!children.isEmpty())
                return *children.begin();
            QEventLoop pause;
            QTimer::singleShot(10, &pause, &QEventLoop::quit);
            pause.exec();
        }
        return 0;
    }

    void killHard() { ::kill(pid_t(process.processId()), SIGKILL); }
    qint64 processId() const { return process.processId(); }

    QStringList lines;
    int exitCode = -2;
    qint64 elapsed = -1;
    QSet<qint64> pageProcesses;
    int mostPages = 0;

private:
    QProcess process;
    QByteArray buffer;
    QEventLoop loop;
    QTimer watch;
    QElapsedTimer clock;
};
