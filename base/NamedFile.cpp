#include "NamedFile.h"

NamedFile::NamedFile(const QString& path)
    : QFile(path)
    , path(path)
{
}
