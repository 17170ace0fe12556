#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// Everything lupdate scans; folders that do not exist (yet) are left out.
const QStringList SourceFolders = {
    QStringLiteral("app"),     QStringLiteral("documents"), QStringLiteral("analysis"),
    QStringLiteral("pricing"), QStringLiteral("storage"),   QStringLiteral("settings_dialog"),
    QStringLiteral("export"),  QStringLiteral("zip"),       QStringLiteral("cli"),
};

struct CatalogueMessage
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type;             // "unfinished", "vanished", "obsolete" or empty when finished
    QStringList translations; // one entry, or one per plural form
};

struct Catalogue
{
    QString language;
    QMap<QString, CatalogueMessage> messages; // by messageKey
    QString error;
};

QString messageKey(const QString &context, const QString &source, const QString &comment)
{
    return context + QChar(0) + source + QChar(0) + comment;
}

QString describe(const CatalogueMessage &message)
{
    QString text = message.source;
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QStringLiteral("[%1] \"%2\"").arg(message.context, text);
}

void readMessage(QXmlStreamReader &xml, const QString &context, Catalogue &catalogue)
{
    CatalogueMessage message;
    message.context = context;
    message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (message.numerus) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("numerusform"))
                        message.translations.append(xml.readElementText());
                    else
                        xml.skipCurrentElement();
                }
            } else {
                message.translations.append(xml.readElementText());
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    const QString key = messageKey(message.context, message.source, message.comment);
    if (catalogue.messages.contains(key))
        catalogue.error = QStringLiteral("duplicate message %1").arg(describe(message));
    catalogue.messages.insert(key, message);
}

Catalogue readCatalogue(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement() && xml.name() == QLatin1String("TS")) {
        catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("context")) {
                xml.skipCurrentElement();
                continue;
            }
            QString context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("name"))
                    context = xml.readElementText();
                else if (xml.name() == QLatin1String("message"))
                    readMessage(xml, context, catalogue);
                else
                    xml.skipCurrentElement();
            }
        }
    }
    if (xml.hasError())
        catalogue.error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return catalogue;
}

QString lupdateProgram()
{
    const QString beside = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
    return QFileInfo::exists(beside) ? beside : QStringLiteral("/usr/lib/qt6/bin/lupdate");
}

QString cataloguePath(const QString &code)
{
    return QStringLiteral(ORVANTA_SOURCE_DIR "/resources/i18n/orvanta_%1.ts").arg(code);
}

// %1..%99 as QString::arg sees them; %n is checked separately.
QSet<int> placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%([1-9][0-9]?)"));
    QSet<int> numbers;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        numbers.insert(match.captured(1).toInt());
    return numbers;
}

QStringList translationProblems(const CatalogueMessage &current, const CatalogueMessage &translated,
                                int pluralForms)
{
    const QString what = describe(current);
    if (!translated.type.isEmpty())
        return {QStringLiteral("%1 is %2").arg(what, translated.type)};
    if (translated.numerus != current.numerus)
        return {QStringLiteral("%1 has the wrong plural marking").arg(what)};
    const int expectedForms = current.numerus ? pluralForms : 1;
    if (translated.translations.size() != expectedForms) {
        return {QStringLiteral("%1 has %2 forms instead of %3")
                    .arg(what)
                    .arg(translated.translations.size())
                    .arg(expectedForms)};
    }
    QStringList problems;
    const QSet<int> expected = placeholders(current.source);
    for (const QString &text : translated.translations) {
        if (text.trimmed().isEmpty()) {
            problems.append(QStringLiteral("%1 has an empty translation").arg(what));
            continue;
        }
        const QSet<int> found = placeholders(text);
        if (found != expected)
            problems.append(QStringLiteral("%1: placeholders differ in \"%2\"").arg(what, text));
        if (current.numerus && !text.contains(QLatin1String("%n")))
            problems.append(QStringLiteral("%1: %n missing in \"%2\"").arg(what, text));
    }
    return problems;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void catalogueIsComplete_data();
    void catalogueIsComplete();
    void compiledCatalogueTranslates_data();
    void compiledCatalogueTranslates();

private:
    void addLanguageRows();

    QTemporaryDir m_dir;
    Catalogue m_current;
};

void TranslationsTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QStringList arguments = {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                             QStringLiteral("none"), QStringLiteral("-extensions"), QStringLiteral("cpp,h")};
    for (const QString &folder : SourceFolders) {
        if (QFileInfo(QStringLiteral(ORVANTA_SOURCE_DIR "/") + folder).isDir())
            arguments.append(folder);
    }
    const QString scanned = m_dir.filePath(QStringLiteral("current.ts"));
    arguments << QStringLiteral("-ts") << scanned;

    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(ORVANTA_SOURCE_DIR));
    lupdate.start(lupdateProgram(), arguments);
    QVERIFY2(lupdate.waitForFinished(120000),
             qPrintable(lupdateProgram() + QStringLiteral(" did not finish")));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAllStandardError().constData());

    m_current = readCatalogue(scanned);
    QVERIFY2(m_current.error.isEmpty(), qPrintable(m_current.error));
    QVERIFY2(m_current.messages.size() > 50, "lupdate found hardly any texts; wrong source folder?");
}

void TranslationsTest::addLanguageRows()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("pluralForms");
    QTest::newRow("German") << QStringLiteral("de_DE") << 2;
    QTest::newRow("English") << QStringLiteral("en_US") << 2;
    QTest::newRow("French") << QStringLiteral("fr_FR") << 2;
    QTest::newRow("Japanese") << QStringLiteral("ja_JP") << 1;
    QTest::newRow("Korean") << QStringLiteral("ko_KR") << 1;
    QTest::newRow("Russian") << QStringLiteral("ru_RU") << 3;
}

void TranslationsTest::catalogueIsComplete_data()
{
    addLanguageRows();
}

void TranslationsTest::catalogueIsComplete()
{
    QFETCH(QString, code);
    QFETCH(int, pluralForms);
    const Catalogue catalogue = readCatalogue(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QCOMPARE(catalogue.language, code);

    QStringList problems;
    for (const CatalogueMessage &current : m_current.messages) {
        const QString key = messageKey(current.context, current.source, current.comment);
        const auto translated = catalogue.messages.constFind(key);
        if (translated == catalogue.messages.constEnd())
            problems.append(QStringLiteral("%1 is missing").arg(describe(current)));
        else
            problems += translationProblems(current, *translated, pluralForms);
    }
    for (const CatalogueMessage &stale : catalogue.messages) {
        if (!m_current.messages.contains(messageKey(stale.context, stale.source, stale.comment)))
            problems.append(QStringLiteral("%1 is no longer in the code").arg(describe(stale)));
    }
    QVERIFY2(problems.isEmpty(),
             qPrintable(QStringLiteral("%1 problem(s) in %2 (run the update_translations "
                                       "target, then translate):\n  %3")
                            .arg(problems.size())
                            .arg(cataloguePath(code), problems.join(QLatin1String("\n  ")))));
}

void TranslationsTest::compiledCatalogueTranslates_data()
{
    addLanguageRows();
}

void TranslationsTest::compiledCatalogueTranslates()
{
    QFETCH(QString, code);
    QFETCH(int, pluralForms);
    const Catalogue catalogue = readCatalogue(cataloguePath(code));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));

    QTranslator translator;
    const QString compiled = QStringLiteral(ORVANTA_BINARY_DIR "/i18n/orvanta_%1.qm").arg(code);
    QVERIFY2(translator.load(compiled), qPrintable(compiled));

    // The landscape suffix is appended on pool threads, so it is the text most likely to be looked up raw.
    const QString landscape = translator.translate("DocumentAnalyzer", " 横向");
    const auto expected = catalogue.messages.value(
        messageKey(QStringLiteral("DocumentAnalyzer"), QStringLiteral(" 横向"), QString()));
    QVERIFY(!landscape.isEmpty());
    QVERIFY(landscape.startsWith(QLatin1Char(' ')));
    QCOMPARE(QStringList{landscape}, expected.translations);

    // Plural forms are picked by the catalogue's language rules: 1, 2 and 5 cover every form in use.
    const auto pages = catalogue.messages.value(
        messageKey(QStringLiteral("MainWindow"), QStringLiteral("%n 页"), QString()));
    QCOMPARE(pages.translations.size(), pluralForms);
    const QList<int> counts = {1, 2, 5};
    const QMap<int, QList<int>> formOfCount = {{1, {0, 0, 0}}, {2, {0, 1, 1}}, {3, {0, 1, 2}}};
    for (int i = 0; i < counts.size(); ++i) {
        const QString form = translator.translate("MainWindow", "%n 页", nullptr, counts.at(i));
        QCOMPARE(form, pages.translations.at(formOfCount.value(pluralForms).at(i)));
    }
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
