#include "HelperLog.h"

#include <cstdio>

namespace HelperLog {

void skipped(const QString& path, const QString& reason)
{
    line(QStringLiteral("skipped ") + path + QStringLiteral(": ") + reason);
}

void line(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace HelperLog
