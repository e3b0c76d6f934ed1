#pragma once

#include <QStringList>

// Where this user's browsers keep their bookmarks: the "places.sqlite" of every Firefox
// profile listed in "~/.mozilla/firefox/profiles.ini", then the "Bookmarks" file of every
// Chromium and Google Chrome profile below the XDG configuration folder.
class BrowserBookmarkFiles
{
public:
    // The files that exist, each once, Firefox first, profiles in the browsers' order.
    static QStringList find();

private:
    static QStringList firefoxProfiles();
    static QStringList chromiumProfiles(const QString& browserFolder);
};
