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

// The scratch folder, which is also the current folder; emptied by clearScratch().
QString scratchFolder();
void clearScratch();
// Writes the bytes to `name` in the scratch folder and returns its path.
QString writeScratchFile(const QString& name, const QByteArray& bytes);

} // namespace FuzzEnvironment
