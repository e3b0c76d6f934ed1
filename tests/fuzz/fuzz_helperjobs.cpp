#include "FuzzEnvironment.h"
#include "FuzzTarget.h"

#include "DovalinJobReader.h"
#include "KestrimJobReader.h"
#include "MediaJobReader.h"

#include <QBuffer>
#include <QXmlStreamReader>

// A job file, as each helper program reads it: Dovalin's, Kestrim's and the video and
// audio helpers' readers take the same bytes.

namespace {

// The readers make the output folder a job names. Folders of the scratch folder, made
// the current one, are made and removed freely; a job naming any other place is passed
// over, so that the fuzzer makes no folders elsewhere on the machine.
bool staysInScratch(const QByteArray& job)
{
    QXmlStreamReader xml(job);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("List"))
            continue;
        const QString path = xml.attributes().value(QLatin1String("outputPath")).toString();
        if (path.startsWith(QLatin1Char('/')) || path.split(QLatin1Char('/')).contains(QStringLiteral("..")))
            return false;
    }
    return true;
}

template <typename Reader, typename... Arguments>
void read(const QByteArray& job, Arguments... arguments)
{
    QByteArray bytes = job;
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    Reader reader;
    reader.read(&device, arguments...);
    reader.outputFolder();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzEnvironment::start(FuzzEnvironment::Application::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray job = FuzzEnvironment::bytes(data, size);
    if (!staysInScratch(job))
        return -1; // kept out of the corpus
    FuzzEnvironment::clearScratch();
    const FuzzEnvironment::InScratchFolder inScratch;
    read<DovalinJobReader>(job);
    read<KestrimJobReader>(job);
    read<MediaJobReader>(job, QStringLiteral("Tulmar-Data"));
    return 0;
}
