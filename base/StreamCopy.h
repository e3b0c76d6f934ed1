#pragma once

#include <QByteArray>
#include <QDataStream>

// Reads a Qt value field by field from an untrusted stream, checking each count against
// the bytes left, and writes every checked field into a private copy with the same
// stream settings. Qt's own reader then parses the copy, which can no longer make it
// allocate for data that is not there.
class StreamCopy
{
public:
    explicit StreamCopy(QDataStream& in);

    // Passes one fixed-size value through and returns it.
    template <typename T>
    T pass()
    {
        T value{};
        m_in >> value;
        m_out << value;
        return value;
    }

    // Passes a 32-bit element count through; refuses one that is negative (as Qt
    // writes counts unsigned, above 2^31) or promises more elements of at least
    // `minElementBytes` than the stream holds.
    bool count(int minElementBytes, int* count);

    // Marks the source stream corrupt (unless it already failed).
    void fail();

    bool ok() const;

    // Parses the copy with Qt's reader when every field was sound; otherwise `value`
    // becomes a default one. Returns whether the value was read.
    template <typename T>
    bool finish(T& value)
    {
        if (ok()) {
            QDataStream copy(m_copy);
            copy.setVersion(m_in.version());
            copy.setByteOrder(m_in.byteOrder());
            copy.setFloatingPointPrecision(m_in.floatingPointPrecision());
            T parsed;
            copy >> parsed;
            if (copy.status() == QDataStream::Ok && copy.atEnd()) {
                value = parsed;
                return true;
            }
            fail();
        }
        value = T();
        return false;
    }

    QDataStream& in() { return m_in; }
    QDataStream& out() { return m_out; }

private:
    QDataStream& m_in;
    QByteArray m_copy;
    QDataStream m_out;
};
