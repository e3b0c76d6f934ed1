#include "FuzzEnvironment.h"
#include "FuzzTarget.h"
#include "TestPictures.h"

#include "EighthScaleJpegDecoder.h"
#include "JpegHeader.h"

#include <algorithm>
#include <cstdlib>

// Dovalin's own JPEG decoder: the header, the entropy-coded scan on one thread and on
// several in small chunks (so the threads' parts are joined often), the picture at an
// eighth and scaled to a thumbnail. Whenever several threads give a picture, one thread
// gives the same one, of the size the header says; and a thumbnail it gives is the one
// the image reader gives.

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzEnvironment::start(FuzzEnvironment::Application::Gui);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray file = FuzzEnvironment::bytes(data, size);
    JpegHeader header;
    if (!header.parse(file))
        return 0;
    const QImage alone = EighthScaleJpegDecoder::decodeEighth(file, 1, 64);
    const QImage shared = EighthScaleJpegDecoder::decodeEighth(file, 4, 32);
    if (!shared.isNull() && (shared != alone || shared.size() != header.eighthSize()))
        std::abort(); // the threads' parts joined wrongly
    const QSize target(std::max(1, header.width / 12), std::max(1, header.height / 12));
    const QImage thumbnail = EighthScaleJpegDecoder::decode(file, target, 2);
    if (!thumbnail.isNull() && thumbnail != TestPictures::readJpegByQt(file, target))
        std::abort(); // another picture than the image reader's
    return 0;
}
