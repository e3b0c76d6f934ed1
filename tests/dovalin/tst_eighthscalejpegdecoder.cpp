#include "EighthScaleJpegDecoder.h"
#include "HostileImages.h"
#include "TestEnvironment.h"
#include "TestPictures.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>

#include <QtTest>

#include <csetjmp>
#include <cstdio>
#include <functional>
#include <jpeglib.h>

// The eighth-scale JPEG decoder gives exactly the pixels of the JPEG library at an
// eighth and of the image reader at the scaled size, for any number of threads, and
// leaves whatever it does not take (or finds damaged) to the reader.
class TestEighthScaleJpegDecoder : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheReader_data();
    void matchesTheReader();
    void leftToTheReader_data();
    void leftToTheReader();
    void neverAlignedDataCostsOneMorePass();
    void randomFilesMatchTheReader();
};

namespace {

struct JpegOptions
{
    bool gray = false;
    int lumaH = 1; // chroma is always 1x1; gray may say 2x2 too
    int lumaV = 1;
    int quality = 90;
    int restartInterval = 0; // units
    int restartRows = 0;     // rows of units
    bool optimize = false;   // tables of the picture's own
};

// Shading with grain and saturated corners, so sums clamp in every direction.
QImage photoLike(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator grain(seed);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = int(grain.bounded(40)) - 20;
            const bool edge = (x / 5 + y / 7) % 9 == 0;
            line[x] = qRgb(qBound(0, x * 255 / width + noise, 255), edge ? 0 : qBound(0, y * 255 / height - noise, 255),
                           edge ? 255 : qBound(0, 128 + noise * 4, 255));
        }
    }
    return image;
}

QImage flat(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(90, 140, 200));
    return image;
}

void ignoreMessage(j_common_ptr, int) {}

// Changes to the writer's settings before it starts, or markers it writes after.
using WriterStep = std::function<void(jpeg_compress_struct*)>;

QByteArray writtenByLibjpeg(const QImage& image, const JpegOptions& options, const WriterStep& settings = {},
                            const WriterStep& markers = {})
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.emit_message = ignoreMessage;
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = options.gray ? 1 : 3;
    info.in_color_space = options.gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, options.quality, TRUE);
    info.comp_info[0].h_samp_factor = options.lumaH;
    info.comp_info[0].v_samp_factor = options.lumaV;
    info.restart_interval = JDIMENSION(options.restartInterval);
    info.restart_in_rows = options.restartRows;
    info.optimize_coding = options.optimize;
    if (settings)
        settings(&info);
    jpeg_start_compress(&info, TRUE);
    if (markers)
        markers(&info);
    std::vector<unsigned char> row(size_t(image.width()) * 3);
    while (info.next_scanline < info.image_height) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(int(info.next_scanline)));
        for (int x = 0; x < image.width(); ++x) {
            if (options.gray) {
                row[size_t(x)] = uchar(qGray(pixels[x]));
            } else {
                row[size_t(x) * 3] = uchar(qRed(pixels[x]));
                row[size_t(x) * 3 + 1] = uchar(qGreen(pixels[x]));
                row[size_t(x) * 3 + 2] = uchar(qBlue(pixels[x]));
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray file(reinterpret_cast<const char*>(buffer), int(size));
    std::free(buffer);
    return file;
}

QByteArray writtenByQt(const QImage& image, int quality)
{
    QImage withDensity = image;
    withDensity.setDotsPerMeterX(2835); // 72 dpi
    withDensity.setDotsPerMeterY(5669);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(withDensity);
    return buffer.data();
}

// The JPEG library's own decoding at an eighth, with the reader's settings.
QImage readByLibjpegAtEighth(const QByteArray& file)
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(file.constData()), (unsigned long)file.size());
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = 8;
    jpeg_start_decompress(&info);
    const bool gray = info.output_components == 1;
    QImage image(int(info.output_width), int(info.output_height),
                 gray ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    std::vector<unsigned char> row(size_t(info.output_width) * size_t(info.output_components));
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < image.width(); ++x) {
            if (gray)
                image.scanLine(y)[x] = row[size_t(x)];
            else
                reinterpret_cast<QRgb*>(image.scanLine(y))[x] =
                    qRgb(row[size_t(x) * 3], row[size_t(x) * 3 + 1], row[size_t(x) * 3 + 2]);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

QSize sourceSize(const QByteArray& file)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "jpeg").size();
}

} // namespace

