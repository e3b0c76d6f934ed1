// dovalin-faultydecoder JOBFILE: Dovalin whose eighth-scale decoder is replaced by one
// that fails as FAULTY_DECODER says: "abort" ends its process as a failed check or an
// uncaught exception would, "hang" never returns (the decoder's deadline is 1.5 s here).
// Everything else, the decoder's switch in the environment included, is Dovalin's own.
#include "DovalinProgram.h"

#include <QGuiApplication>

#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const bool hang = qgetenv("FAULTY_DECODER") == "hang";
    const auto decoder = [hang](const QByteArray&, const QSize&, int) -> QImage {
        while (hang)
            ::pause();
        std::abort();
    };
    return runDovalin(app.arguments(), EighthScaleDecoding::fromEnvironment(decoder, 1500));
}
