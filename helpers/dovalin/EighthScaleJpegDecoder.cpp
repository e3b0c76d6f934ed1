#include "EighthScaleJpegDecoder.h"

#include "EighthScalePicture.h"
#include "EntropyStream.h"
#include "JpegHeader.h"
#include "ParallelScanDecoder.h"
#include "ScanUnitDecoder.h"

#include <QtMath>

#include <algorithm>

namespace {

// The largest file taken: bit positions stay well inside 32 bits.
constexpr int mostFileBytes = 256 * 1024 * 1024;

// The header of a file the decoder takes.
bool readHeader(const QByteArray& file, JpegHeader& header)
{
    return file.size() <= mostFileBytes && header.parse(file);
}

} // namespace

bool EighthScaleJpegDecoder::readerTakesEighth(const QSize& source, const QSize& target)
{
    if (source.isEmpty() || target.isEmpty())
        return false;
    // The reader's own choice of the decoder's scale, M/8 with M from 1 to 8.
    const double factor = qMin(double(source.width()) / target.width(), double(source.height()) / target.height());
    return qBound(1, qCeil(8 / factor), 8) == 1;
}

QImage EighthScaleJpegDecoder::decode(const QByteArray& file, const QSize& target, int threads, Figures* figures)
{
    JpegHeader header;
    if (!readHeader(file, header) || !readerTakesEighth(QSize(header.width, header.height), target))
        return QImage();
    QImage picture = decodeEighth(header, file, threads, defaultChunkBytes, figures);
    if (!picture.isNull() && picture.size() != target)
        picture = picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

QImage EighthScaleJpegDecoder::decodeEighth(const QByteArray& file, int threads, int chunkBytes, Figures* figures)
{
    JpegHeader header;
    if (!readHeader(file, header))
        return QImage();
    return decodeEighth(header, file, threads, chunkBytes, figures);
}

QImage EighthScaleJpegDecoder::decodeEighth(const JpegHeader& header, const QByteArray& file, int threads,
                                            int chunkBytes, Figures* figures)
{
    // What is held besides the records of the units: the file, its entropy-coded data
    // (no longer than the file's rest) and the picture at an eighth.
    const QSize eighth = header.eighthSize();
    const qint64 pictureBytes = qint64(eighth.width()) * eighth.height() * 4;
    const qint64 otherBytes = file.size() + (file.size() - header.scanStart + qint64(EntropyStream::padBytes))
        + pictureBytes;
    EntropyStream stream;
    const ScanUnitDecoder units(header);
    ParallelScanDecoder scan(header, stream, units);
    if (otherBytes + qint64(scan.leastRecordBytes()) > mostBytes)
        return QImage();
    if (!stream.prepare(file, header.scanStart, header.restartInterval, threads, size_t(std::max(1, chunkBytes))))
        return QImage();
    const bool decoded = scan.decode(std::max(1, threads), uint64_t(std::max(1, chunkBytes)) * 8,
                                     uint64_t(mostBytes - otherBytes));
    if (figures) {
        figures->overlapBits = scan.overlapBits();
        figures->decodedUnits = scan.decodedUnits();
        figures->heldBytes = otherBytes + qint64(scan.heldBytes());
    }
    if (!decoded)
        return QImage();

    QImage picture = EighthScalePicture::render(header, scan.dcValues(), scan.reducedTerms(), threads);
    if (picture.isNull())
        return picture;
    // The density the reader takes from the JFIF header.
    if (header.densityUnit == 1) {
        picture.setDotsPerMeterX(int(100. * header.densityX / 2.54));
        picture.setDotsPerMeterY(int(100. * header.densityY / 2.54));
    } else if (header.densityUnit == 2) {
        picture.setDotsPerMeterX(int(100. * header.densityX));
        picture.setDotsPerMeterY(int(100. * header.densityY));
    }
    return picture;
}
