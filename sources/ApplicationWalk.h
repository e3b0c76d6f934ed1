#pragma once

#include "RecurseDirThread.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

// Walks of the installed programs: the ".desktop" application entries of the XDG
// application folders, walked by a RecurseDirThread with one job per folder. The data
// of every report carries what the walk wants, so take() can decide on arrival which
// entries are listed and under which name; the caller's own value rides along.
class ApplicationWalk
{
public:
    // Which entries a walk lists, by the menu category given to jobs().
    enum Selection { AllApplications, InCategory, NotInCategory };

    // The XDG application folders that exist, the user's own first; each holds
    // ".desktop" entries, some in subfolders.
    static QStringList folders();

    // One job per application folder. Subfolders only group entries, so they are
    // walked without being reported.
    static QList<RecurseDirThread::Data*> jobs(const QVariant& callerData, Selection selection,
                                               const QString& menuCategory = QString());

    // Whether a report's data comes from such a walk.
    static bool isApplicationReport(const QVariant& reportData);
    // The caller's value given to jobs(); the data unchanged for any other report.
    static QVariant callerData(const QVariant& reportData);

    // Whether the reported entry is listed: an application shown in menus, of the
    // selected categories, whose desktop file id this walk has not met before (the
    // user's own entry hides the system's of the same id). Sets `name` to the entry's
    // name in the user's language when it has one.
    bool take(const QString& path, const QVariant& reportData, QString& name);
    // Forgets the ids met; call when the walk has ended.
    void clear() { met.clear(); }

private:
    QSet<QString> met;
};
