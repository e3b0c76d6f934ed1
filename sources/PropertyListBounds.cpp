#include "PropertyListBounds.h"

#include "BigEndianBytes.h"

#include <QXmlStreamReader>

#include <vector>

namespace {

constexpr int TRAILER_BYTES = 32;
constexpr int HEADER_BYTES = 8;

bool refuse(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

bool xmlWithinBounds(const QByteArray& bytes, const PropertyListBounds& bounds, QString* error)
{
    QXmlStreamReader reader(bytes);
    int depth = 0;
    qint64 elements = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > bounds.maxDepth)
                return refuse(error, QStringLiteral("nested deeper than %1 elements").arg(bounds.maxDepth));
            if (++elements > bounds.maxNodes)
                return refuse(error, QStringLiteral("more than %1 elements").arg(bounds.maxNodes));
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    if (reader.hasError())
        return refuse(error, QStringLiteral("not well-formed XML: %1").arg(reader.errorString()));
    return true;
}

// Measures the object tree of a binary property list without building it: every
// container's depth and size (as libplist would expand it) is worked out once, with an
// explicit stack, so neither a deep nor a self-referring file can run away.
class BinaryShape
{
public:
    BinaryShape(const QByteArray& bytes, const PropertyListBounds& bounds) : bytes(bytes), bounds(bounds) {}

    bool check(QString* error)
    {
        if (!readTrailer())
            return refuse(error, QStringLiteral("damaged binary property list trailer"));
        if (!measure(rootObject))
            return refuse(error, why);
        return true;
    }

private:
    enum State : quint8 { Unseen, Open, Done };

    struct Container
    {
        quint64 refsAt = 0; // offset of the first reference
        quint64 refCount = 0;
    };

    struct Frame
    {
        quint64 object;
        Container container;
        quint64 next = 0;
    };

    bool readTrailer()
    {
        const quint64 size = quint64(bytes.size());
        if (size < HEADER_BYTES + TRAILER_BYTES || !bytes.startsWith("bplist00"))
            return false;
        const quint64 trailer = size - TRAILER_BYTES;
        const auto offsetBytes = readBigEndian(bytes, trailer + 6, 1);
        const auto refBytes = readBigEndian(bytes, trailer + 7, 1);
        const auto objects = readBigEndian(bytes, trailer + 8, 8);
        const auto root = readBigEndian(bytes, trailer + 16, 8);
        const auto table = readBigEndian(bytes, trailer + 24, 8);
        if (!offsetBytes || !refBytes || !objects || !root || !table)
            return false;
        offsetSize = int(*offsetBytes);
        refSize = int(*refBytes);
        objectCount = *objects;
        rootObject = *root;
        tableAt = *table;
        // Every object takes at least one byte before the offset table.
        return offsetSize >= 1 && offsetSize <= 8 && refSize >= 1 && refSize <= 8 && objectCount > 0
            && rootObject < objectCount && tableAt >= HEADER_BYTES && tableAt <= trailer
            && objectCount <= (trailer - tableAt) / quint64(offsetSize) && objectCount <= tableAt - HEADER_BYTES;
    }

    std::optional<quint64> objectOffset(quint64 object) const
    {
        const auto offset = readBigEndian(bytes, tableAt + object * quint64(offsetSize), offsetSize);
        if (!offset || *offset < HEADER_BYTES || *offset >= tableAt)
            return std::nullopt;
        return offset;
    }

    // Reads the object's marker: false for a damaged object; `container` holds no
    // references for a leaf (numbers, strings, data, dates).
    bool readObject(quint64 object, Container& container) const
    {
        const auto offset = objectOffset(object);
        if (!offset)
            return false;
        const quint8 marker = quint8(bytes.at(int(*offset)));
        const quint8 kind = marker >> 4;
        container = Container();
        const bool isString = kind == 0x5 || kind == 0x6;
        if (kind != 0xA && kind != 0xC && kind != 0xD && !isString)
            return true;
        quint64 count = marker & 0x0F;
        quint64 at = *offset + 1;
        if (count == 0x0F) {
            const auto intMarker = readBigEndian(bytes, at, 1);
            if (!intMarker || (*intMarker >> 4) != 0x1 || (*intMarker & 0x0F) > 3)
                return false;
            const int countBytes = 1 << (*intMarker & 0x0F);
            const auto longCount = readBigEndian(bytes, at + 1, countBytes);
            if (!longCount)
                return false;
            count = *longCount;
            at += 1 + quint64(countBytes);
        }
        if (isString)
            return stringWithoutNul(at, count, kind == 0x6 ? 2 : 1);
        const quint64 refs = kind == 0xD ? 2 : 1;
        if (at > tableAt || count > (tableAt - at) / quint64(refSize) / refs)
            return false;
        container.refsAt = at;
        container.refCount = count * refs;
        return true;
    }

