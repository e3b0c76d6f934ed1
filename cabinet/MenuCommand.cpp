#include "MenuCommand.h"

// Unsigned arithmetic throughout: shifting a negative parameter left is undefined for
// signed integers, and the high word of -1 must be all ones.
QVariant MenuCommand::pack(MenuType type, int parameter)
{
    const quint64 high = quint64(quint32(parameter)) << 32;
    const quint64 low = quint32(type);
    return QVariant(qint64(high | low));
}

MenuCommand MenuCommand::unpack(const QVariant& data)
{
    MenuCommand command;
    // Only whole numbers carry a command; text or other data that happens to convert does not.
    switch (data.userType()) {
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
        break;
    default:
        return command;
    }
    const quint64 bits = data.userType() == QMetaType::ULongLong ? data.toULongLong() : quint64(data.toLongLong());
    command.type = MenuType(qint32(quint32(bits & 0xFFFFFFFFu)));
    command.parameter = qint32(quint32(bits >> 32));
    command.valid = true;
    return command;
}
