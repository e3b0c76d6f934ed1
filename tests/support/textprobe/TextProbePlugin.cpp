// A plug-in that the tests load into the program they start (QT_QPA_GENERIC_PLUGINS):
// it writes what a screen reader would read of every shown window, so the tests see
// the program's texts without a hook in the program itself.
#include <QAccessible>
#include <QApplication>
#include <QGenericPlugin>
#include <QMetaEnum>
#include <QSaveFile>
#include <QTimer>
#include <QWidget>

namespace {

QString escaped(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
}

// Every few hundred milliseconds, the accessible tree of each shown top-level window
// into the file named by VORENDA_TEXT_PROBE, one node a line:
// depth <tab> role <tab> "shown" or "hidden" <tab> x,y,width,height <tab> name.
// The file is replaced whole, and only when its text changes.
class TextProbe : public QObject
{
public:
    explicit TextProbe(const QString& path)
        : path(path)
    {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &TextProbe::write);
        timer->start(200);
    }

private:
    void write()
    {
        if (path.isEmpty() || !qobject_cast<QApplication*>(QCoreApplication::instance()))
            return;
        QString text;
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows)
            if (window->isVisible())
                describe(QAccessible::queryAccessibleInterface(window), 0, text);
        if (text == written)
            return;
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit())
            written = text;
    }

    static void describe(QAccessibleInterface* node, int depth, QString& text)
    {
        // Deep enough for any form; a cycle in a broken tree ends here too.
        if (!node || !node->isValid() || depth > 40)
            return;
        static const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
        const QRect rect = node->rect();
        text += QStringLiteral("%1\t%2\t%3\t%4,%5,%6,%7\t%8\n")
                    .arg(depth)
                    .arg(QString::fromLatin1(roles.valueToKey(node->role())))
                    .arg(node->state().invisible ? QStringLiteral("hidden") : QStringLiteral("shown"))
                    .arg(rect.x())
                    .arg(rect.y())
                    .arg(rect.width())
                    .arg(rect.height())
                    .arg(escaped(node->text(QAccessible::Name)));
        for (int i = 0; i < node->childCount(); ++i)
            describe(node->child(i), depth + 1, text);
    }

    const QString path;
    QString written;
};

} // namespace

class TextProbePlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "textprobe.json")

public:
    QObject* create(const QString&, const QString&) override
    {
        return new TextProbe(qEnvironmentVariable("VORENDA_TEXT_PROBE"));
    }
};

#include "TextProbePlugin.moc"
