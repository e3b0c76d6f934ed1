#include "TestEnvironment.h"

#include "AddProgressWidget.h"
#include "CabinetTestFixtures.h"
#include "FilterScan.h"
#include "ListIteratorThread.h"
#include "QuestionDriver.h"
#include "SearchBox.h"

#include <QAction>
#include <QMenu>

// The cabinet search: text patterns by mode, the three list words, the match label,
// mode switches, the remembered search, and a search box taken out of reach.
class TestCabinetSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findsByMode_data();
    void findsByMode();
    void showsLists_data();
    void showsLists();
    void switchingModeReruns();
    void remembersLastSearch();
    void unreachableBoxDropsTheSearch();
    void pathologicalPatternsFindNothing_data();
    void pathologicalPatternsFindNothing();
    void slowSearchShowsItsHitsWhenDone();
    void searchShowsAHiddenCabinet();
    void searchMenuOffersTheSearchActions();
    void listWalkWaitsForAPausedPanel_data();
    void listWalkWaitsForAPausedPanel();

private:
    // Internet, Network, abc and Music with tags and descriptions.
    static void fillNamed(VorendaShelf& shelf);
    static QStringList filterNames(const VorendaShelf& shelf);
};

void TestCabinetSearch::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

void TestCabinetSearch::fillNamed(VorendaShelf& shelf)
{
    struct Entry
    {
        const char* name;
        QStringList tags;
        const char* notes;
    };
    const Entry entries[] = {{"Internet", {QStringLiteral("web")}, "Browser"},
                             {"Network", {}, ""},
                             {"abc", {QStringLiteral("letters"), QStringLiteral("net")}, "first three"},
                             {"Music", {}, "songs on the net"}};
    for (const Entry& entry : entries) {
        MyThumbnailItem* item = addCabinetItem(shelf, -1, QString::fromLatin1(entry.name));
        item->properties.tags = entry.tags;
        item->properties.notes = QString::fromLatin1(entry.notes);
    }
    shelf.view->resetModel();
}

QStringList TestCabinetSearch::filterNames(const VorendaShelf& shelf)
{
    QStringList names;
    for (AbstractThumbnailItem* item : shelf.view->getFilter())
        names << (item ? static_cast<MyThumbnailItem*>(item)->properties.name : QStringLiteral("<none>"));
    return names;
}

void TestCabinetSearch::findsByMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QString>("label");
    const QStringList none{QStringLiteral("<none>")};
    QTest::newRow("names, anywhere, any case")
        << 0 << "net" << QStringList{QStringLiteral("Internet"), QStringLiteral("Network")} << "2 matches";
    QTest::newRow("capitals in the pattern")
        << 0 << "NET" << QStringList{QStringLiteral("Internet"), QStringLiteral("Network")} << "2 matches";
    QTest::newRow("regular expression") << 0 << "a.c" << QStringList{QStringLiteral("abc")} << "1 match";
    QTest::newRow("repeated group") << 0 << "(ne)+t"
                                    << QStringList{QStringLiteral("Internet"), QStringLiteral("Network")}
                                    << "2 matches";
    QTest::newRow("parenthesis in a class") << 0 << "[(]" << QStringList{QStringLiteral("<none>")} << "Not found";
    QTest::newRow("tags only") << 1 << "net" << QStringList{QStringLiteral("abc")} << "1 match";
    QTest::newRow("descriptions only") << 2 << "net" << QStringList{QStringLiteral("Music")} << "1 match";
    QTest::newRow("all fields") << 3 << "net"
                                << QStringList{QStringLiteral("Internet"), QStringLiteral("Network"),
                                               QStringLiteral("abc"), QStringLiteral("Music")}
                                << "4 matches";
    QTest::newRow("empty match, all fields") << 3 << "^"
                                             << QStringList{QStringLiteral("Internet"), QStringLiteral("Network"),
                                                            QStringLiteral("abc"), QStringLiteral("Music")}
                                             << "4 matches";
    QTest::newRow("empty match, tags need a tag")
        << 1 << "^" << QStringList{QStringLiteral("Internet"), QStringLiteral("abc")} << "2 matches";
    QTest::newRow("no hit") << 3 << "zzz" << none << "Not found";
    QTest::newRow("invalid expression") << 3 << "(" << none << "Not found";
    QTest::newRow("unknown mode keeps the name column")
        << 7 << "net" << QStringList{QStringLiteral("Internet"), QStringLiteral("Network")} << "2 matches";
    QTest::newRow("empty text shows everything") << 3 << "" << QStringList() << "";
}

