#include "MediaGenerator.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

// Writes generated videos for the media helper's benchmark:
//   mediagen --count 20 --size 1920x1080 --seconds 8 --codec libx264 <folder>
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"count", "Number of videos.", "n", "20"});
    parser.addOption({"size", "Picture size.", "WxH", "1920x1080"});
    parser.addOption({"seconds", "Length of each video.", "s", "8"});
    parser.addOption({"codec", "Video encoder.", "name", "libx264"});
    parser.addOption({"suffix", "Container, by file suffix.", "suffix", "mp4"});
    parser.addPositionalArgument("folder", "Where the videos go.");
    parser.process(app);
    QTextStream err(stderr);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);
    const QString folder = parser.positionalArguments().first();
    QDir().mkpath(folder);
    const QStringList size = parser.value("size").split('x');
    MediaGenerator::VideoSpec spec;
    spec.size = QSize(size.value(0).toInt(), size.value(1).toInt());
    spec.seconds = parser.value("seconds").toDouble();
    spec.codec = parser.value("codec");
    spec.detailed = true;
    spec.withSound = true;
    const int count = parser.value("count").toInt();
    for (int i = 0; i < count; ++i) {
        // Each video has a black lead-in and keyframe spacing of its own.
        spec.blackSeconds = 0.2 * (i % 3);
        spec.keyframeInterval = 50 + 25 * (i % 8);
        const QString path = QStringLiteral("%1/video%2.%3").arg(folder).arg(i + 1, 2, 10, QLatin1Char('0')).arg(parser.value("suffix"));
        QString error;
        if (!MediaGenerator::writeVideo(path, spec, &error)) {
            err << path << ": " << error << Qt::endl;
            return 1;
        }
    }
    return 0;
}
