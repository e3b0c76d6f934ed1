#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool isRegularFile(const QString& path)
{
    struct stat status {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           S_ISREG(status.st_mode);
}

bool openRegularFile(QFile& file)
{
    if (file.isOpen() || file.fileName().isEmpty())
        return false;
    // O_NONBLOCK keeps a FIFO without a writer from blocking the open itself.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool readRegularFile(const QString& path, qint64 maxBytes, QByteArray& contents, QString* error)
{
    contents.clear();
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QFile file(path);
    if (!openRegularFile(file))
        return fail(QStringLiteral("not a readable regular file"));
    if (file.size() > maxBytes)
        return fail(QStringLiteral("larger than %1 bytes").arg(maxBytes));
    // One byte more than allowed tells a file that grew since it was measured.
    QByteArray read = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (read.size() > maxBytes)
        return fail(QStringLiteral("larger than %1 bytes").arg(maxBytes));
    contents = std::move(read);
    return true;
}