void TestCabinetSearch::findsByMode()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    QFETCH(QString, label);
    VorendaShelf shelf;
    fillNamed(shelf);
    shelf.filtertype = mode;
    shelf.searchBox->setText(QStringLiteral("Browser"));
    shelf.searchBox->setText(text);
    QCOMPARE(filterNames(shelf), found);
    QCOMPARE(shelf.matchesLabel->text(), label);
}

void TestCabinetSearch::showsLists_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("recently opened") << "[ro]"
                                     << QStringList{QStringLiteral("Opened today"), QStringLiteral("Opened yesterday")};
    QTest::newRow("recently opened in capitals")
        << "[RO]" << QStringList{QStringLiteral("Opened today"), QStringLiteral("Opened yesterday")};
    QTest::newRow("recently added") << "[ra]"
                                    << QStringList{QStringLiteral("Opened today"), QStringLiteral("Added at midnight")};
    QTest::newRow("most popular") << "[Mp]" << QStringList{QStringLiteral("Opened today")};
}

void TestCabinetSearch::showsLists()
{
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    VorendaShelf shelf;
    const QDateTime midnight(QDate::currentDate(), QTime(0, 0));
    const auto secs = [](const QDateTime& time) { return quint32(time.toSecsSinceEpoch()); };
    MyThumbnailItem* today = addCabinetItem(shelf, -1, QStringLiteral("Opened today"));
    today->properties.accessed = secs(QDateTime::currentDateTime());
    today->properties.popularity = 3;
    today->properties.added = secs(midnight.addSecs(60));
    MyThumbnailItem* yesterday = addCabinetItem(shelf, -1, QStringLiteral("Opened yesterday"));
    yesterday->properties.accessed = secs(midnight.addSecs(-3600));
    MyThumbnailItem* atMidnight = addCabinetItem(shelf, -1, QStringLiteral("Added at midnight"));
    atMidnight->properties.added = secs(midnight);
    MyThumbnailItem* lastNight = addCabinetItem(shelf, -1, QStringLiteral("Added last night"));
    lastNight->properties.added = secs(midnight.addSecs(-1));
    addCabinetItem(shelf, -1, QStringLiteral("Never opened"));
    shelf.view->resetModel();

    shelf.searchBox->setText(text);
    QCOMPARE(filterNames(shelf), found);
}

void TestCabinetSearch::switchingModeReruns()
{
    VorendaShelf shelf;
    fillNamed(shelf);
    shelf.onSearchAll();
    shelf.search(QStringLiteral("net"));
    QCOMPARE(filterNames(shelf).size(), 4);

    shelf.onSearchNamesOnly();
    QCOMPARE(shelf.filtertype, 0);
    QCOMPARE(shelf.searchBox->text(), QStringLiteral("net"));
    QCOMPARE(filterNames(shelf), (QStringList{QStringLiteral("Internet"), QStringLiteral("Network")}));
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Searching Names Only!"));
    const QList<bool> checks{shelf.searchNamesOnlyAction->isChecked(), shelf.searchTagsOnlyAction->isChecked(),
                             shelf.searchDescriptionsOnlyAction->isChecked(), shelf.searchAllAction->isChecked()};
    QCOMPARE(checks, (QList<bool>{true, false, false, false}));

    shelf.onShowMostPopular();
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Showing Most Popular Items!"));
    shelf.onSearchTagsOnly();
    QVERIFY(shelf.searchBox->text().isEmpty());
    QVERIFY(shelf.view->getFilter().isEmpty());
    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("Searching Tags Only!"));
}