void TestEighthScaleJpegDecoder::matchesTheReader_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("box");

    const QImage photo = photoLike(1001, 667, 1);
    const QImage tall = photoLike(333, 1250, 2);
    QTest::newRow("4:4:4") << writtenByLibjpeg(photo, {}) << 120;
    QTest::newRow("4:2:2") << writtenByLibjpeg(tall, {false, 2, 1, 85}) << 100;
    QTest::newRow("4:2:0") << writtenByLibjpeg(photo, {false, 2, 2, 85}) << 100;
    QTest::newRow("4:2:0, quality 100") << writtenByLibjpeg(tall, {false, 2, 2, 100}) << 100;
    QTest::newRow("4:2:0, own tables") << writtenByLibjpeg(photo, {false, 2, 2, 75, 0, 0, true}) << 64;
    QTest::newRow("gray") << writtenByLibjpeg(tall, {true}) << 128;
    QTest::newRow("gray, quality 30") << writtenByLibjpeg(photo, {true, 1, 1, 30}) << 100;
    // A scan of one component has a block per unit, whatever the sampling says.
    QTest::newRow("gray, sampled 2x2") << writtenByLibjpeg(tall, {true, 2, 2}) << 100;
    QTest::newRow("4:4:4, restart every 7 units") << writtenByLibjpeg(photo, {false, 1, 1, 90, 7}) << 120;
    QTest::newRow("4:2:0, restart every row") << writtenByLibjpeg(tall, {false, 2, 2, 90, 0, 1}) << 100;
    QTest::newRow("gray, restart every unit") << writtenByLibjpeg(photo, {true, 1, 1, 90, 1}) << 100;
    QTest::newRow("Qt's writer, with density") << writtenByQt(photo, 80) << 100;
    // A phone's EXIF block: the reader turns the picture after either decoder ran.
    QTest::newRow("EXIF orientation") << TestPictures::withJpegExif(writtenByQt(photo, 80),
                                                                    TestPictures::exifOrientation(6))
                                      << 100;
    // Without JFIF header the colours are YCbCr by the Adobe marker or by the ids 1, 2, 3.
    QTest::newRow("Adobe marker, YCbCr") << writtenByLibjpeg(photo, {false, 2, 2}, [](jpeg_compress_struct* info) {
        info->write_JFIF_header = FALSE;
        info->write_Adobe_marker = TRUE;
    }) << 100;
    QTest::newRow("no JFIF header") << writtenByLibjpeg(photo, {false, 2, 1}, [](jpeg_compress_struct* info) {
        info->write_JFIF_header = FALSE;
    }) << 100;
    // Every unit codes alike, so a chunk started off a unit boundary may never meet
    // the decoding from the start.
    QTest::newRow("flat, 4:4:4") << writtenByLibjpeg(flat(2400, 1600), {}) << 256;
    QTest::newRow("flat, 4:2:0") << writtenByLibjpeg(flat(2400, 1600), {false, 2, 2}) << 256;
    QTest::newRow("one block") << writtenByLibjpeg(photoLike(8, 8, 3), {}) << 1;
    QTest::newRow("a line of units, odd size") << writtenByLibjpeg(photoLike(3001, 17, 4), {false, 2, 2}) << 200;
}

