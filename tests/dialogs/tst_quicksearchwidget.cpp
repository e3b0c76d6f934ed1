#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "QuestionDriver.h"
#include "QuickSearchProvider.h"
#include "QuickSearchWidget.h"
#include "SearchBox.h"

#include <QCompleter>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStringListModel>

#include <memory>
#include <vector>

// The quick search: the match count over every cabinet, edits searched once after a
// pause with Return, Escape and closing acting at once, the provider shortcuts, the web
// address each provider gets, the history per provider and the stored window state.
class TestQuickSearchWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void countsMatchesOfEveryCabinet_data();
    void countsMatchesOfEveryCabinet();
    void deletingTheTextClearsFiltersAndCount();
    void burstOfKeystrokesSearchesOnce();
    void returnSearchesAtOnceAndFiltersStay();
    void escapeDropsFiltersAndTheWaitingSearch();
    void showDropsFiltersFirst();
    void shortcutSwitchesProvider();
    void webSearchTextArrivesIntact_data();
    void webSearchTextArrivesIntact();
    void everyProviderUsesHttps();
    void historyPerProvider();
    void historyIsCapped();
    void storedStateIsReadBack();
    void storedProviderOutOfRange();
    void offScreenPlaceIsIgnored();

public slots:
    void onOpenUrl(const QUrl& url) { opened << url; }

private:
    // A cabinet holding `matches` items named "apple" and two others, listed and wired
    // the way the controller does it.
    VorendaShelf* addShelf(int matches);
    static QuickSearchWidget* widget() { return QuickSearchWidget::instance(); }
    // Types `text` into the search box as the user would.
    static void type(const QString& text) { typeText(widget()->searchBox, text); }
    static bool waitForSearch() { return QTest::qWaitFor([] { return !widget()->searchPending(); }); }
    // Builds the window anew from what the settings hold.
    static void rebuild();
    bool showActive();
    QSettings settings() const;

    std::vector<std::unique_ptr<VorendaShelf>> shelves;
    QList<QUrl> opened;
};

void TestQuickSearchWidget::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    // The browser stands outside: addresses the window opens are only recorded.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "onOpenUrl");
}

void TestQuickSearchWidget::init()
{
    opened.clear();
    settings().remove(QString());
    rebuild();
}

void TestQuickSearchWidget::cleanup()
{
    delete QuickSearchWidget::instance();
    VorendaGlobal::shelves.clear();
    shelves.clear();
}

QSettings TestQuickSearchWidget::settings() const
{
    return QSettings();
}

void TestQuickSearchWidget::rebuild()
{
    delete QuickSearchWidget::instance();
    QuickSearchWidget::instance();
}

bool TestQuickSearchWidget::showActive()
{
    widget()->show();
    QApplication::setActiveWindow(widget());
    return QTest::qWaitForWindowActive(widget());
}

VorendaShelf* TestQuickSearchWidget::addShelf(int matches)
{
    shelves.push_back(std::make_unique<VorendaShelf>());
    VorendaShelf* shelf = shelves.back().get();
    shelf->filtertype = 0; // names only
    for (int i = 0; i < matches; ++i)
        addCabinetItem(*shelf, -1, QStringLiteral("apple %1").arg(i));
    addCabinetItem(*shelf, -1, QStringLiteral("pear"));
    addCabinetItem(*shelf, -1, QStringLiteral("plum"));
    shelf->view->resetModel();
    VorendaGlobal::shelves.append(shelf);
    connect(widget(), &QuickSearchWidget::search, shelf, &VorendaShelf::search);
    return shelf;
}

void TestQuickSearchWidget::countsMatchesOfEveryCabinet_data()
{
    QTest::addColumn<QList<int>>("matches");
    QTest::addColumn<QString>("label");
    QTest::newRow("2, 0 and 1") << QList<int>{2, 0, 1} << "Results: 3 matches";
    QTest::newRow("one in all") << QList<int>{0, 1, 0} << "Results: 1 match";
    QTest::newRow("none") << QList<int>{0, 0} << "Results: Not found";
}

