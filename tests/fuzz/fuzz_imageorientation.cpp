#include "FuzzEnvironment.h"
#include "FuzzTarget.h"

#include "ExifOrientation.h"

#include <QBuffer>

#include <cstdlib>

// The orientation reader over JPEG, PNG and WebP headers and bare EXIF blocks: it gives
// an orientation of 0 to 8 and leaves the device where it found it, whatever the
// segment and chunk lengths and directory offsets claim.

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzEnvironment::start(FuzzEnvironment::Application::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray file = FuzzEnvironment::bytes(data, size);
    QBuffer buffer(&file);
    if (!buffer.open(QIODevice::ReadOnly))
        return 0;
    const int orientation = ExifOrientation::read(&buffer);
    if (orientation < 0 || orientation > 8 || buffer.pos() != 0)
        std::abort(); // no orientation, or the device left elsewhere
    const int bare = ExifOrientation::fromExif(file);
    if (bare < 0 || bare > 8)
        std::abort();
    return 0;
}
