#include "FrameScaler.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace {

// Qt's 32-bit formats hold one native-endian 0xAARRGGBB value per pixel.
constexpr AVPixelFormat QT_PIXEL_FORMAT = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? AV_PIX_FMT_BGRA : AV_PIX_FMT_ARGB;

// The colour matrix of the picture; high-definition pictures that do not say use BT.709.
int colourSpaceOf(const AVFrame* frame)
{
    switch (frame->colorspace) {
    case AVCOL_SPC_BT709:
        return SWS_CS_ITU709;
    case AVCOL_SPC_BT2020_NCL:
    case AVCOL_SPC_BT2020_CL:
        return SWS_CS_BT2020;
    case AVCOL_SPC_SMPTE240M:
        return SWS_CS_SMPTE240M;
    case AVCOL_SPC_UNSPECIFIED:
        return frame->height >= 720 ? SWS_CS_ITU709 : SWS_CS_DEFAULT;
    default:
        return SWS_CS_DEFAULT;
    }
}

bool isFullRange(const AVFrame* frame)
{
    switch (frame->format) {
    case AV_PIX_FMT_YUVJ420P:
    case AV_PIX_FMT_YUVJ422P:
    case AV_PIX_FMT_YUVJ444P:
    case AV_PIX_FMT_YUVJ440P:
        return true;
    default:
        return frame->color_range == AVCOL_RANGE_JPEG;
    }
}

} // namespace

FrameScaler::~FrameScaler()
{
    sws_freeContext(context);
}

QImage FrameScaler::scale(const AVFrame* frame, const QSize& size)
{
    if (!frame || frame->width <= 0 || frame->height <= 0 || size.isEmpty())
        return QImage();
    context = sws_getCachedContext(context, frame->width, frame->height, AVPixelFormat(frame->format),
                                   size.width(), size.height(), QT_PIXEL_FORMAT, SWS_BILINEAR, nullptr, nullptr,
                                   nullptr);
    if (!context)
        return QImage();
    const AVPixFmtDescriptor* description = av_pix_fmt_desc_get(AVPixelFormat(frame->format));
    if (description && !(description->flags & AV_PIX_FMT_FLAG_RGB)) {
        const int* coefficients = sws_getCoefficients(colourSpaceOf(frame));
        sws_setColorspaceDetails(context, coefficients, isFullRange(frame) ? 1 : 0, sws_getCoefficients(SWS_CS_DEFAULT),
                                 1, 0, 1 << 16, 1 << 16);
    }
    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull())
        return QImage();
    uint8_t* target[] = {image.bits(), nullptr, nullptr, nullptr};
    const int targetStride[] = {int(image.bytesPerLine()), 0, 0, 0};
    if (sws_scale(context, frame->data, frame->linesize, 0, frame->height, target, targetStride) <= 0)
        return QImage();
    return image;
}