void TestCabinetSearch::remembersLastSearch()
{
    VorendaShelf shelf;
    fillNamed(shelf);
    QFocusEvent focusOut(QEvent::FocusOut);
    const auto leaveWith = [&](const QString& text) {
        shelf.searchBox->setText(text);
        QApplication::sendEvent(shelf.searchBox, &focusOut);
    };
    leaveWith(QStringLiteral("net"));
    leaveWith(QStringLiteral("[ro]"));
    QCOMPARE(shelf.lastSearch, QStringLiteral("net"));
    leaveWith(QString());
    QCOMPARE(shelf.lastSearch, QStringLiteral("net"));
    shelf.onRepeatLastSearch();
    QCOMPARE(shelf.searchBox->text(), QStringLiteral("net"));
    // The word test is case-sensitive, so the capital form is remembered.
    leaveWith(QStringLiteral("[RO]"));
    QCOMPARE(shelf.lastSearch, QStringLiteral("[RO]"));
}

void TestCabinetSearch::unreachableBoxDropsTheSearch()
{
    for (bool topBar : {false, true}) {
        VorendaShelf shelf;
        fillNamed(shelf);
        shelf.search(QStringLiteral("net"));
        QCOMPARE(filterNames(shelf).size(), 4);
        if (topBar)
            shelf.onShowTopBar();
        else
            shelf.onShowSearchBox();
        QVERIFY(shelf.hidetopbar || shelf.hidesearchbox);
        QVERIFY(shelf.searchBox->text().isEmpty());
        QVERIFY(shelf.view->getFilter().isEmpty());
        QVERIFY(shelf.matchesLabel->text().isEmpty());

        // Out of reach, the box ignores requests and claims no success.
        shelf.onShowRecentlyOpened();
        shelf.search(QStringLiteral("net"));
        QVERIFY(shelf.searchBox->text().isEmpty());
        QVERIFY(shelf.view->getFilter().isEmpty());
        QVERIFY(!shelf.statusMessageShown);
    }
}

void TestCabinetSearch::pathologicalPatternsFindNothing_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::newRow("nested repeat") << "(a*)*b";
    QTest::newRow("nested plus") << "(a+)+$";
    QTest::newRow("alternation in repeat") << "((a|aa)+)+c";
    QTest::newRow("back-reference") << "(a*)\\1!";
    QTest::newRow("overlong") << QString(300, QLatin1Char('a'));
}

void TestCabinetSearch::pathologicalPatternsFindNothing()
{
    QFETCH(QString, pattern);
    VorendaShelf shelf;
    for (int i = 0; i < 3; ++i)
        addCabinetItem(shelf, -1, QString(40, QLatin1Char('a')) + QLatin1Char('!'));
    shelf.view->resetModel();
    shelf.search(pattern);
    QCOMPARE(filterNames(shelf), QStringList{QStringLiteral("<none>")});
    QCOMPARE(shelf.matchesLabel->text(), QStringLiteral("Not found"));
}

void TestCabinetSearch::slowSearchShowsItsHitsWhenDone()
{
    VorendaShelf shelf;
    fillNamed(shelf);
    shelf.onSearchAll();
    auto* scan = shelf.findChild<FilterScan*>();
    QVERIFY(scan);
    // Every search goes on in the background, as a slow one would.
    scan->setTimeBudget(0);
    shelf.search(QStringLiteral("ne"));
    shelf.search(QStringLiteral("net"));
    QVERIFY(shelf.view->getFilter().isEmpty());
    QTRY_COMPARE(filterNames(shelf), (QStringList{QStringLiteral("Internet"), QStringLiteral("Network"), QStringLiteral("abc"),
                                                QStringLiteral("Music")}));
    QCOMPARE(shelf.matchesLabel->text(), QStringLiteral("4 matches"));
    QCOMPARE(shelf.view->getSelectedItems().size(), 1);
    QCOMPARE(static_cast<MyThumbnailItem*>(shelf.view->getSelectedItem())->properties.name, QStringLiteral("Internet"));
    QVERIFY(shelf.statusLabel->text().endsWith(QStringLiteral("4/4 Items")));

    // Items that change while a search is under way are searched again.
    shelf.search(QStringLiteral("songs"));
    addCabinetItem(shelf, -1, QStringLiteral("Songs of the sea"));
    shelf.view->resetModel();
    QTRY_COMPARE(filterNames(shelf), (QStringList{QStringLiteral("Music"), QStringLiteral("Songs of the sea")}));
    QVERIFY(!scan->isRunning());
}

