#pragma once

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamWriter>

#include <cstdlib>
#include <dlfcn.h>

// Runs the video or audio helper from the build's bin folder as the clients do: a
// job file, one argument, lines on standard output, thumbnails in the output folder.
namespace MediaHelperRun {

// One item of a job, with what the cabinet sends by default.
struct Item
{
    Item(const QString& filePath, const QString& key)
        : filePath(filePath)
        , key(key)
    {
    }

    QString filePath;
    QString key;
    QString thumbName; // null: the key and a dot
    int thumbTime = 0;
    int borderSize = 30;
    int alpha = 255;
};

struct Result
{
    int exitCode = -2;
    QStringList lines;
    QStringList errors;
    qint64 peakBytes = -1; // the most memory the helper and its job processes held, when measured
};

inline QByteArray job(const QString& docType, const QString& outputFolder, const QList<Item>& items)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE %1>").arg(docType));
    writer.writeStartElement(QStringLiteral("Root"));
    writer.writeStartElement(QStringLiteral("List"));
    writer.writeAttribute(QStringLiteral("outputPath"), outputFolder);
    const bool video = docType == QLatin1String("Tulmar-Data");
    for (const Item& item : items) {
        writer.writeEmptyElement(QStringLiteral("Item"));
        writer.writeAttribute(QStringLiteral("filePath"), item.filePath);
        writer.writeAttribute(QStringLiteral("thumbName"),
                              item.thumbName.isNull() ? item.key + QLatin1Char('.') : item.thumbName);
        writer.writeAttribute(QStringLiteral("thumbFormat"), QStringLiteral("PNG"));
        writer.writeAttribute(QStringLiteral("key"), item.key);
        writer.writeAttribute(QStringLiteral("thumbWidth"), QStringLiteral("256"));
        writer.writeAttribute(QStringLiteral("thumbHeight"), QStringLiteral("256"));
        if (video) {
            writer.writeAttribute(QStringLiteral("thumbAlpha"), QString::number(item.alpha));
            writer.writeAttribute(QStringLiteral("thumbTime"), QString::number(item.thumbTime));
            writer.writeAttribute(QStringLiteral("filmBorderSize"), QString::number(item.borderSize));
            writer.writeAttribute(QStringLiteral("filmBorderSpacing"), QStringLiteral("18"));
            writer.writeAttribute(QStringLiteral("filmBorderColor"), QStringLiteral("E6000000"));
            writer.writeAttribute(QStringLiteral("filmBackColor"), QStringLiteral("FF000000"));
        }
    }
    writer.writeEndDocument();
    return xml;
}

inline QStringList nonEmptyLines(const QByteArray& text)
{
    QStringList lines;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty())
            lines << QString::fromUtf8(line);
    return lines;
}

// The FFmpeg libraries are not instrumented: a write of theirs past a buffer goes
// unseen by the sanitizers. The C library's own heap checks catch it when the helper
// frees memory, and fresh and freed memory are filled so that stale reads show. Under
// AddressSanitizer, whose allocator stands in for the C library's, only the filling is
// asked for (and ignored).
inline void checkHeap(QProcessEnvironment& environment)
{
    environment.insert(QStringLiteral("MALLOC_PERTURB_"), QStringLiteral("165"));
#ifndef __SANITIZE_ADDRESS__
    // The checks live in a library beside the C library's own.
    Dl_info libc {};
    if (!::dladdr(reinterpret_cast<void*>(&::free), &libc) || !libc.dli_fname)
        return;
    const QString checkingAllocator =
        QFileInfo(QFile::decodeName(libc.dli_fname)).absolutePath() + QStringLiteral("/libc_malloc_debug.so.0");
    if (QFile::exists(checkingAllocator)) {
        environment.insert(QStringLiteral("LD_PRELOAD"), checkingAllocator);
        environment.insert(QStringLiteral("GLIBC_TUNABLES"), QStringLiteral("glibc.malloc.check=3"));
    }
#endif
}

enum class Memory { Unmeasured, Measured };

// Runs `program` (a name in the bin folder) with `arguments`, its heap checked; when
// measured, through peakrss (built by the test's dependency on vorenda_peakrss), whose
// line leaves the errors for `peakBytes`.
inline Result run(const QString& program, const QStringList& arguments, Memory memory = Memory::Unmeasured)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    checkHeap(environment);
    process.setProcessEnvironment(environment);
    const QString path = QStringLiteral(VORENDA_BIN_DIR "/") + program;
    if (memory == Memory::Measured)
        process.start(QStringLiteral(VORENDA_BUILD_DIR "/tests/peakrss"), QStringList(path) + arguments);
    else
        process.start(path, arguments);
    Result result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.lines = nonEmptyLines(process.readAllStandardOutput());
    result.errors = nonEmptyLines(process.readAllStandardError());
    const QString peak = QStringLiteral("peak resident KB: ");
    if (memory == Memory::Measured && !result.errors.isEmpty() && result.errors.last().startsWith(peak))
        result.peakBytes = result.errors.takeLast().mid(peak.size()).toLongLong() * 1024;
    return result;
}

// Writes the job into `jobPath` and runs the helper on it.
inline Result runJob(const QString& program, const QString& jobPath, const QByteArray& jobBytes,
                     Memory memory = Memory::Unmeasured)
{
    QFile file(jobPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(jobBytes) != jobBytes.size())
        return Result();
    file.close();
    return run(program, {jobPath}, memory);
}

// The most memory a helper may hold for a file whose pictures are bounded, sanitized
// or not (about 60 MB for the largest of the tests' pictures, under AddressSanitizer):
// far below what any picture bomb of theirs would take if it were decoded whole.
constexpr qint64 BOUNDED_PEAK_BYTES = 300 * 1024LL * 1024;

// The numbers of an output line "(key)(1)(2)…", after the key.
inline QList<int> numbersOf(const QString& line)
{
    QList<int> numbers;
    const QRegularExpression field(QStringLiteral("\\(([^)]*)\\)"));
    auto it = field.globalMatch(line);
    if (it.hasNext())
        it.next();
    while (it.hasNext())
        numbers << it.next().captured(1).toInt();
    return numbers;
}

// Roughly `expected`: lossy compression moves colours a little.
inline bool near(const QColor& actual, const QColor& expected, int tolerance = 30)
{
    return qAbs(actual.red() - expected.red()) <= tolerance && qAbs(actual.green() - expected.green()) <= tolerance
        && qAbs(actual.blue() - expected.blue()) <= tolerance;
}

// How many pixels of `image` are roughly `colour`.
inline int pixelsNear(const QImage& image, const QColor& colour, int tolerance = 30)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (near(image.pixelColor(x, y), colour, tolerance))
                ++count;
        }
    }
    return count;
}

} // namespace MediaHelperRun
