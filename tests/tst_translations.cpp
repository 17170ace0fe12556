#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    bool numerus = false;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
    QStringList forms;
};

// The messages of a catalogue by "context / source / comment", and its language.
QMap<QString, Message> readCatalogue(const QString &path, QString *language)
{
    QMap<QString, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QMap<QString, QString> text; // of the last "name", "source" and "comment"
    Message message;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        const QString name = xml.name().toString();
        if (xml.isStartElement() && name == QLatin1String("TS")) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.isStartElement() && name == QLatin1String("message")) {
            message = {xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), {}, {}};
            text.remove(QStringLiteral("comment"));
        } else if (xml.isStartElement() && name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus)
                message.forms << xml.readElementText();
        } else if (xml.isStartElement() && name == QLatin1String("numerusform")) {
            message.forms << xml.readElementText();
        } else if (xml.isStartElement() && QStringList{"name", "source", "comment"}.contains(name)) {
            text[name] = xml.readElementText();
        } else if (xml.isEndElement() && name == QLatin1String("message")) {
            messages.insert(QStringList{text["name"], text["source"], text["comment"]}.join(" / "), message);
        }
    }
    if (xml.hasError())
        language->append(QStringLiteral(" (") + xml.errorString() + QLatin1Char(')'));
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:[1-9][0-9]?|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QMap<QString, Message> m_current;

private Q_SLOTS:
    // What the code asks for today, as lupdate finds it.
    void initTestCase()
    {
        QStringList arguments = {"-no-obsolete", "-locations", "none", "-extensions", "cpp,h"};
        for (const char *folder : {"app", "documents", "analysis", "pricing", "storage", "settings_dialog",
                                   "quote_history", "export", "zip", "cli"}) {
            if (QDir(QStringLiteral(ORVANTA_SOURCE_DIR "/") + QLatin1String(folder)).exists())
                arguments << QLatin1String(folder);
        }
        QString lupdate = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
        if (!QFile::exists(lupdate))
            lupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");
        QProcess process;
        process.setWorkingDirectory(QStringLiteral(ORVANTA_SOURCE_DIR));
        process.start(lupdate,
                      arguments << QStringLiteral("-ts") << m_dir.filePath(QStringLiteral("current.ts")));
        QVERIFY(process.waitForFinished(120000) && process.exitCode() == 0);
        QString language;
        m_current = readCatalogue(m_dir.filePath(QStringLiteral("current.ts")), &language);
        QVERIFY2(m_current.size() > 50, "lupdate found hardly any texts; wrong source folder?");
    }

    void catalogueIsComplete_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("pluralForms");
        for (const auto &[code, forms] : std::initializer_list<std::pair<const char *, int>>{
                 {"de_DE", 2}, {"en_US", 2}, {"fr_FR", 2}, {"ja_JP", 1}, {"ko_KR", 1}, {"ru_RU", 3}})
            QTest::newRow(code) << QString::fromLatin1(code) << forms;
    }
    // Every text is translated in every form its language has, with the same placeholders and the
    // same surrounding spaces as its source; no translation is left of a text that is gone.
    void catalogueIsComplete()
    {
        QFETCH(QString, code);
        QFETCH(int, pluralForms);
        QString language;
        const QString path = QStringLiteral(ORVANTA_SOURCE_DIR "/resources/i18n/orvanta_%1.ts").arg(code);
        const QMap<QString, Message> catalogue = readCatalogue(path, &language);
        QCOMPARE(language, code);
        QStringList problems;
        for (auto it = m_current.cbegin(); it != m_current.cend(); ++it) {
            const Message found = catalogue.value(it.key(), {it->numerus, QStringLiteral("missing"), {}});
            const QString source = it.key().section(QStringLiteral(" / "), 1, 1);
            if (!found.type.isEmpty() || found.numerus != it->numerus ||
                found.forms.size() != (it->numerus ? pluralForms : 1))
                problems << it.key() + QStringLiteral(": ") + (found.type.isEmpty() ? "forms" : found.type);
            for (const QString &text : found.forms) {
                if (text.trimmed().isEmpty() || placeholders(text) != placeholders(source) ||
                    text.startsWith(QLatin1Char(' ')) != source.startsWith(QLatin1Char(' ')))
                    problems << it.key() + QStringLiteral(": \"") + text + QLatin1Char('"');
            }
        }
        for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
            if (!m_current.contains(it.key()))
                problems << it.key() + QStringLiteral(": no longer in the code");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(path +
                                                QStringLiteral(" (run the update_translations target, then "
                                                               "translate):\n  ") +
                                                problems.join(QStringLiteral("\n  "))));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