void TestEighthScaleJpegDecoder::matchesTheReader()
{
    QFETCH(QByteArray, file);
    QFETCH(int, box);

    // The decoding at an eighth, before any scaling, for 1 to 64 threads on small
    // chunks, so the threads' parts are joined many times.
    const QImage library = readByLibjpegAtEighth(file);
    for (int threads : {1, 2, 8, 64}) {
        EighthScaleJpegDecoder::Figures figures;
        const QImage eighth = EighthScaleJpegDecoder::decodeEighth(file, threads, 512, &figures);
        QVERIFY2(!eighth.isNull(), qPrintable(QStringLiteral("%1 threads").arg(threads)));
        QCOMPARE(eighth.format(), library.format());
        QVERIFY2(eighth == library, qPrintable(QStringLiteral("%1 threads").arg(threads)));
    }

    // The reader's picture at the thumbnail's size.
    const QSize target = sourceSize(file).scaled(box, box, Qt::KeepAspectRatio);
    QVERIFY(EighthScaleJpegDecoder::readerTakesEighth(sourceSize(file), target));
    const QImage expected = TestPictures::readJpegByQt(file, target);
    const QImage decoded = EighthScaleJpegDecoder::decode(file, target, 8);
    QVERIFY(!decoded.isNull());
    QCOMPARE(decoded.size(), expected.size());
    QCOMPARE(decoded.format(), expected.format());
    QVERIFY(decoded == expected);
    QCOMPARE(decoded.dotsPerMeterX(), expected.dotsPerMeterX());
    QCOMPARE(decoded.dotsPerMeterY(), expected.dotsPerMeterY());
}

namespace {

// Where the marker `code` starts, from `from` on.
int markerAt(const QByteArray& file, uchar code, int from = 0)
{
    return file.indexOf(QByteArray("\xFF", 1) + char(code), from);
}

QByteArray replaced(QByteArray file, int at, const QByteArray& bytes)
{
    return file.replace(at, bytes.size(), bytes);
}

QByteArray garbled(const QByteArray& file, quint32 seed)
{
    QByteArray damaged = file;
    QRandomGenerator random(seed);
    const int start = markerAt(file, 0xDA) + 20;
    for (int i = 0; i < 48; ++i)
        damaged[start + int(random.bounded(file.size() - start - 2))] = char(random.bounded(256));
    return damaged;
}

} // namespace

