#pragma once

#include <QString>

// A real filesystem of a few hundred kilobytes, for tests of a disk that fills up: a
// tmpfs mounted in a mount namespace of the test process alone, so it goes when the
// process ends and nobody else sees it. Root enters the namespace directly; otherwise
// (or where root may not mount, as in some containers) the process first gets the
// right to mount in a new user namespace, which the kernel only allows before a second
// thread exists: call enterPrivateNamespace() at the top of main(), before the
// application object.
namespace SmallFilesystem {

// Enters the private namespaces; false (with the reason in `why()`) when the system
// allows neither way.
bool enterPrivateNamespace();
// Why the namespace or the mount could not be made.
QString why();
// Mounts a tmpfs of `bytes` on the existing folder `path`.
bool mount(const QString& path, qint64 bytes);
// Makes the filesystem mounted on `path` read-only, or writable again; as root too,
// every write on it then fails with "Read-only file system".
bool setReadOnly(const QString& path, bool readOnly);
// Unmounts it again (lazily, so open files do not keep it).
void unmount(const QString& path);
// Writes a file of zeros into `folder` until the filesystem has no room left, then
// gives `room` bytes back (whole pages for a room that is a multiple of 4096).
bool fill(const QString& folder, qint64 room = 0);

} // namespace SmallFilesystem

// The main() of a test that mounts small filesystems: it enters the namespaces first.
#define VORENDA_SMALL_FILESYSTEM_TEST_MAIN(TestObject)                                                  \
    VORENDA_TEST_MAIN_APP_AFTER(TestObject, QApplication, SmallFilesystem::enterPrivateNamespace())
