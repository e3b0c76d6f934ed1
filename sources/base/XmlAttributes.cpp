#include "XmlAttributes.h"

void readUnknownElement(QXmlStreamReader& reader)
{
    if (reader.isStartElement())
        reader.skipCurrentElement();
}

void setStringAttribute(const QXmlStreamAttributes& attributes, const QString& name, QString& target,
                        bool keepOnEmpty)
{
    if (!attributes.hasAttribute(name))
        return;
    const QString value = attributes.value(name).toString();
    if (value.isEmpty() && keepOnEmpty)
        return;
    target = value;
}

void setKeySequenceAttribute(const QXmlStreamAttributes& attributes, const QString& name,
                             QKeySequence& target, bool keepOnEmpty)
{
    if (!attributes.hasAttribute(name))
        return;
    const QString value = attributes.value(name).toString();
    if (value.isEmpty() && keepOnEmpty)
        return;
    target = QKeySequence::fromString(value, QKeySequence::PortableText);
}

void setIntAttribute(const QXmlStreamAttributes& attributes, const QString& name, int* target)
{
    if (!target || !attributes.hasAttribute(name))
        return;
    const QStringRef value = attributes.value(name);
    if (value.isEmpty())
        return;
    *target = value.toInt(); // not a decimal number: 0
}

void setBoundedIntAttribute(const QXmlStreamAttributes& attributes, const QString& name, int* target, int minimum,
                            int maximum)
{
    if (!target)
        return;
    setIntAttribute(attributes, name, target);
    *target = qBound(minimum, *target, maximum);
}

void setBoolAttribute(const QXmlStreamAttributes& attributes, const QString& name, bool& target)
{
    if (!attributes.hasAttribute(name))
        return;
    const QStringRef value = attributes.value(name);
    if (value.isEmpty())
        return;
    target = value.toInt() != 0;
}