void TestEighthScaleJpegDecoder::leftToTheReader_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("refused");

    // Kinds the decoder does not reproduce: never taken.
    const QImage small = photoLike(640, 480, 8);
    QTest::newRow("RGB components") << writtenByLibjpeg(small, {}, [](jpeg_compress_struct* info) {
        jpeg_set_colorspace(info, JCS_RGB);
    }) << true;
    QTest::newRow("progressive") << writtenByLibjpeg(small, {}, jpeg_simple_progression) << true;
    QTest::newRow("arithmetic coding") << writtenByLibjpeg(small, {}, [](jpeg_compress_struct* info) {
        info->arith_code = TRUE;
    }) << true;
    QTest::newRow("4:1:1") << writtenByLibjpeg(small, {false, 4, 1}) << true;
    QTest::newRow("4:4:0") << writtenByLibjpeg(small, {false, 1, 2}) << true;
    // The reader would carry these into the picture.
    QTest::newRow("comment") << writtenByLibjpeg(small, {}, {}, [](jpeg_compress_struct* info) {
        jpeg_write_marker(info, JPEG_COM, reinterpret_cast<const JOCTET*>("made here"), 9);
    }) << true;
    QTest::newRow("colour profile") << writtenByLibjpeg(small, {}, {}, [](jpeg_compress_struct* info) {
        const QByteArray profile = QColorSpace(QColorSpace::SRgb).iccProfile();
        jpeg_write_icc_profile(info, reinterpret_cast<const JOCTET*>(profile.constData()), unsigned(profile.size()));
    }) << true;

    const QByteArray good = writtenByLibjpeg(photoLike(1200, 800, 5), {false, 2, 2, 85});
    const QByteArray restarts = writtenByLibjpeg(photoLike(1200, 800, 6), {false, 1, 1, 85, 10});
    const int scan = markerAt(good, 0xDA);
    const int frame = markerAt(good, 0xC0);
    const int huffman = markerAt(good, 0xC4);
    // Damaged files: nothing, or what the reader makes of them.
    QTest::newRow("cut in the headers") << good.left(scan - 10) << true;
    QTest::newRow("cut in the data") << good.left(good.size() / 2) << false;
    QTest::newRow("cut before the end marker") << good.left(good.size() - 2) << false;
    QTest::newRow("end marker in the data") << replaced(good, good.size() / 2, QByteArray("\xFF\xD9", 2)) << false;
    QTest::newRow("restart marker without interval")
        << replaced(good, good.size() / 2, QByteArray("\xFF\xD0", 2)) << false;
    const int secondRestart = markerAt(restarts, 0xD1);
    QTest::newRow("restart markers out of order")
        << replaced(restarts, secondRestart + 1, QByteArray("\xD5", 1)) << false;
    QTest::newRow("restart marker lost") << QByteArray(restarts).remove(secondRestart, 2) << false;
    QTest::newRow("restart interval segment too long")
        << QByteArray(restarts).insert(markerAt(restarts, 0xDD) + 6, QByteArray(2, '\0')).replace(
               markerAt(restarts, 0xDD) + 2, 2, QByteArray("\x00\x06", 2))
        << true;
    // Long intervals: a short last one must not be decoded on past the data.
    const QByteArray longIntervals = writtenByLibjpeg(photoLike(1200, 800, 7), {false, 1, 1, 85, 2000});
    const int lastRestart = longIntervals.lastIndexOf(QByteArray("\xFF\xD6", 2));
    QTest::newRow("last restart interval cut short")
        << longIntervals.left(lastRestart + 2 + 64) + QByteArray("\xFF\xD9", 2) << false;
    for (quint32 seed = 1; seed <= 6; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("garbage in the data %1").arg(seed))) << garbled(good, seed) << false;
    QTest::newRow("garbage between restart markers") << garbled(restarts, 7) << false;
    // Three codes of one bit: no prefix code.
    QTest::newRow("bad Huffman table") << replaced(good, huffman + 5, QByteArray("\x03", 1)) << true;
    // A table of 255 one-bit codes, far more than one bit codes, before the file's own.
    const QByteArray oneBitCodes = QByteArray("\xFF\xC4\x01\x12\x10\xFF", 6) + QByteArray(15, '\0') + QByteArray(255, '\1');
    QTest::newRow("255 codes of one bit") << QByteArray(good).insert(huffman, oneBitCodes) << true;
    // The JPEG decoder stops at a reserved marker; only application segments are skipped.
    QTest::newRow("reserved marker") << QByteArray(good).insert(2, QByteArray("\xFF\x32\x00\x04\x00\x00", 6))
                                     << true;
    QTest::newRow("no quantisation table")
        << replaced(good, markerAt(good, 0xDB), QByteArray("\xFF\xEF", 2)) << true;
    QTest::newRow("absurd size") << replaced(good, frame + 5, QByteArray("\xFF\xDC\xFF\xDC", 4)) << false;
    QTest::newRow("no height") << replaced(good, frame + 5, QByteArray("\x00\x00", 2)) << true;
    QTest::newRow("12-bit samples") << replaced(good, frame + 4, QByteArray("\x0C", 1)) << true;
    // Sampled 2x6: a gray scan has one block per unit whatever it says, but the JPEG
    // decoder refuses a factor above 4.
    const QByteArray gray = writtenByLibjpeg(photoLike(160, 96, 9), {true});
    QTest::newRow("sampling factor above 4") << replaced(gray, markerAt(gray, 0xC0) + 11, QByteArray("\x26", 1))
                                             << true;
}

void TestEighthScaleJpegDecoder::leftToTheReader()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, refused);

    // What one thread makes of it, many threads make too.
    const QImage alone = EighthScaleJpegDecoder::decodeEighth(file, 1, 512);
    for (int threads : {2, 64}) {
        const QImage shared = EighthScaleJpegDecoder::decodeEighth(file, threads, 512);
        QVERIFY(shared.isNull() == alone.isNull());
        QVERIFY(shared == alone);
    }
    // Nothing at all, or what the reader gives.
    const QSize target(120, 80);
    const QImage decoded = EighthScaleJpegDecoder::decode(file, target, 8);
    if (refused)
        QVERIFY(alone.isNull() && decoded.isNull());
    if (!decoded.isNull())
        QVERIFY(decoded == TestPictures::readJpegByQt(file, target));
}

