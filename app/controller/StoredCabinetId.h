#pragma once

#include <QString>

// The ids that "Vorenda.dat" lists and the data folder's file names carry. A cabinet's
// id names its data file "<id>.dat", so only the form the program makes is an id: 32
// hexadecimal digits, in lower case. The same digits in upper case are the same cabinet.
class StoredCabinetId
{
public:
    // The id that `text` stands for, or empty when it is none.
    static QString read(const QString& text);

    // The id under which the cabinet written as `written` (read as `id`) keeps its items:
    // when only its data file as written lies in the data folder, that file takes the
    // id's name. Where it cannot be renamed (a read-only configuration, a failed rename),
    // the cabinet keeps the id as written, which names that file.
    static QString adoptDataFile(const QString& written, const QString& id);
};
