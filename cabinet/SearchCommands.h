#pragma once

#include <QString>

// Search texts that show a list instead of searching: the items opened at least once,
// the items added today and the items opened through the cabinet at all.
inline constexpr char RECENTLYOPENED_COMMAND[] = "[ro]";
inline constexpr char RECENTLYADDED_COMMAND[] = "[ra]";
inline constexpr char MOSTPOPULAR_COMMAND[] = "[mp]";

// True for one of the three texts in any mix of case.
inline bool isReservedSearch(const QString& text)
{
    return text.compare(QLatin1String(RECENTLYOPENED_COMMAND), Qt::CaseInsensitive) == 0
        || text.compare(QLatin1String(RECENTLYADDED_COMMAND), Qt::CaseInsensitive) == 0
        || text.compare(QLatin1String(MOSTPOPULAR_COMMAND), Qt::CaseInsensitive) == 0;
}
