#include "BoundedStreamReaders.h"

#include "BoundedImageReader.h"
#include "StreamCopy.h"
#include "StreamLimits.h"

#include <QBitmap>
#include <QTransform>

#include <cmath>

namespace {

// Sizes of the smallest encodings, used to bound counts.
constexpr int ColorBytes = 4;          // quint32 before Qt 4 colour specs, 11 bytes since
constexpr int GradientStopBytes = 8 + ColorBytes;
constexpr int PathElementBytes = 4 + 8 + 8;
constexpr int StringBytes = 4;

bool passColor(StreamCopy& copy)
{
    QColor color;
    if (!readColor(copy.in(), color))
        return false;
    copy.out() << color;
    return true;
}

bool passImage(StreamCopy& copy)
{
    QImage image;
    if (!readImage(copy.in(), image))
        return false;
    copy.out() << image;
    return true;
}

bool passGradient(StreamCopy& copy)
{
    const qint32 type = copy.pass<qint32>();
    const QDataStream::Version version = QDataStream::Version(copy.in().version());
    qint32 spread = 0;
    qint32 coordinateMode = 0;
    qint32 interpolationMode = 0;
    if (version >= QDataStream::Qt_4_3) {
        spread = copy.pass<qint32>();
        coordinateMode = copy.pass<qint32>();
    }
    if (version >= QDataStream::Qt_4_5)
        interpolationMode = copy.pass<qint32>();
    if (!copy.ok() || type < QGradient::LinearGradient || type > QGradient::ConicalGradient
        || spread < QGradient::PadSpread || spread > QGradient::RepeatSpread
        || coordinateMode < QGradient::LogicalMode || coordinateMode > QGradient::ObjectMode
        || interpolationMode < QGradient::ColorInterpolation
        || interpolationMode > QGradient::ComponentInterpolation) {
        copy.fail();
        return false;
    }

    int stops = 0;
    if (!copy.count(GradientStopBytes, &stops))
        return false;
    for (int i = 0; i < stops && copy.ok(); ++i) {
        // Qt's gradient tables turn positions into indices: a NaN is not harmless.
        if (!std::isfinite(copy.pass<double>())) {
            copy.fail();
            return false;
        }
        if (!passColor(copy))
            return false;
    }

    const int points = type == QGradient::ConicalGradient ? 1 : 2;
    for (int i = 0; i < points; ++i)
        copy.pass<QPointF>();
    if (type != QGradient::LinearGradient)
        copy.pass<double>(); // radius or angle
    return copy.ok();
}

bool passBrush(StreamCopy& copy)
{
    const quint8 style = copy.pass<quint8>();
    if (!copy.ok() || !passColor(copy))
        return false;
    const QDataStream::Version version = QDataStream::Version(copy.in().version());
    const bool gradient = style >= Qt::LinearGradientPattern && style <= Qt::ConicalGradientPattern;
    if (style > Qt::ConicalGradientPattern && style != Qt::TexturePattern) {
        // Qt looks patterns up in a table by style.
        copy.fail();
        return false;
    }
    if (style == Qt::TexturePattern) {
        if (!passImage(copy))
            return false;
    } else if (gradient && version >= QDataStream::Qt_4_0) {
        if (!passGradient(copy))
            return false;
    }
    if (version >= QDataStream::Qt_4_3)
        copy.pass<QTransform>();
    return copy.ok();
}

bool validPenStyle(quint16 style)
{
    const int line = style & Qt::MPenStyle;
    const int cap = style & Qt::MPenCapStyle;
    const int join = style & Qt::MPenJoinStyle;
    return line <= Qt::CustomDashLine && cap != Qt::MPenCapStyle
        && (join == Qt::MiterJoin || join == Qt::BevelJoin || join == Qt::RoundJoin
            || join == Qt::SvgMiterJoin)
        && (style & ~(Qt::MPenStyle | Qt::MPenCapStyle | Qt::MPenJoinStyle)) == 0;
}

} // namespace

bool readColor(QDataStream& stream, QColor& color)
{
    color = QColor();
    if (stream.version() >= 7 && stream.device()) {
        // Qt stores the colour spec as read; an unknown one is undefined behaviour later.
        const QByteArray spec = stream.device()->peek(1);
        if (spec.size() == 1 && (qint8(spec.at(0)) < QColor::Invalid || qint8(spec.at(0)) > QColor::ExtendedRgb)) {
            stream.skipRawData(11);
            markCorrupt(stream);
            return false;
        }
    }
    QColor parsed;
    stream >> parsed;
    if (stream.status() != QDataStream::Ok)
        return false;
    color = parsed;
    return true;
}

