#include "TextProbe.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QtTest>

namespace {

QString unescaped(const QString& text)
{
    QString plain;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\\') || i + 1 == text.size()) {
            plain += text.at(i);
            continue;
        }
        const QChar next = text.at(++i);
        plain += next == QLatin1Char('n') ? QChar(QLatin1Char('\n')) : next == QLatin1Char('t') ? QChar(QLatin1Char('\t')) : next;
    }
    return plain;
}

} // namespace

QStringList TextProbe::Window::names() const
{
    QStringList found;
    for (const Node& node : nodes)
        if (node.shown && !node.name.trimmed().isEmpty())
            found << node.name.trimmed();
    return found;
}

QRect TextProbe::Window::rectOf(const QString& name) const
{
    for (const Node& node : nodes)
        if (node.shown && node.name.trimmed() == name)
            return node.rect;
    return QRect();
}

TextProbe::TextProbe() = default;

void TextProbe::addTo(QProcessEnvironment& environment) const
{
    const QString plugins = QStringLiteral(VORENDA_TEST_PLUGIN_DIR);
    const QString inherited = environment.value(QStringLiteral("QT_PLUGIN_PATH"));
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"),
                       inherited.isEmpty() ? plugins : plugins + QLatin1Char(':') + inherited);
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("vorendatextprobe"));
    environment.insert(QStringLiteral("VORENDA_TEXT_PROBE"), folder.filePath(QStringLiteral("texts.txt")));
}

QList<TextProbe::Window> TextProbe::windows() const
{
    QList<Window> found;
    QFile file(folder.filePath(QStringLiteral("texts.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return found;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        const QStringList box = fields.value(3).split(QLatin1Char(','));
        if (fields.size() != 5 || box.size() != 4)
            continue;
        Node node;
        node.depth = fields.at(0).toInt();
        node.role = fields.at(1);
        node.shown = fields.at(2) == QLatin1String("shown");
        node.rect = QRect(box.at(0).toInt(), box.at(1).toInt(), box.at(2).toInt(), box.at(3).toInt());
        node.name = unescaped(fields.at(4));
        if (node.depth == 0)
            found.append(Window());
        if (!found.isEmpty())
            found.last().nodes.append(node);
    }
    return found;
}

TextProbe::Window TextProbe::window(const QString& role, const QString& name) const
{
    for (const Window& shown : windows())
        if ((role.isEmpty() || shown.nodes.first().role == role) && shown.names().contains(name))
            return shown;
    return Window();
}

TextProbe::Window TextProbe::waitForWindow(const QString& role, const QString& name, int timeout) const
{
    Window match;
    if (!QTest::qWaitFor([&] { return !(match = window(role, name)).isNull(); }, timeout))
        qWarning("no %s window with \"%s\" showed within %d ms", role.isEmpty() ? "shown" : qPrintable(role),
                 qPrintable(name), timeout);
    return match;
}
