#pragma once

#include <QString>

// A data file that exists but did not load cleanly is kept aside before a save would
// replace it: renamed to "<path>.damaged-<yyyyMMdd-hhmmss>", with "-2", "-3" … added
// while that name is taken.
class DamagedFile
{
public:
    // True when nothing is left at `path` to be replaced: the file was kept aside under
    // `*kept`, or there was none (`*kept` empty). False when it could not be renamed.
    static bool keepAside(const QString& path, QString* kept);

    // Names tried for one file before giving up.
    static constexpr int mostNames = 99;
};