void TestQuickSearchWidget::countsMatchesOfEveryCabinet()
{
    QFETCH(QList<int>, matches);
    QFETCH(QString, label);
    for (int count : matches)
        addShelf(count);
    // A cabinet gone from the list leaves a null entry that the count skips.
    VorendaGlobal::shelves.insert(1, nullptr);

    QVERIFY(showActive());
    type(QStringLiteral("apple"));
    QVERIFY(waitForSearch());
    QCOMPARE(widget()->matchesLabel->text(), label);
    // The cabinets that hold matches are shown, filtered by the text.
    for (int i = 0; i < int(shelves.size()); ++i) {
        if (matches.at(i) > 0) {
            QVERIFY(shelves.at(i)->isVisible());
            QCOMPARE(shelves.at(i)->view->getFilter().size(), matches.at(i));
        }
    }
}

void TestQuickSearchWidget::deletingTheTextClearsFiltersAndCount()
{
    VorendaShelf* shelf = addShelf(2);
    QVERIFY(showActive());
    type(QStringLiteral("a"));
    QVERIFY(waitForSearch());
    QVERIFY(!shelf->view->getFilter().isEmpty());
    QVERIFY(!widget()->matchesLabel->text().isEmpty());

    QTest::keyClick(widget()->searchBox, Qt::Key_Backspace);
    QVERIFY(widget()->matchesLabel->text().isEmpty());
    QVERIFY(waitForSearch());
    QVERIFY(shelf->view->getFilter().isEmpty());
    QVERIFY(widget()->matchesLabel->text().isEmpty());
}

void TestQuickSearchWidget::burstOfKeystrokesSearchesOnce()
{
    addShelf(1);
    QVERIFY(showActive());
    QSignalSpy searches(widget(), &QuickSearchWidget::search);
    type(QStringLiteral("apple"));
    // Nothing is searched while the keys come in.
    QCOMPARE(searches.count(), 0);
    QVERIFY(widget()->searchPending());
    QVERIFY(waitForSearch());
    QCOMPARE(searches.count(), 1);
    QCOMPARE(searches.first().first().toString(), QStringLiteral("apple"));
    QCOMPARE(widget()->matchesLabel->text(), QStringLiteral("Results: 1 match"));
}

void TestQuickSearchWidget::returnSearchesAtOnceAndFiltersStay()
{
    VorendaShelf* shelf = addShelf(2);
    QVERIFY(showActive());
    QSignalSpy searches(widget(), &QuickSearchWidget::search);
    type(QStringLiteral("apple "));
    QTest::keyClick(widget()->searchBox, Qt::Key_Return);
    // Searched untrimmed at once; the window is gone and the cabinet keeps its filter.
    QCOMPARE(searches.count(), 1);
    QCOMPARE(searches.first().first().toString(), QStringLiteral("apple "));
    QVERIFY(!widget()->isVisible());
    QVERIFY(!widget()->searchPending());
    QTest::qWait(QuickSearchWidget::searchDelay * 2);
    QCOMPARE(searches.count(), 1);
    QCOMPARE(shelf->view->getFilter().size(), 2);
    QCOMPARE(settings().value(QStringLiteral("QuickSearch/VorendaCompleter")).toStringList(),
             QStringList{QStringLiteral("apple ")});
}

void TestQuickSearchWidget::escapeDropsFiltersAndTheWaitingSearch()
{
    VorendaShelf* shelf = addShelf(1);
    QVERIFY(showActive());
    type(QStringLiteral("apple"));
    QVERIFY(waitForSearch());
    QCOMPARE(shelf->view->getFilter().size(), 1);

    // Escape while an edit still waits: the filters go and the edit is never searched.
    QSignalSpy searches(widget(), &QuickSearchWidget::search);
    type(QStringLiteral("s"));
    QTest::keyClick(widget()->searchBox, Qt::Key_Escape);
    QVERIFY(!widget()->isVisible());
    QTest::qWait(QuickSearchWidget::searchDelay * 2);
    QCOMPARE(searches.count(), 1);
    QCOMPARE(searches.first().first().toString(), QString());
    QVERIFY(shelf->view->getFilter().isEmpty());
    QVERIFY(widget()->searchBox->text().isEmpty());
}

