#include "export/quote_workbook.h"

#include "pricing/regional_format.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace {

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
const char kStandaloneDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>";

bool isWellFormed(const QString &xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

} // namespace

QString quoteStylesXml(int currencyDecimals)
{
    const QString format = currencyDecimals > 0
                               ? QLatin1String("#,##0.") + QString(currencyDecimals, QLatin1Char('0'))
                               : QStringLiteral("#,##0");
    return QLatin1String(kStandaloneDeclaration) +
           QLatin1String("<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                         "<numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"") +
           format +
           QLatin1String(
               "\"/></numFmts><fonts count=\"4\"><font><sz val=\"11\"/><name val=\"Aptos\"/></font>"
               "<font><b/><sz val=\"16\"/><color rgb=\"FF2647A5\"/><name val=\"Aptos Display\"/></font>"
               "<font><b/><sz val=\"11\"/><color rgb=\"FFFFFFFF\"/><name val=\"Aptos\"/></font>"
               "<font><b/><sz val=\"11\"/><color rgb=\"FFC85020\"/><name val=\"Aptos\"/></font></fonts>"
               "<fills count=\"3\"><fill><patternFill patternType=\"none\"/></fill>"
               "<fill><patternFill patternType=\"gray125\"/></fill>"
               "<fill><patternFill patternType=\"solid\"><fgColor rgb=\"FF3157D5\"/><bgColor indexed=\"64\"/>"
               "</patternFill></fill></fills><borders "
               "count=\"2\"><border><left/><right/><top/><bottom/><diagonal/>"
               "</border><border><left style=\"thin\"><color rgb=\"FFD9DDE5\"/></left><right style=\"thin\">"
               "<color rgb=\"FFD9DDE5\"/></right><top style=\"thin\"><color rgb=\"FFD9DDE5\"/></top>"
               "<bottom style=\"thin\"><color rgb=\"FFD9DDE5\"/></bottom><diagonal/></border></borders>"
               "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
               "borderId=\"0\"/></cellStyleXfs>"
               "<cellXfs count=\"7\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
               "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyAlignment=\"1\">"
               "<alignment horizontal=\"center\"/></xf>"
               "<xf numFmtId=\"0\" fontId=\"2\" fillId=\"2\" borderId=\"1\" xfId=\"0\" applyAlignment=\"1\">"
               "<alignment horizontal=\"center\"/></xf>"
               "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"1\" xfId=\"0\"/>"
               "<xf numFmtId=\"1\" fontId=\"0\" fillId=\"0\" borderId=\"1\" xfId=\"0\" applyAlignment=\"1\">"
               "<alignment horizontal=\"center\"/></xf>"
               "<xf numFmtId=\"164\" fontId=\"0\" fillId=\"0\" borderId=\"1\" xfId=\"0\" "
               "applyNumberFormat=\"1\"/>"
               "<xf numFmtId=\"164\" fontId=\"3\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
               "applyNumberFormat=\"1\"/>"
               "</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/>"
               "</cellStyles></styleSheet>");
}

QList<ZipEntry> quoteWorkbookParts(const QString &worksheetXml, int currencyDecimals)
{
    const QByteArray declaration(kDeclaration);
    const QByteArray contentTypes =
        declaration +
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
        "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
        "<Override PartName=\"/xl/styles.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/></Types>";
    const QByteArray packageRelationships =
        declaration +
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
        "Target=\"xl/workbook.xml\"/></Relationships>";
    const QByteArray workbook =
        QByteArray(kStandaloneDeclaration) +
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<sheets><sheet name=\"Quote Details\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    const QByteArray workbookRelationships =
        declaration +
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
        "Target=\"worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId2\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
        "Target=\"styles.xml\"/></Relationships>";
    return {{QStringLiteral("[Content_Types].xml"), contentTypes},
            {QStringLiteral("_rels/.rels"), packageRelationships},
            {QStringLiteral("xl/workbook.xml"), workbook},
            {QStringLiteral("xl/_rels/workbook.xml.rels"), workbookRelationships},
            {QStringLiteral("xl/styles.xml"), quoteStylesXml(currencyDecimals).toUtf8()},
            {QStringLiteral("xl/worksheets/sheet1.xml"), worksheetXml.toUtf8()}};
}

WorkbookResult writeQuoteWorkbook(const QuoteSnapshot &snapshot, const QString &path)
{
    const QString worksheet = quoteWorksheetXml(snapshot);
    if (!isWellFormed(worksheet))
        return {WorkbookStatus::MalformedSheet,
                QCoreApplication::translate("MainWindow", "Excel 工作表内容生成失败。")};
    QString error;
    if (!ZipArchive::writeArchive(path, quoteWorkbookParts(worksheet, currencyDecimals(snapshot.profile)),
                                  &error))
        return {WorkbookStatus::WriteFailed,
                QCoreApplication::translate("MainWindow", "无法写入 Excel 文件：%1").arg(error)};
    return {WorkbookStatus::Written, {}};
}
