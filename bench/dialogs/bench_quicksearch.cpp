// The quick search over many cabinets: 20 cabinets of 500 items each (names, tags and
// descriptions searched), every cabinet wired to the window as the controller wires
// it. Prints milliseconds (median of 15) for
//   keystroke = what one typed key costs the window while the keys come in: the edit
//               is only noted, the search waits for the pause;
//   search    = the search after the pause: every cabinet filters by the text and the
//               window counts the matches. A keystroke that ends a burst, and Return,
//               cost this much. Target: under 50 ms.
// for a text that finds a few items and one that finds many.

#include "../support/BenchSupport.h"

#include "CabinetTestFixtures.h"

#include "QuickSearchWidget.h"
#include "SearchBox.h"

#include <QApplication>
#include <QTest>
#include <QTextStream>

#include <memory>
#include <vector>

namespace {

constexpr int cabinetCount = 20;
constexpr int itemsPerCabinet = 500;

void fill(VorendaShelf& shelf, int cabinet)
{
    for (int key = 0; key < 10; ++key)
        addCabinetCategory(shelf, key, QStringLiteral("Category %1").arg(key));
    const QPixmap picture = cardPicture(96, 96, QColor(70, 130, 200));
    for (int i = 0; i < itemsPerCabinet; ++i) {
        auto* item = new MyThumbnailItem;
        item->setImage(picture);
        item->setImageWidth(96);
        item->setText(QStringLiteral("Item %1 of cabinet %2").arg(i).arg(cabinet));
        item->setCategoryKey(i % 10);
        item->properties.name = item->getText();
        item->properties.target = QStringLiteral("/home/user/files/c%1/item-%2.odt").arg(cabinet).arg(i);
        item->properties.tags = QStringList{QStringLiteral("work"), QStringLiteral("tag%1").arg(i % 50)};
        item->properties.notes = QStringLiteral("Notes on item %1, written for the benchmark").arg(i);
        shelf.view->addItem(item, false);
    }
    shelf.view->resetModel();
}

} // namespace

int main(int argc, char** argv)
{
    prepareOffscreenRun();
    QApplication app(argc, argv);
    TemporaryStore store;

    std::vector<std::unique_ptr<VorendaShelf>> shelves;
    QuickSearchWidget* window = QuickSearchWidget::instance();
    for (int c = 0; c < cabinetCount; ++c) {
        shelves.push_back(std::make_unique<VorendaShelf>());
        VorendaShelf* shelf = shelves.back().get();
        fill(*shelf, c);
        VorendaGlobal::shelves.append(shelf);
        QObject::connect(window, &QuickSearchWidget::search, shelf, &VorendaShelf::search);
    }
    window->show();
    QApplication::processEvents();

    // The search after the pause, as switching to the own items runs it at once.
    bool longer = false;
    const auto search = [&](const QString& shortText, const QString& longText) {
        return [&, shortText, longText] {
            longer = !longer;
            window->searchBox->setText(longer ? longText : shortText);
            window->searchTypeChanged(0);
        };
    };
    // One typed key while more follow.
    const auto keystroke = [&] {
        window->searchBox->end(false);
        QTest::sendKeyEvent(QTest::Click, window->searchBox, Qt::Key_unknown, QStringLiteral("x"), Qt::NoModifier);
    };

    // The first search shows every cabinet; measured are the searches that follow.
    search(QStringLiteral("item 4"), QStringLiteral("item 4"))();
    const double few = medianMs(search(QStringLiteral("item 49 "), QStringLiteral("item 499 ")), 15);
    const QString fewLabel = window->matchesLabel->text();
    const double many = medianMs(search(QStringLiteral("item"), QStringLiteral("tag1")), 15);
    const QString manyLabel = window->matchesLabel->text();
    window->searchBox->clear();
    const double key = medianMs(keystroke, 15);
    QTest::qWait(QuickSearchWidget::searchDelay * 2);

    QTextStream out(stdout);
    out << QStringLiteral("Quick search over %1 cabinets x %2 items; milliseconds (median of 15)\n")
               .arg(cabinetCount)
               .arg(itemsPerCabinet);
    out << QStringLiteral("keystroke while typing     %1\n").arg(key, 8, 'f', 3);
    out << QStringLiteral("search, few matches        %1   (%2)\n").arg(few, 8, 'f', 2).arg(fewLabel);
    out << QStringLiteral("search, many matches       %1   (%2)\n").arg(many, 8, 'f', 2).arg(manyLabel);
    out << "target: a search under 50 ms\n";
    out.flush();

    window->close();
    VorendaGlobal::shelves.clear();
    delete window;
    return 0;
}
