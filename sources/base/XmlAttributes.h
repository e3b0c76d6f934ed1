#pragma once

#include <QKeySequence>
#include <QString>
#include <QXmlStreamAttributes>
#include <QXmlStreamReader>

// Shared rules of every data-file reader: a missing attribute leaves the target
// as it was, numbers and switches are decimal text, unknown elements are skipped whole.

// Consumes the element the reader stands on, with everything inside it, without
// recursion, so hostile nesting depth cannot exhaust the stack.
void readUnknownElement(QXmlStreamReader& reader);

void setStringAttribute(const QXmlStreamAttributes& attributes, const QString& name, QString& target,
                        bool keepOnEmpty);
void setKeySequenceAttribute(const QXmlStreamAttributes& attributes, const QString& name,
                             QKeySequence& target, bool keepOnEmpty);
void setIntAttribute(const QXmlStreamAttributes& attributes, const QString& name, int* target);
// setIntAttribute, then bounded to minimum..maximum: a number from a file never
// reaches the program's arithmetic outside the range it was made for.
void setBoundedIntAttribute(const QXmlStreamAttributes& attributes, const QString& name, int* target, int minimum,
                            int maximum);
void setBoolAttribute(const QXmlStreamAttributes& attributes, const QString& name, bool& target);
