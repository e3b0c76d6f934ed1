#include "ThumbnailClient.h"

#include "HelperJobFiles.h"
#include "HelperProgram.h"
#include "SaveFileCommit.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamWriter>

ThumbnailClient::ThumbnailClient(const QString& programName, const QString& jobBaseName,
                                 const QString& docType, QObject* parent, HelperSource source)
    : QObject(parent)
    , programName(programName)
    , docType(docType)
    , jobBaseName(jobBaseName)
    , helperSource(source)
{
    if (source == HelperSource::BesideProgram)
        programPath = QCoreApplication::applicationDirPath() + QLatin1Char('/') + programName;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());

    silenceTimer.setSingleShot(true);
    connect(&silenceTimer, &QTimer::timeout, this, &ThumbnailClient::onSilence);

    connect(&process, &QProcess::errorOccurred, this, &ThumbnailClient::processError);
    connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &ThumbnailClient::processFinished);
    connect(&process, &QProcess::readyReadStandardError, this, &ThumbnailClient::readStandardError);
    connect(&process, &QProcess::readyReadStandardOutput, this, &ThumbnailClient::readStandardOutput);
}

ThumbnailClient::~ThumbnailClient()
{
    // The kind's tables are gone already; the helper's end must not reach them.
    disconnect(&process, nullptr, this, nullptr);
    silenceTimer.stop();
    if (running()) {
        process.kill();
        process.waitForFinished(5000);
    }
    removeJobFile();
}

QString ThumbnailClient::program() const
{
    if (!programPath.isEmpty())
        return programPath;
    return findHelperProgram(programName, QCoreApplication::applicationDirPath());
}

void ThumbnailClient::startWaiting(const QString& outputPath)
{
    if (running())
        return;
    this->outputPath = outputPath;
    isAborted = false;
    ready();
}

void ThumbnailClient::abort()
{
    if (running())
        process.kill();
    isAborted = true;
    deleteAllRecords();
}

void ThumbnailClient::ready()
{
    deleteRunningRecords();
    removeJobFile();
    if (!takeWaitingRecords() || isAborted)
        return;
    startProcess();
}

void ThumbnailClient::startProcess()
{
    const QString helper = program();
    if (helperSource == HelperSource::BesideProgramOrPath && !isRunnable(helper)) {
        // Nowhere to be found: every waiting batch would fail to start the same way, so
        // all are dropped now, without a job file or a process for each.
        qWarning() << "Thumbnail helper not found:" << programName;
        do
            deleteRunningRecords();
        while (takeWaitingRecords());
        return;
    }
    // A batch whose job file cannot be written stays without a helper and goes at the next turnover.
    if (!writeJobFile())
        return;
    errorText.clear();
    ++batchNumber;
    process.start(helper, {jobFilePath});
    watchSilence();
}

bool ThumbnailClient::isRunnable(const QString& program)
{
    const QFileInfo file(program);
    return file.isAbsolute() && file.isFile() && file.isExecutable();
}

void ThumbnailClient::writeListAttributes(QXmlStreamWriter&) const
{
}

bool ThumbnailClient::writeJobFile()
{
    jobFilePath = createHelperJobFile(jobBaseName);
    if (jobFilePath.isEmpty())
        return false;

    QSaveFile file(jobFilePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "Thumbnail job file not written:" << jobFilePath << file.errorString();
        removeJobFile();
        return false;
    }
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE %1>").arg(docType));
    xml.writeStartElement(QStringLiteral("Root"));
    xml.writeStartElement(QStringLiteral("List"));
    xml.writeAttribute(QStringLiteral("outputPath"), outputPath);
    writeListAttributes(xml);
    writeItems(xml);
    xml.writeEndElement();
    xml.writeEndDocument();
    QString error = file.errorString();
    if (xml.hasError() || !commitSaveFile(file, &error)) {
        qWarning() << "Thumbnail job file not written:" << jobFilePath << error;
        removeJobFile();
        return false;
    }
    return true;
}

void ThumbnailClient::removeJobFile()
{
    if (jobFilePath.isEmpty())
        return;
    QFile::remove(jobFilePath);
    jobFilePath.clear();
}

void ThumbnailClient::processError(QProcess::ProcessError error)
{
    // Every failure but a failed start ends in finished, which runs the turnover once.
    if (error != QProcess::FailedToStart)
        return;
    qWarning() << "Thumbnail helper not started:" << process.program() << process.errorString();
    silenceTimer.stop();
    removeJobFile();
    if (helperSource == HelperSource::BesideProgramOrPath) {
        // QProcess still tidies up after this signal: the next helper starts once it is done.
        const quint64 batch = batchNumber;
        QTimer::singleShot(0, this, [this, batch] {
            if (batch == batchNumber && !running())
                ready();
        });
    }
}

void ThumbnailClient::processFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    silenceTimer.stop();
    readStandardError();
    // An aborted helper was killed on purpose: nothing to read, nothing to report.
    if (!isAborted) {
        readLines(true);
        const QString name = QFileInfo(process.program()).fileName();
        if (exitStatus == QProcess::CrashExit)
            qWarning() << "Thumbnail helper ended abnormally:" << name;
        else if (exitCode != 0)
            qWarning() << "Thumbnail helper ended with code" << exitCode << name;
    }
    ready();
}

void ThumbnailClient::readStandardError()
{
    // Read so that a talkative helper never fills memory; passed on to the log line by line.
    errorText += process.readAllStandardError();
    int end;
    while ((end = errorText.indexOf('\n')) >= 0) {
        const QByteArray line = errorText.left(end).trimmed();
        errorText.remove(0, end + 1);
        if (!line.isEmpty())
            qInfo().noquote() << QFileInfo(process.program()).fileName() + QStringLiteral(": ") + QString::fromLocal8Bit(line);
    }
    if (errorText.size() > 4096)
        errorText.clear();
    if (running())
        watchSilence();
}

void ThumbnailClient::readStandardOutput()
{
    if (isAborted)
        return;
    readLines(false);
    // Measured from the delivered records on: the rest of the batch may take less.
    if (running())
        watchSilence();
}

void ThumbnailClient::watchSilence()
{
    silenceTimer.start(silenceLimit());
}

void ThumbnailClient::readLines(bool untilEnd)
{
    // Whole lines only while the helper runs: a line that arrives in two pieces is
    // read once it is complete.
    while (process.canReadLine() || (untilEnd && process.bytesAvailable() > 0)) {
        const QString line = QString::fromLocal8Bit(process.readLine()).trimmed();
        if (!line.isEmpty())
            readLine(line);
        if (isAborted)
            return;
    }
}

void ThumbnailClient::onSilence()
{
    if (!running())
        return;
    qWarning() << "Thumbnail helper silent for" << silenceTimer.interval() << "ms, ended:"
               << QFileInfo(process.program()).fileName();
    process.kill();
}