bool readImage(QDataStream& stream, QImage& image)
{
    image = QImage();
    if (stream.version() >= 5) {
        qint32 marker = 0;
        stream >> marker;
        if (stream.status() != QDataStream::Ok)
            return false;
        if (marker == 0)
            return true;
    }
    if (!stream.device()) {
        markCorrupt(stream);
        return false;
    }
    BoundedImageReader reader(stream.device(), stream.version() == 1 ? "bmp" : "png");
    if (!reader.measure() || reader.decodeBytes(reader.sourceSize()) > MaxDecodedImageBytes) {
        markCorrupt(stream);
        return false;
    }
    QImage decoded = reader.read();
    if (decoded.isNull()) {
        stream.setStatus(stream.atEnd() ? QDataStream::ReadPastEnd : QDataStream::ReadCorruptData);
        return false;
    }
    image = decoded;
    return true;
}

bool readPixmap(QDataStream& stream, QPixmap& pixmap)
{
    pixmap = QPixmap();
    QImage image;
    if (!readImage(stream, image))
        return false;
    if (image.isNull())
        return true;
    pixmap = image.depth() == 1 ? QBitmap::fromImage(image) : QPixmap::fromImage(image);
    return true;
}

bool readPainterPath(QDataStream& stream, QPainterPath& path)
{
    StreamCopy copy(stream);
    int elements = 0;
    if (!copy.count(PathElementBytes, &elements))
        return copy.finish(path);
    if (elements > 0) {
        // Qt's own reader trusts the element types, the curve layout and the
        // subpath start, which later index the element list.
        int curveData = 0;
        for (int i = 0; i < elements && copy.ok(); ++i) {
            const qint32 type = copy.pass<qint32>();
            const double x = copy.pass<double>();
            const double y = copy.pass<double>();
            const bool sound = std::isfinite(x) && std::isfinite(y)
                && (i > 0 || type == QPainterPath::MoveToElement)
                && (curveData > 0 ? type == QPainterPath::CurveToDataElement
                                  : type >= QPainterPath::MoveToElement && type <= QPainterPath::CurveToElement);
            if (!sound) {
                copy.fail();
                break;
            }
            curveData = type == QPainterPath::CurveToElement ? 2 : qMax(0, curveData - 1);
        }
        const qint32 subpathStart = copy.pass<qint32>();
        const qint32 fillRule = copy.pass<qint32>();
        if (curveData > 0 || subpathStart < 0 || subpathStart >= elements
            || (fillRule != Qt::OddEvenFill && fillRule != Qt::WindingFill))
            copy.fail();
    }
    return copy.finish(path);
}

bool readPen(QDataStream& stream, QPen& pen)
{
    if (stream.version() < QDataStream::Qt_5_0) {
        // Older layouts are only ever read from the program's own data.
        stream >> pen;
        return stream.status() == QDataStream::Ok;
    }
    StreamCopy copy(stream);
    const quint16 style = copy.pass<quint16>();
    copy.pass<bool>(); // cosmetic
    if (copy.ok() && !validPenStyle(style))
        copy.fail();
    copy.pass<double>(); // width
    if (copy.ok() && passBrush(copy)) {
        copy.pass<double>(); // miter limit
        int dashes = 0;
        if (copy.count(8, &dashes)) {
            for (int i = 0; i < dashes; ++i)
                copy.pass<double>();
            if (stream.version() >= 9)
                copy.pass<double>(); // dash offset
            copy.pass<bool>();       // default width
        }
    }
    return copy.finish(pen);
}

bool readFont(QDataStream& stream, QFont& font)
{
    if (stream.version() < QDataStream::Qt_5_13) {
        // Before the family list a font holds no count, and strings are read in
        // chunks of what is really there.
        QFont parsed;
        stream >> parsed;
        font = stream.status() == QDataStream::Ok ? parsed : QFont();
        return stream.status() == QDataStream::Ok;
    }
    StreamCopy copy(stream);
    copy.pass<QString>(); // family
    copy.pass<QString>(); // style name
    copy.pass<double>();  // point size
    copy.pass<qint32>();  // pixel size
    copy.pass<quint8>();  // style hint
    copy.pass<quint16>(); // style strategy
    copy.pass<quint8>();  // character set
    copy.pass<quint8>();  // weight
    copy.pass<quint8>();  // bits
    copy.pass<quint16>(); // stretch
    copy.pass<quint8>();  // extended bits
    copy.pass<qint32>();  // letter spacing
    copy.pass<qint32>();  // word spacing
    copy.pass<quint8>();  // hinting preference
    copy.pass<quint8>();  // capitalization
    int families = 0;
    if (copy.ok() && copy.count(StringBytes, &families)) {
        for (int i = 0; i < families && copy.ok(); ++i)
            copy.pass<QString>();
    }
    return copy.finish(font);
}
