#pragma once

#include <QFile>
#include <QString>

// A file that goes on telling its name once opened from a descriptor (as
// openRegularFile opens it, where Qt forgets the name). The image reader picks the
// reader of the name's suffix first; without it, it loads every image plug-in, and
// the libraries they link, to find the one that takes the content.
class NamedFile : public QFile
{
public:
    explicit NamedFile(const QString& path = QString());

    QString fileName() const override { return path; }

private:
    QString path;
};
