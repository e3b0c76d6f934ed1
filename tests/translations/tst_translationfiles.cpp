#include "TestEnvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// One message of a .ts file.
struct Entry
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    bool unfinished = false;
    QStringList translations; // one, or one per plural form

    QString key() const { return context + QLatin1Char('\n') + source + QLatin1Char('\n') + comment; }
    // How a failure names the message: its context and its text, tabs and line breaks shown.
    QString name() const
    {
        QString text = source;
        text.replace(QLatin1Char('\t'), QLatin1String("\\t")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
        return QStringLiteral("[%1] \"%2\"").arg(context, text);
    }
};

QList<Entry> readTsFile(const QString& path, QString& error)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("TS"))
            continue;
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
                continue;
            }
            if (xml.name() != QLatin1String("message")) {
                xml.skipCurrentElement();
                continue;
            }
            Entry entry;
            entry.context = context;
            entry.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    entry.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("comment")) {
                    entry.comment = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    entry.unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
                    if (entry.numerus) {
                        while (xml.readNextStartElement())
                            entry.translations << xml.readElementText();
                    } else {
                        entry.translations << xml.readElementText();
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
            entries << entry;
        }
    }
    if (xml.hasError())
        error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return entries;
}

QSet<QString> keysOf(const QList<Entry>& entries)
{
    QSet<QString> keys;
    for (const Entry& entry : entries)
        keys.insert(entry.key());
    return keys;
}

// The names of the entries of `entries` whose key is not in `keys`.
QStringList entriesNotIn(const QList<Entry>& entries, const QSet<QString>& keys)
{
    QStringList names;
    for (const Entry& entry : entries)
        if (!keys.contains(entry.key()))
            names << entry.name();
    return names;
}

QString listing(const QString& title, const QStringList& names)
{
    return title + QStringLiteral("\n    ") + names.join(QStringLiteral("\n    "));
}

// The numbered place markers (%1 ... %99) of a text, sorted.
QStringList markers(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d{1,2}"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// The letters marked as keyboard mnemonics ("&File"); "&&" is a plain ampersand.
int mnemonics(const QString& text)
{
    static const QRegularExpression mnemonic(QStringLiteral("(?<!&)&(?=[^&\\s])"));
    QString plain = text;
    plain.remove(QLatin1String("&&"));
    int count = 0;
    for (auto it = mnemonic.globalMatch(plain); it.hasNext(); it.next())
        ++count;
    return count;
}

// A key sequence as the program reads it: "Ctrl+Shift+Up", "Alt+7", "Ctrl+%1".
bool isKeySequenceText(const QString& text)
{
    static const QRegularExpression keys(QStringLiteral("^((Ctrl|Shift|Alt|Meta)\\+)+[^+\\s]+$|^F\\d{1,2}$"));
    return keys.match(text).hasMatch();
}

} // namespace

// The translation files against the program's sources. lupdate, run over the source
// folders into copies of the .ts files, must find no text the files lack and no entry
// the sources lost; every entry is translated; and a translation keeps what the
// program fills in (%1, %n), lays out (tabs, mnemonics) or reads back (key sequences).
class TestTranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lupdateReadsEverySource();
    void textsPassedByNameAreMarked();
    void filesHoldExactlyTheSourceTexts_data() { languages(); }
    void filesHoldExactlyTheSourceTexts();
    void everyEntryIsTranslated_data() { languages(); }
    void everyEntryIsTranslated();
    void translationsKeepMarkersTabsAndMnemonics_data() { languages(); }
    void translationsKeepMarkersTabsAndMnemonics();
    void countsUsePluralForms_data() { languages(); }
    void countsUsePluralForms();
    void keySequencesStayReadable_data() { languages(); }
    void keySequencesStayReadable();
    void guidePathNamesTheLanguagesGuide_data() { languages(); }
    void guidePathNamesTheLanguagesGuide();

private:
    static void languages();
    static QString tsFile(const QString& language);
    QList<Entry> entries(const QString& path);

    QTemporaryDir updated;
    QByteArray lupdateOutput;
    int lupdateExitCode = -1;
};

QString TestTranslationFiles::tsFile(const QString& language)
{
    return QStringLiteral(VORENDA_SOURCE_DIR "/Translations/Vorenda_%1.ts").arg(language);
}

