#include "GuideSamples.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

// The samples' texts in one language, UTF-8.
struct SampleTexts
{
    const char* language;
    const char* cabinet;
    const char* user;
    const char* folders[2];
    const char* categories[3];
    const char* desktopFiles[5];
    const char* photos[3];
    const char* programs[4];
    const char* search;
    const char* notes;
    const char* tags[6];
};

const SampleTexts sampleTexts[] = {
    {"en",
     "Cabinet 1",
     "anna",
     {"Desktop", "Pictures"},
     {"Desktop", "Photos", "Applications"},
     {"Notes.txt", "Budget 2026.ods", "Letter to the bank.odt", "Meeting notes.odt", "Projects/"},
     {"Morning at the lake", "Hills in autumn", "Evening by the sea"},
     {"Text Editor", "Calculator", "Terminal", "Web Browser"},
     "notes",
     "Our first morning at the lake.",
     {"family", "holiday", "summer", "work", "recipes", "finance"}},
    {"de",
     "Schrank 1",
     "anna",
     {"Schreibtisch", "Bilder"},
     {"Schreibtisch", "Fotos", "Anwendungen"},
     {"Notizen.txt", "Haushalt 2026.ods", "Brief an die Bank.odt", "Besprechungsnotizen.odt", "Projekte/"},
     {"Morgen am See", "Hügel im Herbst", "Abend am Meer"},
     {"Texteditor", "Taschenrechner", "Terminal", "Webbrowser"},
     "notizen",
     "Unser erster Morgen am See.",
     {"familie", "urlaub", "sommer", "arbeit", "rezepte", "finanzen"}},
    {"es",
     "Armario 1",
     "ana",
     {"Escritorio", "Imágenes"},
     {"Escritorio", "Fotos", "Aplicaciones"},
     {"Notas.txt", "Presupuesto 2026.ods", "Carta al banco.odt", "Notas de la reunión.odt", "Proyectos/"},
     {"Mañana en el lago", "Colinas en otoño", "Tarde en el mar"},
     {"Editor de texto", "Calculadora", "Terminal", "Navegador web"},
     "notas",
     "Nuestra primera mañana en el lago.",
     {"familia", "vacaciones", "verano", "trabajo", "recetas", "finanzas"}},
};

// Icons of the icon theme that the sample programs name.
const char* const programIcons[4] = {"accessories-text-editor", "accessories-calculator", "utilities-terminal",
                                     "web-browser"};

template <std::size_t N>
QStringList list(const char* const (&texts)[N])
{
    QStringList result;
    for (const char* text : texts)
        result << QString::fromUtf8(text);
    return result;
}

} // namespace

GuideSamples GuideSamples::forLanguage(const QString& language)
{
    const SampleTexts* texts = &sampleTexts[0];
    for (const SampleTexts& candidate : sampleTexts) {
        if (language == QLatin1String(candidate.language))
            texts = &candidate;
    }
    GuideSamples samples;
    samples.language = language;
    samples.cabinetName = QString::fromUtf8(texts->cabinet);
    samples.userName = QString::fromUtf8(texts->user);
    samples.desktopFolder = QString::fromUtf8(texts->folders[0]);
    samples.picturesFolder = QString::fromUtf8(texts->folders[1]);
    samples.desktopCategory = QString::fromUtf8(texts->categories[0]);
    samples.photosCategory = QString::fromUtf8(texts->categories[1]);
    samples.applicationsCategory = QString::fromUtf8(texts->categories[2]);
    samples.desktopFiles = list(texts->desktopFiles);
    samples.photoNames = list(texts->photos);
    const QStringList programNames = list(texts->programs);
    for (int i = 0; i < programNames.size(); ++i)
        samples.programs << programNames.at(i) + QLatin1Char('|') + QLatin1String(programIcons[i]);
    samples.searchText = QString::fromUtf8(texts->search);
    samples.editedPhotoNotes = QString::fromUtf8(texts->notes);
    samples.tags = list(texts->tags);
    return samples;
}

QImage GuideSamples::photograph(int index, const QSize& size)
{
    struct Light
    {
        QColor skyTop, skyBottom, sun, far, near, water;
        double sunX, sunY;
    };
    const Light lights[] = {
        // Morning: pale blue sky, low sun, a calm lake.
        {QColor(120, 170, 225), QColor(250, 214, 170), QColor(255, 236, 190), QColor(105, 130, 150),
         QColor(52, 92, 60), QColor(80, 130, 175), 0.3, 0.42},
        // Autumn: a clear sky over orange and brown hills.
        {QColor(70, 130, 210), QColor(190, 215, 240), QColor(255, 250, 225), QColor(196, 120, 48),
         QColor(140, 70, 30), QColor(0, 0, 0, 0), 0.78, 0.2},
        // Evening: a red sky and the sun sinking into the sea.
        {QColor(60, 40, 110), QColor(245, 120, 70), QColor(255, 200, 120), QColor(90, 50, 80),
         QColor(40, 30, 50), QColor(70, 60, 110), 0.55, 0.56},
    };
    const Light& light = lights[index % 3];
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();

    QLinearGradient sky(0.0, 0.0, 0.0, h * 0.62);
    sky.setColorAt(0.0, light.skyTop);
    sky.setColorAt(1.0, light.skyBottom);
    p.fillRect(image.rect(), sky);

    QRadialGradient glow(QPointF(w * light.sunX, h * light.sunY), h * 0.35);
    glow.setColorAt(0.0, light.sun);
    glow.setColorAt(0.12, light.sun);
    glow.setColorAt(0.13, QColor(light.sun.red(), light.sun.green(), light.sun.blue(), 110));
    glow.setColorAt(1.0, QColor(light.sun.red(), light.sun.green(), light.sun.blue(), 0));
    p.fillRect(image.rect(), glow);

    // Two ranges of hills, the far one paler.
    const auto hills = [&](double base, double height, double waves, double phase, const QColor& color) {
        QPainterPath path(QPointF(0.0, h));
        for (int x = 0; x <= 64; ++x) {
            const double t = x / 64.0;
            const double y = base - height * (0.6 + 0.4 * std::sin(t * waves + phase)) * (0.8 + 0.2 * std::sin(t * 17.0));
            path.lineTo(t * w, y * h);
        }
        path.lineTo(w, h);
        path.closeSubpath();
        QLinearGradient shade(0.0, (base - height) * h, 0.0, h);
        shade.setColorAt(0.0, color.lighter(115));
        shade.setColorAt(1.0, color.darker(140));
        p.fillPath(path, shade);
    };
    hills(0.62, 0.16, 5.0, 1.0 + index, light.far);
    hills(0.8, 0.18, 3.0, 2.5 + index, light.near);

    if (light.water.alpha() > 0) {
        // Water in the lower part, with the sky's light on it.
        const QRectF water(0.0, h * 0.7, w, h * 0.3);
        QLinearGradient surface(water.topLeft(), water.bottomLeft());
        surface.setColorAt(0.0, light.water.lighter(130));
        surface.setColorAt(1.0, light.water.darker(130));
        p.fillRect(water, surface);
        p.setPen(QPen(QColor(255, 255, 255, 90), h / 300.0));
        for (int i = 0; i < 14; ++i) {
            const double y = h * (0.73 + 0.018 * i);
            const double x = w * light.sunX + std::sin(i * 2.3) * w * 0.06;
            p.drawLine(QPointF(x - w * 0.05, y), QPointF(x + w * 0.05, y));
        }
    }
    return image;
}
