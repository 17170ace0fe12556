#include "analysis/paper_size.h"
#include "support/guiless_test_main.h"
#include "support/test_translator.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

// A point value whose conversion to millimetres gives exactly mm, so that boundary cases test
// the comparison and not the conversion; 0 when no neighbouring double converts exactly.
double pointsForExactMm(double mm)
{
    double points = mm * 72 / 25.4;
    for (int i = 0; i < 8; ++i)
        points = std::nextafter(points, 0.0);
    for (int i = 0; i < 16; ++i, points = std::nextafter(points, 1e9)) {
        if (25.4 * points / 72 == mm && points * 25.4 / 72 == mm)
            return points;
    }
    return 0;
}

const QString landscape = QStringLiteral(" 横向");

} // namespace

class TestPaperSize : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void label_data();
    void label();
    void exactMillimetres_data();
    void exactMillimetres();
    void englishLandscapeSuffix();
    void sortKey_data();
    void sortKey();
};

void TestPaperSize::label_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("expected");

    const struct
    {
        const char *name;
        double shortMm;
        double longMm;
    } named[] = {{"A0", 841, 1189},        {"A1", 594, 841},         {"A2", 420, 594},
                 {"A3", 297, 420},         {"A4", 210, 297},         {"A5", 148, 210},
                 {"B4", 250, 353},         {"B5", 176, 250},         {"JIS-B4", 257, 364},
                 {"JIS-B5", 182, 257},     {"Letter", 215.9, 279.4}, {"Legal", 215.9, 355.6},
                 {"Tabloid", 279.4, 431.8}};
    for (const auto &size : named) {
        const double s = size.shortMm * 72 / 25.4;
        const double l = size.longMm * 72 / 25.4;
        const QString name = QLatin1String(size.name);
        QTest::addRow("%s portrait", size.name) << s << l << name;
        QTest::addRow("%s landscape", size.name) << l << s << QString(name + landscape);
    }
    QTest::newRow("A4 points landscape") << 841.89 << 595.28 << QString("A4" + landscape);
    const double mm = 72 / 25.4;
    QTest::newRow("212x299 mm within tolerance") << 212 * mm << 299 * mm << "A4";
    QTest::newRow("215x302 mm neither A4 nor Letter") << 215 * mm << 302 * mm << "215×302 mm";
    QTest::newRow("B5 and JIS-B5 overlap gives B5") << 179 * mm << 253.5 * mm << "B5";
    QTest::newRow("millimetre text landscape") << 150 * mm << 100 * mm << QString("100×150 mm" + landscape);
    QTest::newRow("square page has no suffix") << 500.0 << 500.0 << "176×176 mm";
    QTest::newRow("zero width") << 0.0 << 800.0 << "";
    QTest::newRow("negative height") << 600.0 << -800.0 << "";
    QTest::newRow("NaN width") << std::numeric_limits<double>::quiet_NaN() << 800.0 << "";
    QTest::newRow("infinite height") << 600.0 << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("side too large for whole millimetres") << 1e30 << 1e30 << "";
}

void TestPaperSize::label()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QTEST(paperSizeLabel(width, height), "expected");
}

void TestPaperSize::exactMillimetres_data()
{
    QTest::addColumn<double>("widthMm");
    QTest::addColumn<double>("heightMm");
    QTest::addColumn<QString>("expected");
    QTest::newRow("4.0 mm over on both sides matches") << 301.0 << 424.0 << "A3";
    QTest::newRow("4.0 mm under on both sides matches") << 206.0 << 293.0 << "A4";
    QTest::newRow("just over 4 mm does not match") << 214.25 << 297.0 << "214×297 mm";
    QTest::newRow("edge of both B5 windows gives B5") << 180.0 << 254.0 << "B5";
    QTest::newRow("half a millimetre rounds up") << 100.5 << 150.0 << "101×150 mm";
    QTest::newRow("below half a millimetre rounds down") << 100.25 << 150.0 << "100×150 mm";
}

void TestPaperSize::exactMillimetres()
{
    QFETCH(double, widthMm);
    QFETCH(double, heightMm);
    const double width = pointsForExactMm(widthMm);
    const double height = pointsForExactMm(heightMm);
    QVERIFY2(width > 0 && height > 0, "no point value converts to exactly these millimetres");
    QTEST(paperSizeLabel(width, height), "expected");
}

void TestPaperSize::englishLandscapeSuffix()
{
    {
        const TestTranslator translator({{"DocumentAnalyzer/ 横向", " Landscape"}});
        QCOMPARE(paperSizeLabel(841.89, 595.28), QStringLiteral("A4 Landscape"));
    }
    QCOMPARE(paperSizeLabel(841.89, 595.28), QString("A4" + landscape));
}

void TestPaperSize::sortKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("named size") << "A4" << 62370.0;
    QTest::newRow("named size with landscape suffix") << QString("Tabloid" + landscape) << 120644.92;
    QTest::newRow("name lookup is case-sensitive") << "letter" << 0.0;
    QTest::newRow("millimetre text") << "100×150 mm" << 15000.0;
    QTest::newRow("millimetre text landscape") << QString("100×150 mm" + landscape) << 15000.0;
    QTest::newRow("decimal sides") << "12.5×20 mm" << 250.0;
    QTest::newRow("first match anywhere in the text") << "x 3×4 and 5×6" << 12.0;
    QTest::newRow("unknown name") << "A6" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
}

void TestPaperSize::sortKey()
{
    QFETCH(QString, text);
    QTEST(paperSizeSortKey(text), "expected");
}

ORVANTA_GUILESS_TEST_MAIN(TestPaperSize)
#include "tst_paper_size.moc"
