#include "TestEnvironment.h"

#include "PictureFrame.h"

#include <QtEndian>

// A picture handed back by a helper's child process: it arrives as it was made (format,
// pixels and density), in pieces or whole, and anything but one whole frame within
// the size asked for is refused.
class TestPictureFrame : public QObject
{
    Q_OBJECT

private slots:
    void comesBackAsMade_data();
    void comesBackAsMade();
    void refusesWhatIsNoFrame_data();
    void refusesWhatIsNoFrame();
};

namespace {

QImage pattern(const QSize& size, QImage::Format format)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgba(x * 7, y * 11, (x + y) * 3, 60 + (x * y) % 190));
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(3937);
    return image.convertToFormat(format);
}

} // namespace

void TestPictureFrame::comesBackAsMade_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("travelsAs");
    QTest::addColumn<int>("piece"); // bytes fed at a time; 0: all at once

    // An odd width leaves padding at the end of each grey row.
    QTest::newRow("grey, in pieces") << int(QImage::Format_Grayscale8) << int(QImage::Format_Grayscale8) << 7;
    QTest::newRow("RGB32") << int(QImage::Format_RGB32) << int(QImage::Format_RGB32) << 0;
    QTest::newRow("ARGB32, in pieces") << int(QImage::Format_ARGB32) << int(QImage::Format_ARGB32) << 4096;
    QTest::newRow("premultiplied") << int(QImage::Format_ARGB32_Premultiplied) << int(QImage::Format_ARGB32) << 0;
    QTest::newRow("RGB888") << int(QImage::Format_RGB888) << int(QImage::Format_ARGB32) << 0;
}

void TestPictureFrame::comesBackAsMade()
{
    QFETCH(int, format);
    QFETCH(int, travelsAs);
    QFETCH(int, piece);

    const QImage sent = pattern(QSize(37, 23), QImage::Format(format));
    const QByteArray bytes = PictureFrame::encode(sent);
    QVERIFY(bytes.size() <= PictureFrame::mostBytes(sent.size()));
    PictureFrame frame(QSize(37, 23));
    if (piece == 0) {
        QCOMPARE(frame.feed(bytes), PictureFrame::Complete);
    } else {
        for (int at = 0; at < bytes.size(); at += piece)
            QCOMPARE(frame.feed(bytes.mid(at, piece)), at + piece < bytes.size() ? PictureFrame::Incomplete
                                                                                   : PictureFrame::Complete);
    }
    const QImage received = frame.image();
    QCOMPARE(int(received.format()), travelsAs);
    QCOMPARE(received, sent.convertToFormat(QImage::Format(travelsAs)));
    QCOMPARE(received.dotsPerMeterX(), 2835);
    QCOMPARE(received.dotsPerMeterY(), 3937);
    QCOMPARE(PictureFrame::decode(bytes, QSize(37, 23)), received);
}

void TestPictureFrame::refusesWhatIsNoFrame_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("maxSize");
    QTest::addColumn<int>("state");

    const QByteArray frame = PictureFrame::encode(pattern(QSize(8, 6), QImage::Format_RGB32));
    QTest::newRow("whole") << frame << QSize(8, 6) << int(PictureFrame::Complete);
    QTest::newRow("cut short") << frame.left(frame.size() - 1) << QSize(8, 6) << int(PictureFrame::Incomplete);
    QTest::newRow("a byte too many") << frame + 'x' << QSize(8, 6) << int(PictureFrame::Invalid);
    QTest::newRow("wider than asked") << frame << QSize(7, 6) << int(PictureFrame::Invalid);
    QTest::newRow("taller than asked") << frame << QSize(8, 5) << int(PictureFrame::Invalid);
    QByteArray magic = frame;
    magic[0] = 'X';
    QTest::newRow("another magic") << magic << QSize(8, 6) << int(PictureFrame::Invalid);
    QByteArray indexed = frame;
    qToBigEndian<quint32>(quint32(QImage::Format_Indexed8), indexed.data() + 4);
    QTest::newRow("a format with a colour table") << indexed << QSize(8, 6) << int(PictureFrame::Invalid);
    QByteArray empty = frame.left(24);
    qToBigEndian<quint32>(0, empty.data() + 8);
    QTest::newRow("no width") << empty << QSize(8, 6) << int(PictureFrame::Invalid);
}

void TestPictureFrame::refusesWhatIsNoFrame()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, maxSize);
    QFETCH(int, state);

    PictureFrame frame(maxSize);
    QCOMPARE(int(frame.feed(bytes)), state);
    QCOMPARE(PictureFrame::decode(bytes, maxSize).isNull(), state != int(PictureFrame::Complete));
}

VORENDA_TEST_MAIN(TestPictureFrame)
#include "tst_pictureframe.moc"