void TestEighthScaleJpegDecoder::neverAlignedDataCostsOneMorePass()
{
    // Every chunk but the first decodes off the grid for good: carried on until they
    // met, the runs would decode the rest of the scan once for every chunk, and keep
    // it. They stop a chunk on, and the rest is decoded once more from where the first
    // one stopped: a few times the scan's units in all, within the memory bound.
    const int side = 2400;
    const quint64 units = quint64(side / 8) * quint64(side / 8);
    const QByteArray file = HostileImages::neverAlignedJpeg(side);
    const QImage library = readByLibjpegAtEighth(file);
    for (int threads : {1, 8}) {
        EighthScaleJpegDecoder::Figures figures;
        const QImage eighth = EighthScaleJpegDecoder::decodeEighth(file, threads, 512, &figures);
        QVERIFY(eighth == library);
        QVERIFY2(figures.decodedUnits <= 4 * units,
                 qPrintable(QStringLiteral("%1 units decoded for %2").arg(figures.decodedUnits).arg(units)));
        QVERIFY(figures.heldBytes <= EighthScaleJpegDecoder::mostBytes);
    }
    // The reader decodes it (and says that data is left over after the units).
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("extraneous bytes")));
    QCOMPARE(TestPictures::readJpegByQt(file, QSize(300, 300)).size(), QSize(300, 300));
}

namespace {

struct JpegFailure
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegFailure*>(info->err)->jump, 1);
}

// A valid baseline JPEG of random make, its coefficients written as they are: size,
// sampling, quantisation tables, Huffman tables (standard or the file's own), restart
// interval, and coefficients from flat to extreme, all drawn from `random`.
QByteArray randomJpeg(QRandomGenerator& random)
{
    struct Sampling
    {
        int components;
        int lumaH;
        int lumaV;
    };
    // The last two are left to the reader.
    static const Sampling samplings[] = {{1, 1, 1}, {1, 2, 2}, {3, 1, 1}, {3, 2, 1}, {3, 2, 2}, {3, 2, 2},
                                         {3, 2, 2}, {3, 4, 1}, {3, 1, 2}};
    const Sampling sampling = samplings[random.bounded(int(std::size(samplings)))];
    const int width = 1 + int(random.bounded(random.bounded(4) == 0 ? 160 : 48));
    const int height = 1 + int(random.bounded(random.bounded(4) == 0 ? 160 : 48));
    static const int quantLimits[] = {1, 4, 16, 64, 255};
    static const int dcLimits[] = {0, 16, 200, 1023};
    static const int acLimits[] = {1, 8, 60, 400, 1023};
    const int dcLimit = dcLimits[random.bounded(4)];
    const int acLimit = acLimits[random.bounded(5)];
    const int acPercent = int(random.bounded(60));

    jpeg_compress_struct info{};
    JpegFailure failure{};
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = jumpBack;
    failure.manager.emit_message = ignoreMessage;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(failure.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return QByteArray();
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = sampling.components;
    info.in_color_space = sampling.components == 1 ? JCS_GRAYSCALE : JCS_YCbCr;
    jpeg_set_defaults(&info);
    info.comp_info[0].h_samp_factor = sampling.lumaH;
    info.comp_info[0].v_samp_factor = sampling.lumaV;
    // Some files have chroma at the edge of what the decoder's arithmetic takes: the
    // 2x2 transform of 4:2:0 then gives values far out of range.
    const bool extreme = random.bounded(5) == 0;
    unsigned int quant[2][DCTSIZE2];
    for (int table = 0; table < (sampling.components == 1 ? 1 : 2); ++table) {
        const int limit = quantLimits[random.bounded(5)];
        for (unsigned int& value : quant[table])
            value = (extreme && table == 1 ? 2 : 1) + random.bounded(unsigned(limit));
        jpeg_add_quant_table(&info, table, quant[table], 100, TRUE);
    }
    info.optimize_coding = random.bounded(2) == 1;
    info.restart_interval = random.bounded(3) == 0 ? 1 + random.bounded(12u) : 0;

    jvirt_barray_ptr arrays[3] = {};
    int blocksAcross[3] = {};
    int blocksDown[3] = {};
    for (int c = 0; c < sampling.components; ++c) {
        // As the library counts the component's blocks, in whole units of its sampling.
        const int h = info.comp_info[c].h_samp_factor;
        const int v = info.comp_info[c].v_samp_factor;
        blocksAcross[c] = ((width * h + sampling.lumaH - 1) / sampling.lumaH + 7) / 8;
        blocksDown[c] = ((height * v + sampling.lumaV - 1) / sampling.lumaV + 7) / 8;
        arrays[c] = info.mem->request_virt_barray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, TRUE,
                                                  JDIMENSION((blocksAcross[c] + h - 1) / h * h),
                                                  JDIMENSION((blocksDown[c] + v - 1) / v * v), JDIMENSION(v));
    }
    jpeg_write_coefficients(&info, arrays);
    for (int c = 0; c < sampling.components; ++c) {
        const int v = info.comp_info[c].v_samp_factor;
        const int rows = (blocksDown[c] + v - 1) / v * v;
        for (int row = 0; row < rows; ++row) {
            JBLOCKARRAY line = info.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&info), arrays[c],
                                                            JDIMENSION(row), 1, TRUE);
            for (int column = 0; column < blocksAcross[c]; ++column) {
                JCOEF* block = line[0][column];
                if (extreme && c > 0 && random.bounded(2)) {
                    // Natural order: the rows and columns 0, 1, 3, 5 and 7 the transform reads.
                    static const int read[5] = {0, 1, 3, 5, 7};
                    for (int r = 0; r < 5; ++r)
                        for (int k = 0; k < 5; ++k) {
                            const int at = read[r] * 8 + read[k];
                            const int most = qMin(1023, 2047 / int(quant[1][at]));
                            if (at == 0 || random.bounded(5) < 3)
                                block[at] = JCOEF(random.bounded(2) ? most : -most);
                        }
                    continue;
                }
                block[0] = JCOEF(int(random.bounded(2 * dcLimit + 1)) - dcLimit);
                for (int k = 1; k < DCTSIZE2; ++k) {
                    if (int(random.bounded(100)) >= acPercent)
                        continue;
                    const int magnitude = 1 + int(random.bounded(1 + random.bounded(acLimit)));
                    block[k] = JCOEF(random.bounded(2) ? magnitude : -magnitude);
                }
            }
        }
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray file(reinterpret_cast<const char*>(buffer), int(size));
    std::free(buffer);
    return file;
}

} // namespace

