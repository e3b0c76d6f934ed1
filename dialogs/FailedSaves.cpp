#include "FailedSaves.h"

#include "MessageDialog.h"

#include <QTimer>

FailedSaves& FailedSaves::instance()
{
    static FailedSaves* saves = new FailedSaves;
    return *saves;
}

int FailedSaves::indexOf(const QString& path) const
{
    for (int i = 0; i < failures.size(); ++i) {
        if (failures.at(i).path == path)
            return i;
    }
    return -1;
}

void FailedSaves::failed(const QString& path, const QString& what, const QString& reason, QWidget* window)
{
    const int index = indexOf(path);
    if (index >= 0) {
        Failure& failure = failures[index];
        failure.what = what;
        failure.reason = reason;
        failure.window = window;
        return;
    }
    failures.append(Failure{path, what, reason, window, false});
    scheduleMessages();
}

void FailedSaves::saved(const QString& path)
{
    const int index = indexOf(path);
    if (index >= 0)
        failures.removeAt(index);
}

bool FailedSaves::contains(const QString& path) const
{
    return indexOf(path) >= 0;
}

QStringList FailedSaves::describe() const
{
    QStringList lines;
    for (const Failure& failure : failures)
        lines.append(tr("%1 (%2): %3").arg(failure.what, failure.path, failure.reason));
    return lines;
}

void FailedSaves::holdMessages(bool hold)
{
    held = hold;
    if (!held)
        scheduleMessages();
}

void FailedSaves::markAllTold()
{
    for (Failure& failure : failures)
        failure.told = true;
}

QString FailedSaves::folderNotMade(const QString& folder)
{
    return tr("The folder %1 cannot be created.").arg(folder);
}

void FailedSaves::scheduleMessages()
{
    // A save may run inside a window's event handling, or while the program quits:
    // the message waits until the program is idle, and shows one at a time.
    if (held || scheduled || telling)
        return;
    scheduled = true;
    QTimer::singleShot(0, this, &FailedSaves::tellPending);
}

void FailedSaves::tellPending()
{
    scheduled = false;
    if (telling)
        return;
    telling = true;
    for (;;) {
        if (held)
            break;
        // Looked up afresh each time: while a message waits, saves go on.
        int index = -1;
        for (int i = 0; i < failures.size() && index < 0; ++i) {
            if (!failures.at(i).told)
                index = i;
        }
        if (index < 0)
            break;
        Failure& failure = failures[index];
        failure.told = true;
        const QString text = tr("Vorenda could not save %1 to %2:\n%3\n\nThe latest changes are not on the disk yet. "
                                "They are saved with the next change once the cause is removed.")
                                 .arg(failure.what, failure.path, failure.reason);
        const QPointer<QWidget> window = failure.window;
        MessageDialog().exec(window, text, MessageDialog::Warning, MessageDialog::OkButton);
    }
    telling = false;
}