    // libplist aborts the process on a string or key holding a NUL character, so such a
    // file is refused as damaged; `unitBytes` is 1 for ASCII, 2 for UTF-16.
    bool stringWithoutNul(quint64 at, quint64 units, int unitBytes) const
    {
        if (at > tableAt || units > (tableAt - at) / quint64(unitBytes))
            return false;
        for (quint64 i = 0; i < units; ++i) {
            const auto unit = readBigEndian(bytes, at + i * quint64(unitBytes), unitBytes);
            if (!unit || *unit == 0)
                return false;
        }
        return true;
    }

    std::optional<quint64> reference(const Container& container, quint64 index) const
    {
        const auto ref = readBigEndian(bytes, container.refsAt + index * quint64(refSize), refSize);
        if (!ref || *ref >= objectCount)
            return std::nullopt;
        return ref;
    }

    bool fail(const QString& reason)
    {
        why = reason;
        return false;
    }

    bool measure(quint64 root)
    {
        state.assign(objectCount, Unseen);
        depth.assign(objectCount, 0);
        nodes.assign(objectCount, 0);
        std::vector<Frame> stack;
        if (!open(root, stack))
            return false;
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.next < frame.container.refCount) {
                const auto child = reference(frame.container, frame.next++);
                if (!child)
                    return fail(QStringLiteral("reference outside the object table"));
                if (state[*child] == Open)
                    return fail(QStringLiteral("an object contains itself"));
                if (state[*child] == Unseen && !open(*child, stack))
                    return false;
                continue;
            }
            if (!close(frame))
                return false;
            stack.pop_back();
        }
        return true;
    }

    bool open(quint64 object, std::vector<Frame>& stack)
    {
        Container container;
        if (!readObject(object, container))
            return fail(QStringLiteral("damaged object %1").arg(object));
        if (container.refCount == 0) {
            state[object] = Done;
            depth[object] = 1;
            nodes[object] = 1;
            return true;
        }
        if (int(stack.size()) >= bounds.maxDepth)
            return fail(QStringLiteral("nested deeper than %1 objects").arg(bounds.maxDepth));
        state[object] = Open;
        stack.push_back({object, container});
        return true;
    }

    bool close(const Frame& frame)
    {
        int deepest = 0;
        qint64 count = 1;
        for (quint64 i = 0; i < frame.container.refCount; ++i) {
            const quint64 child = *reference(frame.container, i);
            deepest = std::max(deepest, depth[child]);
            count += nodes[child];
            if (count > bounds.maxNodes)
                return fail(QStringLiteral("more than %1 objects").arg(bounds.maxNodes));
        }
        if (deepest + 1 > bounds.maxDepth)
            return fail(QStringLiteral("nested deeper than %1 objects").arg(bounds.maxDepth));
        state[frame.object] = Done;
        depth[frame.object] = deepest + 1;
        nodes[frame.object] = count;
        return true;
    }

    const QByteArray& bytes;
    const PropertyListBounds& bounds;
    int offsetSize = 0;
    int refSize = 0;
    quint64 objectCount = 0;
    quint64 rootObject = 0;
    quint64 tableAt = 0;
    std::vector<State> state;
    std::vector<int> depth;
    std::vector<qint64> nodes;
    QString why;
};

} // namespace

bool propertyListWithinBounds(const QByteArray& bytes, const PropertyListBounds& bounds, QString* error)
{
    if (bytes.startsWith("bplist"))
        return BinaryShape(bytes, bounds).check(error);
    return xmlWithinBounds(bytes, bounds, error);
}
