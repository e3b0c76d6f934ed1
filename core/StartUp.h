#pragma once

#include <QString>

class QTranslator;

// Pieces of the program's start-up that tests run on their own.
namespace StartUp {

// On Wayland sessions the program runs on XWayland: global hotkeys need X11.
void preferX11();

// Qt's own plug-in paths stay; a bundle's "PlugIns" folder is added where that layout exists.
void configureLibraryPaths(const QString& executableFolder);

// Qt's own texts (from the system's Qt translations) for any language but English,
// and the program's texts from the resources.
void installTranslators(QTranslator& qtTranslator, QTranslator& appTranslator, const QString& language);

} // namespace StartUp
