// One live preview step of the style editor, end to end: a slider of the personalization
// panel moves by one, the panel sends the edited style, the cabinet restyles what that
// slider touches and the shelves are repainted. Cabinets of 1,000 and 5,000 items in 20
// categories, shown in a 1200 x 900 window. Target: under 16 ms for 1,000 items.
// Prints milliseconds (median of 15 steps) for the reflection slider (every item
// restyled), the darkness slider (the back only) and the perspective slider (every
// item restyled and the shelves laid out again).

#include "../support/BenchSupport.h"

#include "CabinetTestFixtures.h"

#include "PersonalizationWidget.h"

#include <QApplication>
#include <QSlider>
#include <QTextStream>

namespace {

void measure(int count, QTextStream& out)
{
    VorendaShelf shelf;
    shelf.resize(1200, 900);
    shelf.style = builtInStyle(QStringLiteral("Wood #2"));
    shelf.initialize();
    for (int key = 0; key < 20; ++key)
        addCabinetCategory(shelf, key, QStringLiteral("Category %1").arg(key));
    for (int i = 0; i < count; ++i)
        addCabinetItem(shelf, i % 20, QStringLiteral("Item %1").arg(i));
    shelf.view->resetModel();
    shelf.QWidget::show();
    QApplication::processEvents();
    shelf.view->updateLayout();

    PersonalizationWidget* panel = PersonalizationWidget::instance();
    panel->show(&shelf, 2, CabinetColor);
    QApplication::processEvents();

    PaintCounter paints;
    shelf.view->viewport()->installEventFilter(&paints);
    const auto step = [&](QSlider* slider) {
        bool up = false;
        return [&, slider] {
            up = !up;
            slider->setValue(slider->value() + (up ? 1 : -1));
            shelf.view->viewport()->repaint();
        };
    };
    const double reflection = medianMs(step(panel->reflectionLevelSlider), 15);
    const double darkness = medianMs(step(panel->darknessLevelSlider), 15);
    const double perspective = medianMs(step(panel->perspectiveAngleSlider), 15);
    panel->reject();

    out << QStringLiteral("%1 | %2 | %3 | %4 | %5\n")
               .arg(count, 6)
               .arg(reflection, 10, 'f', 2)
               .arg(darkness, 8, 'f', 2)
               .arg(perspective, 11, 'f', 2)
               .arg(paints.paints, 6);
    out.flush();
}

} // namespace

int main(int argc, char** argv)
{
    prepareOffscreenRun();
    QApplication app(argc, argv);
    TemporaryStore store;

    const QList<int> counts = countsFromArguments(argc, argv, {1000, 5000});
    QTextStream out(stdout);
    out << "Style preview step in a shown cabinet, 20 categories; milliseconds (median of 15)\n";
    out << " items | reflection | darkness | perspective | paints\n";
    for (int count : counts)
        measure(count, out);
    out << "each step = one slider move by one, the preview through styleChanged and the\n"
           "cabinet's restyle, then a synchronous repaint of the shelves; paints = frames drawn.\n";
    delete PersonalizationWidget::instance();
    return 0;
}