void TestEighthScaleJpegDecoder::randomFilesMatchTheReader()
{
    // Random but valid files, as many as a short run allows: every one the decoder
    // takes gives the JPEG library's picture at an eighth and the image reader's at the
    // thumbnail's size, in up to four chunks of a few bytes (on one thread: starting
    // threads would make the most of the time on a busy machine).
    QRandomGenerator random(20240539);
    int taken = 0;
    const int files = 2200;
    for (int i = 0; i < files; ++i) {
        const QByteArray file = randomJpeg(random);
        QVERIFY2(!file.isEmpty(), qPrintable(QStringLiteral("file %1 not written").arg(i)));
        const QImage eighth = EighthScaleJpegDecoder::decodeEighth(file, 1, 24);
        if (eighth.isNull())
            continue;
        ++taken;
        const QString name = QStringLiteral("file %1 (%2 bytes)").arg(i).arg(file.size());
        QVERIFY2(eighth == readByLibjpegAtEighth(file), qPrintable(name));
        const QSize source = sourceSize(file);
        const QSize target(qMax(1, source.width() / 8), qMax(1, source.height() / 8));
        // A picture only a few pixels high or wide is decoded at a larger scale.
        const QImage thumbnail = EighthScaleJpegDecoder::decode(file, target, 1);
        QVERIFY2(thumbnail.isNull() || thumbnail == TestPictures::readJpegByQt(file, target), qPrintable(name));
    }
    // Most files are taken: the rest have samplings left to the reader, or coefficients
    // beyond the decoder's arithmetic.
    QVERIFY2(taken > files / 3, qPrintable(QStringLiteral("%1 of %2 taken").arg(taken).arg(files)));
}

QTEST_GUILESS_MAIN(TestEighthScaleJpegDecoder)
#include "tst_eighthscalejpegdecoder.moc"