void TestCabinetSearch::searchShowsAHiddenCabinet()
{
    VorendaShelf shelf;
    fillNamed(shelf);
    shelf.search(QString());
    QVERIFY(!shelf.isVisible());
    shelf.search(QStringLiteral("net"));
    QTRY_VERIFY(shelf.isVisible());
    QCOMPARE(filterNames(shelf),
             (QStringList{QStringLiteral("Internet"), QStringLiteral("Network"), QStringLiteral("abc"),
                          QStringLiteral("Music")}));
}

void TestCabinetSearch::searchMenuOffersTheSearchActions()
{
    VorendaShelf shelf;
    shelf.show();
    QTRY_VERIFY(shelf.isVisible());
    QStringList entries;
    bool busy = false;
    QuestionDriver driver(QuestionDriver::visible<QMenu>(), [&](QWidget* window) {
        auto* menu = static_cast<QMenu*>(window);
        for (QAction* action : menu->actions())
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
        busy = shelf.menuOpen;
        menu->close();
    });
    emit shelf.searchBox->searchButtonClicked();
    QVERIFY(driver.ran());
    QCOMPARE(
        entries,
        (QStringList{QStringLiteral("Repeat Last Search"), QStringLiteral("Show Recently Opened"),
                     QStringLiteral("Show Recently Added"), QStringLiteral("-"), QStringLiteral("Search Names Only"),
                     QStringLiteral("Search Descriptions Only"), QStringLiteral("Search Tags Only"),
                     QStringLiteral("Search All"), QStringLiteral("-"), QStringLiteral("Clear Search Box")}));
    QVERIFY(busy);
    QVERIFY(!shelf.menuOpen);
}

void TestCabinetSearch::listWalkWaitsForAPausedPanel_data()
{
    QTest::addColumn<QString>("panelFor");
    QTest::addColumn<bool>("waits");
    QTest::newRow("no panel in use") << "none" << false;
    QTest::newRow("paused for this cabinet") << "this" << true;
    QTest::newRow("paused for no cabinet") << "nobody" << true;
    QTest::newRow("paused for another cabinet") << "other" << false;
}

void TestCabinetSearch::listWalkWaitsForAPausedPanel()
{
    QFETCH(QString, panelFor);
    QFETCH(bool, waits);
    VorendaShelf shelf;
    VorendaShelf other;
    AddProgressWidget* panel = AddProgressWidget::instance();
    panel->shelf = panelFor == QLatin1String("this") ? &shelf : panelFor == QLatin1String("other") ? &other : nullptr;
    panel->paused = panelFor != QLatin1String("none");

    int entries[3] = {1, 2, 3};
    auto* list = new QList<void*>{&entries[0], &entries[1], &entries[2]};
    QSignalSpy finished(shelf.listIteratorThread, &ListIteratorThread::finished);
    QVERIFY(shelf.listIteratorThread->start(list, QVariant()));
    if (waits) {
        QTRY_VERIFY(shelf.listIteratorThread->waiting());
        QTest::qWait(300);
        QVERIFY(finished.isEmpty());
        panel->paused = false;
        shelf.listIteratorThread->next();
    }
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(1).toInt(), 3);
    QVERIFY(!finished.first().at(2).toBool());
    panel->shelf = nullptr;
    panel->paused = false;
}

VORENDA_TEST_MAIN(TestCabinetSearch)
#include "tst_cabinetsearch.moc"
