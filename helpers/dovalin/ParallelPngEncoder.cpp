#include "ParallelPngEncoder.h"

#include "ForEachPart.h"

#include <QColorSpace>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Parts of at least this many bytes of filtered rows, at most this many parts: small
// pictures are deflated whole, larger ones in as many parts as a desktop has cores.
constexpr int minPartBytes = 16 * 1024;
constexpr int mostParts = 8;
// Each thread's deflate state takes fresh memory, which costs more than deflating a
// few parts of a thumbnail one after another: a thread for at least this many bytes.
constexpr qsizetype minThreadBytes = 256 * 1024;
// The fastest level: a thumbnail of a photo deflates in a tenth of the time of the
// default level, for a fifth more bytes.
constexpr int deflateLevel = Z_BEST_SPEED;
// Deflate looks back this far; each part starts with the data before it as dictionary.
constexpr int windowBytes = 32 * 1024;

enum Filter : uchar { None, Sub, Up, Average, Paeth };

uchar paethPredictor(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return uchar(a);
    return uchar(pb <= pc ? b : c);
}

// The row's bytes as the file holds them: red, green, blue and, with alpha, alpha.
void unpackRow(const QImage& image, int y, int bytesPerPixel, uchar* row)
{
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = pixels[x];
        *row++ = uchar(qRed(pixel));
        *row++ = uchar(qGreen(pixel));
        *row++ = uchar(qBlue(pixel));
        if (bytesPerPixel == 4)
            *row++ = uchar(qAlpha(pixel));
    }
}

template<typename Predict>
void predictRow(const uchar* row, const uchar* above, int bytes, int bytesPerPixel, uchar* out, Predict predict)
{
    for (int i = 0; i < bytesPerPixel; ++i)
        out[i] = uchar(row[i] - predict(0, above[i], 0));
    for (int i = bytesPerPixel; i < bytes; ++i)
        out[i] = uchar(row[i] - predict(row[i - bytesPerPixel], above[i], above[i - bytesPerPixel]));
}

void filterRow(Filter filter, const uchar* row, const uchar* above, int bytes, int bytesPerPixel, uchar* out)
{
    switch (filter) {
    case None:
        std::copy(row, row + bytes, out);
        break;
    case Sub:
        predictRow(row, above, bytes, bytesPerPixel, out, [](int a, int, int) { return a; });
        break;
    case Up:
        predictRow(row, above, bytes, bytesPerPixel, out, [](int, int b, int) { return b; });
        break;
    case Average:
        predictRow(row, above, bytes, bytesPerPixel, out, [](int a, int b, int) { return (a + b) / 2; });
        break;
    case Paeth:
        predictRow(row, above, bytes, bytesPerPixel, out, paethPredictor);
        break;
    }
}

// Filtered bytes read as signed: the smaller their sum, the better the row deflates.
quint64 signedSum(const uchar* bytes, int count)
{
    quint64 sum = 0;
    for (int i = 0; i < count; ++i)
        sum += bytes[i] < 128 ? bytes[i] : 256 - bytes[i];
    return sum;
}

// Rows [first, end) of the picture, each as its filter byte and the bytes of the filter
// that leaves the smallest sum, into `out`.
void filterRows(const QImage& image, int bytesPerPixel, int first, int end, uchar* out)
{
    const int rowBytes = image.width() * bytesPerPixel;
    std::vector<uchar> above(rowBytes, 0), row(rowBytes), trial(rowBytes), best(rowBytes);
    if (first > 0)
        unpackRow(image, first - 1, bytesPerPixel, above.data());
    for (int y = first; y < end; ++y, out += rowBytes + 1) {
        unpackRow(image, y, bytesPerPixel, row.data());
        quint64 bestSum = ~quint64(0);
        for (Filter filter : {None, Sub, Up, Average, Paeth}) {
            filterRow(filter, row.data(), above.data(), rowBytes, bytesPerPixel, trial.data());
            const quint64 sum = signedSum(trial.data(), rowBytes);
            if (sum < bestSum) {
                bestSum = sum;
                out[0] = filter;
                best.swap(trial);
            }
        }
        std::copy(best.begin(), best.end(), out + 1);
        above.swap(row);
    }
}

// One part as raw deflate data, primed with the window before it; every part but the
// last ends on a byte boundary so the parts join into one stream.
bool deflatePart(const QByteArray& data, qsizetype start, qsizetype end, bool last, QByteArray* out)
{
    z_stream stream{};
    if (deflateInit2(&stream, deflateLevel, Z_DEFLATED, -15, 8, Z_FILTERED) != Z_OK)
        return false;
    bool ok = true;
    const qsizetype dictionaryStart = std::max<qsizetype>(0, start - windowBytes);
    if (start > 0)
        ok = deflateSetDictionary(&stream, reinterpret_cast<const Bytef*>(data.constData() + dictionaryStart),
                                  uInt(start - dictionaryStart))
             == Z_OK;
    out->resize(qsizetype(deflateBound(&stream, uLong(end - start))) + 64);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData() + start));
    stream.avail_in = uInt(end - start);
    const int flush = last ? Z_FINISH : Z_SYNC_FLUSH;
    while (ok) {
        const qsizetype written = qsizetype(stream.total_out);
        if (written == out->size())
            out->resize(out->size() * 2);
        stream.next_out = reinterpret_cast<Bytef*>(out->data() + written);
        stream.avail_out = uInt(out->size() - written);
        const int status = deflate(&stream, flush);
        if (status == Z_STREAM_END || (!last && status == Z_OK && stream.avail_out > 0))
            break;
        ok = status == Z_OK || status == Z_BUF_ERROR;
    }
    out->resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return ok;
}

