#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The resources of a classic Mac resource fork as it travels on other file systems: in
// an AppleDouble companion file ("._name") or an AppleSingle file. Every offset and
// length read from the file is checked against the bytes there.
class AppleResourceFork
{
public:
    // Finds the resource fork in the bytes of an AppleDouble or AppleSingle file. The
    // fork is invalid when the file is neither, has no fork, or a part of the fork or
    // of its resource map lies outside the file.
    static AppleResourceFork fromAppleDouble(const QByteArray& file);
    static bool isAppleDouble(const QByteArray& file);

    bool isValid() const { return valid; }
    QString error() const { return why; }

    // The data of the first resource of the four-character `type` ("url "); empty when
    // the fork holds none or its entry is damaged.
    std::optional<QByteArray> resource(const char (&type)[5]) const;

private:
    bool readMap();
    bool fail(const QString& reason);

    QByteArray fork;
    quint64 dataAt = 0;
    quint64 dataLength = 0;
    quint64 mapAt = 0;
    quint64 mapLength = 0;
    quint64 typeListAt = 0; // inside the fork
    bool valid = false;
    QString why;
};
