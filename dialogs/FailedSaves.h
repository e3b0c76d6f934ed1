#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

// The files whose last save failed, each with the reason the system gave, until a save
// of it succeeds. The user is told of each in a message once, as soon as the program
// is idle again, and not again until that file has been saved; the question at quit
// lists those still failing.
class FailedSaves : public QObject
{
    Q_OBJECT

public:
    static FailedSaves& instance();

    // `what` names the file for the user, to follow "could not save" (as "the cabinet
    // "Work""); the message is shown over `window` (null: over no window).
    void failed(const QString& path, const QString& what, const QString& reason, QWidget* window = nullptr);
    // `path` was saved, or needs no saving any more.
    void saved(const QString& path);

    bool isEmpty() const { return failures.isEmpty(); }
    bool contains(const QString& path) const;
    // One line per failing file: what it is and why it failed.
    QStringList describe() const;

    // While held, failures are only noted: the quit asks about them itself.
    void holdMessages(bool hold);
    // What is noted now needs no message of its own any more.
    void markAllTold();

    // The reason given when the folder of a file cannot be made.
    static QString folderNotMade(const QString& folder);

private:
    struct Failure
    {
        QString path;
        QString what;
        QString reason;
        QPointer<QWidget> window;
        bool told = false;
    };

    FailedSaves() = default;
    int indexOf(const QString& path) const;
    void scheduleMessages();
    // Shows the pending messages one after another.
    void tellPending();

    QList<Failure> failures;
    bool held = false;
    bool scheduled = false;
    bool telling = false;
};