void TestQuickSearchWidget::showDropsFiltersFirst()
{
    VorendaShelf* shelf = addShelf(1);
    shelf->search(QStringLiteral("apple"));
    QCOMPARE(shelf->view->getFilter().size(), 1);
    QSignalSpy searches(widget(), &QuickSearchWidget::search);
    widget()->show();
    QCOMPARE(searches.count(), 1);
    QVERIFY(shelf->view->getFilter().isEmpty());
    QVERIFY(widget()->isVisible());
}

void TestQuickSearchWidget::shortcutSwitchesProvider()
{
    QVERIFY(showActive());
    QVERIFY(widget()->searchingVorenda());
    QCOMPARE(widget()->title->text(), QStringLiteral("Quick Search - Vorenda"));
    QTest::keyClick(widget(), Qt::Key_G, Qt::AltModifier);
    QCOMPARE(widget()->currentSearchType(), 1);
    QVERIFY(!widget()->searchingVorenda());
    QCOMPARE(widget()->title->text(), QStringLiteral("Quick Search - Google"));
    QCOMPARE(widget()->matchesLabel->text(), QStringLiteral("Results will be shown in your web browser"));
    QCOMPARE(widget()->searchBox->completer(), widget()->provider(1)->completer);
    QVERIFY(widget()->searchBox->hasFocus());

    QTest::keyClick(widget(), Qt::Key_K, Qt::AltModifier);
    QVERIFY(widget()->searchingVorenda());
    QVERIFY(widget()->matchesLabel->text().isEmpty());
    // The menu offers the own items, then four and seven web providers.
    QCOMPARE(widget()->providerMenu()->actions().size(), 14);
}

void TestQuickSearchWidget::webSearchTextArrivesIntact_data()
{
    QTest::addColumn<int>("provider");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("url");
    QTest::newRow("hash and blank") << 1 << "c# tips" << QByteArray("https://www.google.com/search?q=c%23%20tips");
    QTest::newRow("query delimiters") << 1 << "a&b=c" << QByteArray("https://www.google.com/search?q=a%26b%3Dc");
    QTest::newRow("percent") << 1 << "50%25" << QByteArray("https://www.google.com/search?q=50%2525");
    QTest::newRow("slash") << 1 << "/" << QByteArray("https://www.google.com/search?q=%2F");
    QTest::newRow("trimmed") << 1 << "  kittens \t" << QByteArray("https://www.google.com/search?q=kittens");
    QTest::newRow("umlaut") << 1 << QString::fromUtf8("M\u00fcnchen") << QByteArray("https://www.google.com/search?q=M%C3%BCnchen");
    QTest::newRow("slash in a path") << 11 << "a/b?c" << QByteArray("https://shop.ebay.com/a%2Fb%3Fc");
    QTest::newRow("question in a path") << 10 << "why?" << QByteArray("https://technorati.com/search/why%3F?sub=yubnub");
}

void TestQuickSearchWidget::webSearchTextArrivesIntact()
{
    QFETCH(int, provider);
    QFETCH(QString, text);
    QFETCH(QByteArray, url);
    QVERIFY(showActive());
    widget()->searchTypeChanged(provider);
    type(text);
    QTest::keyClick(widget()->searchBox, Qt::Key_Return);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().toEncoded(), url);
    QVERIFY(!widget()->isVisible());
}

void TestQuickSearchWidget::everyProviderUsesHttps()
{
    QVERIFY(widget()->provider(0)->urlTemplate.isEmpty());
    for (int key = 1; key <= 11; ++key) {
        const QUrl url = widget()->provider(key)->searchUrl(QStringLiteral("x"));
        QVERIFY2(url.isValid() && url.scheme() == QLatin1String("https"), qPrintable(url.toString()));
        QVERIFY(!widget()->provider(key)->icon.isNull());
    }
    QVERIFY(!widget()->provider(12));
}

