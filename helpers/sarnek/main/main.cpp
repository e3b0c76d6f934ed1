#include "MediaHelperProgram.h"
#include "SoundThumbnail.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    // The helper never shows anything: keep it off the user's display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return MediaHelper::run(app.arguments(), QStringLiteral("Sarnek-Data"), &makeSoundThumbnail);
}
