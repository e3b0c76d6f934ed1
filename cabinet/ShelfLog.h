#pragma once

#include <QString>

class VorendaShelf;

// A cabinet's lines in the program's log: "VorendaShelf (<name>): <message>".
class ShelfLog
{
public:
    static void write(const VorendaShelf& shelf, const QString& message);
};