void TestQuickSearchWidget::historyPerProvider()
{
    QVERIFY(showActive());
    widget()->searchTypeChanged(1);
    const auto search = [](const QString& text) {
        widget()->show();
        type(text);
        QTest::keyClick(widget()->searchBox, Qt::Key_Return);
    };
    search(QStringLiteral(" kittens "));
    search(QStringLiteral("   "));
    search(QStringLiteral(" kittens "));
    search(QStringLiteral(" Kittens "));
    search(QStringLiteral("dogs"));

    // As typed, once each, case counting; blanks are not kept.
    const QStringList expected{QStringLiteral(" kittens "), QStringLiteral(" Kittens "), QStringLiteral("dogs")};
    QCOMPARE(settings().value(QStringLiteral("QuickSearch/GoogleCompleter")).toStringList(), expected);
    const auto* model = static_cast<QStringListModel*>(widget()->provider(1)->completer->model());
    QStringList sorted = expected;
    sorted.sort();
    QCOMPARE(model->stringList(), sorted);
    // Another provider keeps its own history.
    QVERIFY(widget()->provider(3)->history().isEmpty());
    QVERIFY(!settings().contains(QStringLiteral("QuickSearch/BingCompleter")));

    // A new window reads the history back.
    rebuild();
    QCOMPARE(widget()->provider(1)->history(), expected);
}

void TestQuickSearchWidget::historyIsCapped()
{
    const int limit = QuickSearchWidget::SearchProvider::historyLimit;
    QStringList stored;
    for (int i = 0; i < limit + 20; ++i)
        stored << QStringLiteral("old %1").arg(i);
    settings().setValue(QStringLiteral("QuickSearch/GoogleCompleter"), stored);
    rebuild();
    QCOMPARE(widget()->provider(1)->history().size(), limit);
    QCOMPARE(widget()->provider(1)->history().last(), stored.last());

    QVERIFY(showActive());
    widget()->searchTypeChanged(1);
    type(QStringLiteral("new"));
    QTest::keyClick(widget()->searchBox, Qt::Key_Return);
    const QStringList kept = settings().value(QStringLiteral("QuickSearch/GoogleCompleter")).toStringList();
    QCOMPARE(kept.size(), limit);
    QCOMPARE(kept.last(), QStringLiteral("new"));
    QVERIFY(!kept.contains(QStringLiteral("old 20")));
    QVERIFY(kept.contains(QStringLiteral("old 21")));
}

void TestQuickSearchWidget::storedStateIsReadBack()
{
    QVERIFY(showActive());
    widget()->searchTypeChanged(7);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    widget()->move(screen.topLeft() + QPoint(40, 50));
    widget()->close();
    QCOMPARE(settings().value(QStringLiteral("QuickSearch/SearchProvider")).toInt(), 7);

    rebuild();
    QCOMPARE(widget()->currentSearchType(), 7);
    QCOMPARE(widget()->title->text(), QStringLiteral("Quick Search - Wikipedia"));
    QCOMPARE(widget()->pos(), screen.topLeft() + QPoint(40, 50));
}

void TestQuickSearchWidget::storedProviderOutOfRange()
{
    settings().setValue(QStringLiteral("QuickSearch/SearchProvider"), 12);
    rebuild();
    QVERIFY(!widget()->searchingVorenda());
    QCOMPARE(widget()->title->text(), QStringLiteral("Quick Search"));
    QCOMPARE(widget()->matchesLabel->text(), QStringLiteral("Results will be shown in your web browser"));
    QVERIFY(showActive());
    type(QStringLiteral("anything"));
    QTest::keyClick(widget()->searchBox, Qt::Key_Return);
    QVERIFY(!widget()->isVisible());
    QVERIFY(opened.isEmpty());
}

void TestQuickSearchWidget::offScreenPlaceIsIgnored()
{
    rebuild();
    const QPoint centred = widget()->pos();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    settings().setValue(QStringLiteral("QuickSearch/Rect"),
                        QRect(screen.right() - 100, screen.top() + 10, 362, 101));
    rebuild();
    QCOMPARE(widget()->pos(), centred);
}

VORENDA_TEST_MAIN(TestQuickSearchWidget)
#include "tst_quicksearchwidget.moc"
