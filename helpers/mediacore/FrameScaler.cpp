#include "FrameScaler.h"

#include <cstring>

extern "C" {
#include <libavutil/cpu.h>
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
    av_frame_free(&target);
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
    // The library writes whole vector blocks, past the end of a row of a small picture
    // and past its last row: it writes into a frame of its own allocation, padded and
    // aligned for the widest vectors of this processor, and the rows are copied out.
    if (!target || target->width != size.width() || target->height != size.height()) {
        av_frame_free(&target);
        target = av_frame_alloc();
        if (!target)
            return QImage();
        target->format = QT_PIXEL_FORMAT;
        target->width = size.width();
        target->height = size.height();
        if (av_frame_get_buffer(target, int(av_cpu_max_align())) < 0) {
            av_frame_free(&target);
            return QImage();
        }
    }
    if (sws_scale(context, frame->data, frame->linesize, 0, frame->height, target->data, target->linesize) <= 0)
        return QImage();
    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull())
        return QImage();
    const size_t rowBytes = size_t(size.width()) * 4;
    for (int y = 0; y < size.height(); ++y)
        std::memcpy(image.scanLine(y), target->data[0] + qptrdiff(y) * target->linesize[0], rowBytes);
    return image;
}
