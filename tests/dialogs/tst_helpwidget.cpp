#include "QuestionDriver.h"
#include "TestEnvironment.h"

#include "HelpWidget.h"

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTranslator>

namespace {

// Names the guide of another language, as a translation of the program does.
class GuideTranslator : public QTranslator
{
public:
    explicit GuideTranslator(const QString& path)
        : path(path)
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        if (QLatin1String(context) == QLatin1String("HelpWidget")
            && QLatin1String(source) == QLatin1String(":/Resources/Help/mac/en/gettingstarted.txt"))
            return path;
        return QString();
    }

private:
    QString path;
};

QString guideFile(const QString& language)
{
    return QStringLiteral(":/Resources/Help/mac/%1/gettingstarted.txt").arg(language);
}

// The guide's anchor names, its internal links and its pictures.
struct GuideParts
{
    QStringList anchors;
    QStringList links;
    QStringList pictures;
};

GuideParts partsOf(const QTextDocument& document)
{
    GuideParts parts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            parts.anchors << format.anchorNames();
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                parts.links << format.anchorHref();
            if (format.isImageFormat())
                parts.pictures << format.toImageFormat().name();
        }
    }
    return parts;
}

} // namespace

// The help window: one window along the right screen edge, the guide in the user's
// language, its links, and the guides themselves.
class TestHelpWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnvironment::instance()->initializeGlobals(); }
    void cleanup() { delete HelpWidget::instance(); }

    void oneWindowAlongTheRightEdge();
    void linksScrollOrClose();
    void keys();
    void guideOfTheLanguage_data();
    void guideOfTheLanguage();
    void guideIsWhole_data();
    void guideIsWhole();
};

void TestHelpWidget::oneWindowAlongTheRightEdge()
{
    HelpWidget* help = HelpWidget::instance();
    QCOMPARE(HelpWidget::instance(), help);
    QVERIFY(!HelpWidget::visible());
    help->show();
    help->show();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QVERIFY(HelpWidget::visible());
    QCOMPARE(HelpWidget::instance(), help);
    QVERIFY(!help->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(help->windowIcon().isNull());

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(help->frameGeometry().right(), available.right());
    QCOMPARE(help->frameGeometry().top(), available.top());
    QCOMPARE(help->frameGeometry().height(), available.height());
    QCOMPARE(help->width(), 662);

    // Closing only hides: the same window comes back.
    QPointer<HelpWidget> kept(help);
    closeFromTitleBar(help);
    QTRY_VERIFY(!help->isVisible());
    QVERIFY(kept);
    QCOMPARE(HelpWidget::instance(), help);
}

void TestHelpWidget::linksScrollOrClose()
{
    HelpWidget* help = HelpWidget::instance();
    help->resize(662, 500);
    help->show();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QScrollBar* scroll = help->textBrowser->verticalScrollBar();
    QCOMPARE(scroll->value(), 0);

    help->anchorClicked(QUrl(QStringLiteral("#shortcuts")));
    QVERIFY(scroll->value() > 0);
    help->anchorClicked(QUrl(QStringLiteral("#contents")));
    // The contents stand right under the window's top.
    QVERIFY(scroll->value() < 20);
    QVERIFY(help->isVisible());

    // The link as the reader clicks it in the page.
    emit help->textBrowser->anchorClicked(QUrl(QStringLiteral("#close")));
    QVERIFY(!help->isVisible());
}

void TestHelpWidget::keys()
{
    HelpWidget* help = HelpWidget::instance();
    help->show();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QTest::keyClick(help, Qt::Key_A);
    QTest::keyClick(help, Qt::Key_Return);
    QVERIFY(help->isVisible());
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

void TestHelpWidget::guideOfTheLanguage_data()
{
    QTest::addColumn<QString>("translated");
    QTest::addColumn<QString>("heading");
    QTest::newRow("no translation") << QString() << "Vorenda Quick Start Guide";
    QTest::newRow("German") << guideFile(QStringLiteral("de")) << "Vorenda – Erste Schritte";
    QTest::newRow("Spanish") << guideFile(QStringLiteral("es")) << "Guía de inicio rápido de Vorenda";
    QTest::newRow("no such file") << QStringLiteral(":/Resources/Help/mac/xx/gettingstarted.txt") << "";
}

void TestHelpWidget::guideOfTheLanguage()
{
    QFETCH(QString, translated);
    QFETCH(QString, heading);
    GuideTranslator translator(translated);
    if (!translated.isEmpty())
        QCoreApplication::installTranslator(&translator);

    HelpWidget* help = HelpWidget::instance();
    QCoreApplication::removeTranslator(&translator);
    const QString text = help->textBrowser->toPlainText().trimmed();
    QCOMPARE(text.section(QLatin1Char('\n'), 0, 0).trimmed(), heading);
    if (heading.isEmpty()) {
        QVERIFY(text.isEmpty());
        return;
    }
    // The guide's pictures are found beside it.
    const GuideParts parts = partsOf(*help->textBrowser->document());
    QVERIFY(!parts.pictures.isEmpty());
    for (const QString& picture : parts.pictures) {
        const QVariant image = help->textBrowser->loadResource(QTextDocument::ImageResource, QUrl(picture));
        QVERIFY2(!image.value<QImage>().isNull() || !image.value<QPixmap>().isNull() || !image.toByteArray().isEmpty(),
                 qPrintable(picture));
    }
}

void TestHelpWidget::guideIsWhole_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"en", "de", "es"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestHelpWidget::guideIsWhole()
{
    QFETCH(QString, language);
    QFile file(guideFile(language));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));

    QFile english(guideFile(QStringLiteral("en")));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QTextDocument englishDocument;
    englishDocument.setHtml(QString::fromUtf8(english.readAll()));

    const GuideParts parts = partsOf(document);
    QVERIFY(parts.anchors.contains(QStringLiteral("contents")));
    QVERIFY(parts.links.contains(QStringLiteral("#close")));
    // Every link of the contents leads to a chapter of this guide.
    for (const QString& link : parts.links) {
        QVERIFY2(link.startsWith(QLatin1Char('#')), qPrintable(link));
        if (link != QLatin1String("#close"))
            QVERIFY2(parts.anchors.contains(link.mid(1)), qPrintable(link));
    }
    // The translations have every chapter and picture of the English guide.
    const GuideParts englishParts = partsOf(englishDocument);
    QCOMPARE(parts.anchors, englishParts.anchors);
    QCOMPARE(parts.pictures, englishParts.pictures);
    for (const QString& picture : parts.pictures)
        QVERIFY2(QFile::exists(QStringLiteral(":/Resources/Help/mac/%1/%2").arg(language, picture)), qPrintable(picture));
}

VORENDA_TEST_MAIN(TestHelpWidget)
#include "tst_helpwidget.moc"
