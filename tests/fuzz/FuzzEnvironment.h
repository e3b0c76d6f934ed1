#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What a fuzz target sets up once, in LLVMFuzzerInitialize: a private home (see
// TestEnvironment), the application object the reader needs on the offscreen platform,
// and a scratch folder for the files made of the inputs. The readers' warnings are
// dropped: millions of inputs would otherwise print millions of lines.
namespace FuzzEnvironment {

enum class Application { Core, Gui, Widgets };

void start(Application kind);

// The input as bytes; the data is copied, so the reader may keep it.
QByteArray bytes(const uint8_t* data, size_t size);

// The scratch folder, emptied by clearScratch().
QString scratchFolder();
void clearScratch();
// Writes the bytes to `path`, its folder made where missing; a failure ends the run.
void writeFile(const QString& path, const QByteArray& bytes);
// Writes the bytes to `name` in the scratch folder and returns its path.
QString writeScratchFile(const QString& name, const QByteArray& bytes);

// Makes the scratch folder the current folder while it lives, for readers that take
// paths relative to it; libFuzzer's own paths, relative to the folder it started in,
// hold again afterwards.
class InScratchFolder
{
public:
    InScratchFolder();
    ~InScratchFolder();
    InScratchFolder(const InScratchFolder&) = delete;
    InScratchFolder& operator=(const InScratchFolder&) = delete;

private:
    QString previous;
};

} // namespace FuzzEnvironment