// The zlib stream of the picture's filtered rows: header, the parts filtered and
// deflated on up to `threads` threads, checksum.
bool compress(const QImage& image, int bytesPerPixel, int threads, QByteArray* stream)
{
    const qsizetype rowBytes = qsizetype(image.width()) * bytesPerPixel + 1;
    const int rows = image.height();
    const int rowsPerPart = int(std::max<qsizetype>((rows + mostParts - 1) / mostParts,
                                                    (minPartBytes + rowBytes - 1) / rowBytes));
    const int parts = std::max(1, (rows + rowsPerPart - 1) / rowsPerPart);
    QByteArray data(rows * rowBytes, Qt::Uninitialized);
    threads = int(std::clamp<qsizetype>(data.size() / minThreadBytes, 1, threads));
    auto partStart = [&](int part) { return qsizetype(part) * rowsPerPart * rowBytes; };
    auto partEnd = [&](int part) { return std::min(qsizetype(data.size()), partStart(part + 1)); };

    forEachPart(parts, threads, [&](int part) {
        filterRows(image, bytesPerPixel, part * rowsPerPart, std::min(rows, (part + 1) * rowsPerPart),
                   reinterpret_cast<uchar*>(data.data()) + partStart(part));
    });
    std::vector<QByteArray> deflated(parts);
    std::vector<char> made(parts, 0);
    forEachPart(parts, threads, [&](int part) {
        made[part] = deflatePart(data, partStart(part), partEnd(part), part == parts - 1, &deflated[part]);
    });
    if (std::find(made.begin(), made.end(), 0) != made.end())
        return false;

    // Deflate with a 32 KB window at the fastest level; no preset dictionary.
    stream->append(char(0x78)).append(char(0x01));
    for (const QByteArray& part : deflated)
        stream->append(part);
    const uLong checksum = adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.constData()),
                                   uInt(data.size()));
    uchar trailer[4];
    qToBigEndian(quint32(checksum), trailer);
    stream->append(reinterpret_cast<const char*>(trailer), 4);
    return true;
}

void appendChunk(QByteArray* file, const char* type, const QByteArray& contents)
{
    uchar length[4];
    qToBigEndian(quint32(contents.size()), length);
    file->append(reinterpret_cast<const char*>(length), 4);
    const qsizetype typeAt = file->size();
    file->append(type, 4).append(contents);
    const uLong crc = crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(file->constData() + typeAt),
                            uInt(file->size() - typeAt));
    uchar check[4];
    qToBigEndian(quint32(crc), check);
    file->append(reinterpret_cast<const char*>(check), 4);
}

QByteArray bigEndianWords(std::initializer_list<quint32> words)
{
    QByteArray bytes;
    for (quint32 word : words) {
        uchar value[4];
        qToBigEndian(word, value);
        bytes.append(reinterpret_cast<const char*>(value), 4);
    }
    return bytes;
}

} // namespace

bool ParallelPngEncoder::encodes(const QImage& image)
{
    // Thumbnails are far from the size limit of the byte array the rows are filtered into.
    const qint64 filteredBytes = qint64(image.height()) * (qint64(image.width()) * 4 + 1);
    return (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) && !image.isNull()
        && filteredBytes < (qint64(1) << 30) && !image.colorSpace().isValid() && image.textKeys().isEmpty()
        && image.offset().isNull();
}

QByteArray ParallelPngEncoder::encode(const QImage& image, int threads)
{
    if (!encodes(image))
        return QByteArray();
    const bool alpha = image.format() == QImage::Format_ARGB32;
    const int bytesPerPixel = alpha ? 4 : 3;
    QByteArray pixels;
    if (!compress(image, bytesPerPixel, std::max(1, threads), &pixels))
        return QByteArray();

    QByteArray file("\x89PNG\r\n\x1a\n", 8);
    // Eight bits a sample, colour with or without alpha, no interlacing.
    QByteArray header = bigEndianWords({quint32(image.width()), quint32(image.height())});
    header.append(char(8)).append(char(alpha ? 6 : 2)).append(3, '\0');
    appendChunk(&file, "IHDR", header);
    appendChunk(&file, "pHYs",
                bigEndianWords({quint32(image.dotsPerMeterX()), quint32(image.dotsPerMeterY())}).append(char(1)));
    appendChunk(&file, "IDAT", pixels);
    appendChunk(&file, "IEND", QByteArray());
    return file;
}