void TestTranslationFiles::languages()
{
    QTest::addColumn<QString>("language");
    const QStringList files = QDir(QStringLiteral(VORENDA_SOURCE_DIR "/Translations"))
                                  .entryList({QStringLiteral("Vorenda_*.ts")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString language = file.mid(8, file.size() - 11);
        QTest::newRow(qPrintable(language)) << language;
    }
}

QList<Entry> TestTranslationFiles::entries(const QString& path)
{
    QString error;
    const QList<Entry> read = readTsFile(path, error);
    if (!error.isEmpty())
        qWarning("%s: %s", qPrintable(path), qPrintable(error));
    return read;
}

void TestTranslationFiles::initTestCase()
{
    QVERIFY(updated.isValid());
    const QStringList files = QDir(QStringLiteral(VORENDA_SOURCE_DIR "/Translations"))
                                  .entryList({QStringLiteral("Vorenda_*.ts")}, QDir::Files, QDir::Name);
    QVERIFY2(files.size() >= 2, "the German and Spanish translation files are missing");
    QStringList copies;
    for (const QString& file : files) {
        copies << updated.filePath(file);
        QVERIFY(QFile::copy(QStringLiteral(VORENDA_SOURCE_DIR "/Translations/") + file, copies.last()));
    }

    // The same run as the update_translations build target, into the copies.
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(VORENDA_SOURCE_DIR));
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList folders = QStringLiteral(VORENDA_TRANSLATED_FOLDERS).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    lupdate.start(QStringLiteral(VORENDA_LUPDATE),
                  QStringList{QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none")}
                      + folders + QStringList{QStringLiteral("-ts")} + copies);
    QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
    lupdateOutput = lupdate.readAll();
    lupdateExitCode = lupdate.exitStatus() == QProcess::NormalExit ? lupdate.exitCode() : -1;
}

// lupdate warns where it cannot read a tr() call: that text would never be translated.
void TestTranslationFiles::lupdateReadsEverySource()
{
    QCOMPARE(lupdateExitCode, 0);
    static const QRegularExpression warning(QStringLiteral("^\\S+:\\d+: .*$"), QRegularExpression::MultilineOption);
    QStringList warnings;
    for (auto it = warning.globalMatch(QString::fromLocal8Bit(lupdateOutput)); it.hasNext();)
        warnings << it.next().captured();
    QVERIFY2(warnings.isEmpty(), qPrintable(listing(QStringLiteral("lupdate cannot read these texts:"), warnings)));
}

// lupdate finds a text only where the call spells it out. A tr() of a variable, or a
// translate() whose context is a variable, passes silently: its texts must be marked
// for lupdate (QT_TR_NOOP, QT_TRANSLATE_NOOP) in the same file.
void TestTranslationFiles::textsPassedByNameAreMarked()
{
    static const QRegularExpression byName(
        QStringLiteral("(?:\\b(?:QCoreApplication|QApplication|QGuiApplication)::translate\\(\\s*[A-Za-z_]"
                       "|(?<!\\w)tr\\(\\s*[A-Za-z_][\\w.\\[\\]>-]*\\s*[,)])"));
    QStringList unmarked;
    const QStringList folders = QStringLiteral(VORENDA_TRANSLATED_FOLDERS).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& folder : folders) {
        QDirIterator it(QStringLiteral(VORENDA_SOURCE_DIR "/") + folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString source = QString::fromUtf8(file.readAll());
            if (source.contains(QLatin1String("QT_TR_NOOP")) || source.contains(QLatin1String("QT_TRANSLATE_NOOP")))
                continue;
            for (auto match = byName.globalMatch(source); match.hasNext();) {
                const int start = match.next().capturedStart();
                const int lineStart = source.lastIndexOf(QLatin1Char('\n'), start) + 1;
                unmarked << QStringLiteral("%1:%2: %3")
                                .arg(QDir(QStringLiteral(VORENDA_SOURCE_DIR)).relativeFilePath(file.fileName()))
                                .arg(source.left(start).count(QLatin1Char('\n')) + 1)
                                .arg(source.mid(lineStart, source.indexOf(QLatin1Char('\n'), start) - lineStart).trimmed());
            }
        }
    }
    QVERIFY2(unmarked.isEmpty(),
             qPrintable(listing(QStringLiteral("texts passed by name that nothing marks for lupdate:"), unmarked)));
}

void TestTranslationFiles::filesHoldExactlyTheSourceTexts()
{
    QFETCH(QString, language);
    const QString fileName = QFileInfo(tsFile(language)).fileName();
    const QList<Entry> committed = entries(tsFile(language));
    const QList<Entry> fromSources = entries(updated.filePath(fileName));
    QVERIFY(!fromSources.isEmpty());

    const QStringList missing = entriesNotIn(fromSources, keysOf(committed));
    QVERIFY2(missing.isEmpty(),
             qPrintable(listing(QStringLiteral("%1 lacks these texts of the sources (build the target "
                                               "update_translations, then translate them):")
                                    .arg(fileName),
                                missing)));
    const QStringList gone = entriesNotIn(committed, keysOf(fromSources));
    QVERIFY2(gone.isEmpty(),
             qPrintable(listing(QStringLiteral("%1 holds texts the sources no longer have (build the target "
                                               "update_translations):")
                                    .arg(fileName),
                                gone)));

    // Same entries, same form: a later lupdate run changes nothing, so merges stay small.
    QFile before(tsFile(language));
    QFile after(updated.filePath(fileName));
    QVERIFY(before.open(QIODevice::ReadOnly) && after.open(QIODevice::ReadOnly));
    QVERIFY2(before.readAll() == after.readAll(),
             qPrintable(QStringLiteral("%1 is not in lupdate's form (build the target update_translations)")
                            .arg(fileName)));
}

