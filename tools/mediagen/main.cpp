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
    parser.addOption({QStringLiteral("count"), QStringLiteral("Number of videos."), QStringLiteral("n"), QStringLiteral("20")});
    parser.addOption({QStringLiteral("size"), QStringLiteral("Picture size."), QStringLiteral("WxH"), QStringLiteral("1920x1080")});
    parser.addOption({QStringLiteral("seconds"), QStringLiteral("Length of each video."), QStringLiteral("s"), QStringLiteral("8")});
    parser.addOption({QStringLiteral("codec"), QStringLiteral("Video encoder."), QStringLiteral("name"), QStringLiteral("libx264")});
    parser.addOption({QStringLiteral("suffix"), QStringLiteral("Container, by file suffix."), QStringLiteral("suffix"), QStringLiteral("mp4")});
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the videos go."));
    parser.process(app);
    QTextStream err(stderr);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);
    const QString folder = parser.positionalArguments().first();
    QDir().mkpath(folder);
    const QStringList size = parser.value(QStringLiteral("size")).split(QLatin1Char('x'));
    MediaGenerator::VideoSpec spec;
    spec.size = QSize(size.value(0).toInt(), size.value(1).toInt());
    spec.seconds = parser.value(QStringLiteral("seconds")).toDouble();
    spec.codec = parser.value(QStringLiteral("codec"));
    spec.detailed = true;
    spec.withSound = true;
    const int count = parser.value(QStringLiteral("count")).toInt();
    for (int i = 0; i < count; ++i) {
        // Each video has a black lead-in and keyframe spacing of its own.
        spec.blackSeconds = 0.2 * (i % 3);
        spec.keyframeInterval = 50 + 25 * (i % 8);
        const QString path = QStringLiteral("%1/video%2.%3").arg(folder).arg(i + 1, 2, 10, QLatin1Char('0')).arg(parser.value(QStringLiteral("suffix")));
        QString error;
        if (!MediaGenerator::writeVideo(path, spec, &error)) {
            err << path << QStringLiteral(": ") << error << Qt::endl;
            return 1;
        }
    }
    return 0;
}
