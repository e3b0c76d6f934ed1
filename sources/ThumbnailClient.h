#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

class QXmlStreamWriter;

// Drives one thumbnail helper program. Records gather into batches; each batch goes
// to the helper as a job file of its own, whose path is the helper's only argument,
// and each line the helper prints delivers the record with that key. One helper runs
// at a time: records handed over meanwhile form the next batch, which starts when the
// helper ends, however it ends. A helper that stays silent longer than silenceLimit()
// is taken for stuck: it is killed and its batch dropped. Nothing is reported to the
// user: a thumbnail that fails simply never arrives.
class ThumbnailClient : public QObject
{
    Q_OBJECT

public:
    static constexpr int DEFAULT_SILENCE_TIMEOUT = 60000;

    ~ThumbnailClient() override;

    bool aborted() const { return isAborted; }
    bool running() const { return process.state() != QProcess::NotRunning; }

    // The job file of the batch in the helper's hands; empty when there is none.
    QString getDataFilePath() const { return jobFilePath; }

    // The helper program the next batch starts: the one set, else the one found by
    // the kind's lookup.
    QString program() const;
    void setProgram(const QString& path) { programPath = path; }

    // The silence any helper may keep between two lines.
    int silenceTimeout() const { return silenceMs; }
    void setSilenceTimeout(int ms) { silenceMs = ms; }
    // The silence the helper may keep from now on: silenceTimeout() and what the
    // records still in its hands may rightly take.
    int silenceLimit() const { return silenceMs + silenceAllowance(); }

public slots:
    // Kills the helper and drops every record; no batch starts until the next start
    // that finds the helper idle.
    void abort();

protected:
    // Where a kind's helper comes from decides how it is found and what a helper that
    // cannot be started costs.
    enum class HelperSource {
        // Installed with the program, beside it: a batch whose helper did not start
        // waits for the next start.
        BesideProgram,
        // Looked up at each batch beside the program, then on PATH: a batch whose
        // helper did not start is dropped, and the next one starts; while the helper
        // is missing, every batch is dropped as it comes.
        BesideProgramOrPath
    };

    // Job files are named from `jobBaseName`.
    ThumbnailClient(const QString& programName, const QString& jobBaseName, const QString& docType,
                    QObject* parent, HelperSource source = HelperSource::BesideProgram);

    // Called by a kind's start once its records wait: starts a batch unless the helper runs.
    void startWaiting(const QString& outputPath);

    // The batch turnover: drops the records of the ended batch, removes its job file
    // and hands the waiting records to a new helper.
    void ready();

    // What each kind adds: its record tables, its job-file entries and its output lines.
    virtual void deleteRunningRecords() = 0;
    virtual void deleteAllRecords() = 0;
    virtual bool takeWaitingRecords() = 0;
    virtual void writeListAttributes(QXmlStreamWriter& xml) const;
    virtual void writeItems(QXmlStreamWriter& xml) const = 0;
    virtual void readLine(const QString& line) = 0;
    // Silence beyond silenceTimeout() that the running records may rightly cost.
    virtual int silenceAllowance() const { return 0; }

    QString outputPath;

protected slots:
    void startProcess();
    void processError(QProcess::ProcessError error);
    void processFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void readStandardError();
    void readStandardOutput();

private:
    static bool isRunnable(const QString& program);
    bool writeJobFile();
    void removeJobFile();
    void readLines(bool untilEnd);
    void watchSilence();
    void onSilence();

    const QString programName;
    const QString docType;
    const QString jobBaseName;
    const HelperSource helperSource;
    QString programPath; // set by setProgram; else found by program()
    quint64 batchNumber = 0;
    QString jobFilePath;
    QProcess process;
    QTimer silenceTimer;
    int silenceMs = DEFAULT_SILENCE_TIMEOUT;
    QByteArray errorText;
    bool isAborted = false;
};