void TestTranslationFiles::everyEntryIsTranslated()
{
    QFETCH(QString, language);
    QStringList untranslated;
    for (const Entry& entry : entries(tsFile(language))) {
        bool empty = entry.translations.isEmpty();
        for (const QString& form : entry.translations)
            empty = empty || form.isEmpty();
        if (entry.unfinished || empty)
            untranslated << entry.name() + (entry.unfinished ? QStringLiteral(" (unfinished)") : QString());
    }
    QVERIFY2(untranslated.isEmpty(),
             qPrintable(listing(QStringLiteral("Vorenda_%1.ts leaves these untranslated:").arg(language),
                                untranslated)));
}

void TestTranslationFiles::translationsKeepMarkersTabsAndMnemonics()
{
    QFETCH(QString, language);
    QStringList faults;
    for (const Entry& entry : entries(tsFile(language))) {
        for (const QString& translation : entry.translations) {
            if (translation.isEmpty())
                continue;
            if (markers(translation) != markers(entry.source))
                faults << entry.name() + QStringLiteral(": place markers %1 become %2")
                                             .arg(markers(entry.source).join(QLatin1Char(' ')),
                                                  markers(translation).join(QLatin1Char(' ')));
            if (translation.count(QLatin1Char('\t')) != entry.source.count(QLatin1Char('\t')))
                faults << entry.name() + QStringLiteral(": the tab before the key column is lost or doubled");
            // Rich text has entities ("&nbsp;"), not mnemonics.
            if (!entry.source.contains(QLatin1Char('<')) && mnemonics(translation) != mnemonics(entry.source))
                faults << entry.name() + QStringLiteral(": \"%1\" marks %2 mnemonics, the source %3")
                                             .arg(translation)
                                             .arg(mnemonics(translation))
                                             .arg(mnemonics(entry.source));
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(listing(QStringLiteral("Vorenda_%1.ts:").arg(language), faults)));
}

void TestTranslationFiles::countsUsePluralForms()
{
    QFETCH(QString, language);
    QStringList faults;
    for (const Entry& entry : entries(tsFile(language))) {
        const bool counted = entry.source.contains(QLatin1String("%n"));
        if (counted != entry.numerus) {
            faults << entry.name()
                    + (counted ? QStringLiteral(": %n without a count given to tr()")
                               : QStringLiteral(": plural forms without %n"));
            continue;
        }
        // The singular may say "one" in words; every other form shows the count.
        for (int form = 1; form < entry.translations.size(); ++form)
            if (!entry.translations.at(form).contains(QLatin1String("%n")))
                faults << entry.name() + QStringLiteral(": plural form %1 lacks %n").arg(form + 1);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(listing(QStringLiteral("Vorenda_%1.ts:").arg(language), faults)));
}

// The default hotkeys and shortcuts are read with QKeySequence::fromString in portable
// form: a translation may choose another key, but must name it the portable way
// ("Ctrl", not "Strg").
void TestTranslationFiles::keySequencesStayReadable()
{
    QFETCH(QString, language);
    QStringList faults;
    for (const Entry& entry : entries(tsFile(language))) {
        if (!isKeySequenceText(entry.source) || entry.translations.isEmpty())
            continue;
        const QString text = entry.translations.first();
        const QString filled = QString(text).replace(QLatin1String("%1"), QLatin1String("1"));
        const QKeySequence key = QKeySequence::fromString(filled, QKeySequence::PortableText);
        if (key.count() != 1 || (key[0] & ~Qt::KeyboardModifierMask) == Qt::Key_unknown)
            faults << entry.name() + QStringLiteral(": \"%1\" is no key sequence the program can read").arg(text);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(listing(QStringLiteral("Vorenda_%1.ts:").arg(language), faults)));
}

// The help window opens the guide its translation names.
void TestTranslationFiles::guidePathNamesTheLanguagesGuide()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Translations/Vorenda_%1.qm").arg(language)));
    const QString path = translator.translate("HelpWidget", ":/Resources/Help/mac/en/gettingstarted.txt");
    QCOMPARE(path, QStringLiteral(":/Resources/Help/mac/%1/gettingstarted.txt").arg(language));
    QVERIFY(QFile::exists(path));
}

VORENDA_TEST_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
