#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QProcessEnvironment;

// The texts of a program under test as a screen reader gets them: a plug-in loaded
// into the program (tests/support/textprobe) writes the accessible tree of every shown
// window to a file, which this side reads.
class TextProbe
{
public:
    struct Node
    {
        int depth = 0;
        QString role;  // QAccessible::Role by name: "PopupMenu", "MenuItem", "Window" ...
        bool shown = false;
        QRect rect;    // on the screen
        QString name;  // the accessible name: a menu entry's text, a label's, a window's title
    };
    // A shown top-level window: its own node first, then its descendants in tree order.
    struct Window
    {
        QList<Node> nodes;

        bool isNull() const { return nodes.isEmpty(); }
        QString title() const { return isNull() ? QString() : nodes.first().name; }
        QRect rect() const { return isNull() ? QRect() : nodes.first().rect; }
        // The names of the shown nodes, blanks around them trimmed.
        QStringList names() const;
        // The first shown node named `name` (blanks around it ignored); null rect if none.
        QRect rectOf(const QString& name) const;
    };

    TextProbe();

    // Adds what makes a Qt program started with `environment` load the probe.
    void addTo(QProcessEnvironment& environment) const;
    // The windows shown at the probe's last look.
    QList<Window> windows() const;
    // The first shown window of `role` (any role when empty) with a node named `name`;
    // null when there is none.
    Window window(const QString& role, const QString& name) const;
    // Waits until window(role, name) finds one; null if none shows within `timeout`
    // milliseconds.
    Window waitForWindow(const QString& role, const QString& name, int timeout = 15000) const;

private:
    QTemporaryDir folder;
};
