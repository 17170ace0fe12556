#include "export/file_name_breaks.h"

#include <QStringList>
#include <QTextBoundaryFinder>

namespace {

const QChar zeroWidthSpace(0x200B);

bool isWide(char32_t code)
{
    return (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
           (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
           (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
           (code >= 0xFFE0 && code <= 0xFFE6) || code >= 0x20000;
}

int graphemeUnits(QStringView grapheme)
{
    const char32_t code = grapheme.toUcs4().value(0);
    return isWide(code) ? 2 : 1;
}

bool isSeparator(QStringView grapheme)
{
    return grapheme.size() == 1 && QStringView(u"_-. ").contains(grapheme.front());
}

QStringList graphemes(QStringView text)
{
    QStringList result;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.toString());
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        result.append(text.mid(start, end - start).toString());
        start = end;
    }
    return result;
}

// The pieces a name may wrap between: each ends at a separator, and an ideograph stands alone.
QList<QStringList> runs(const QString &name)
{
    QList<QStringList> result(1);
    for (const QString &grapheme : graphemes(name)) {
        const bool wide = graphemeUnits(grapheme) == 2;
        if (wide && !result.last().isEmpty())
            result.append(QStringList());
        result.last().append(grapheme);
        if (wide || isSeparator(grapheme))
            result.append(QStringList());
    }
    if (result.last().isEmpty())
        result.removeLast();
    return result;
}

int units(const QStringList &graphemes)
{
    int total = 0;
    for (const QString &grapheme : graphemes)
        total += graphemeUnits(grapheme);
    return total;
}

// The first and last graphemes of a run, within the width, around "…".
QString middleShortened(const QStringList &run, int maxUnits)
{
    QString head, tail;
    int budget = maxUnits - 1, front = 0, back = int(run.size()) - 1;
    while (front <= back) {
        const bool fromFront = front <= int(run.size()) - 1 - back;
        const QString &grapheme = run.at(fromFront ? front : back);
        budget -= graphemeUnits(grapheme);
        if (budget < 0)
            break;
        if (fromFront) {
            head += grapheme;
            ++front;
        } else {
            tail.prepend(grapheme);
            --back;
        }
    }
    return head + QChar(0x2026) + tail;
}

} // namespace

BreakableName breakableFileName(const QString &name, int maxRunUnits)
{
    BreakableName result;
    const QList<QStringList> pieces = runs(name);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            result.text += zeroWidthSpace;
        if (units(pieces.at(i)) > maxRunUnits) {
            result.text += middleShortened(pieces.at(i), maxRunUnits);
            result.shortened = true;
        } else {
            result.text += pieces.at(i).join(QString());
        }
    }
    return result;
}

int textUnits(QStringView text)
{
    // Counted by code point, not by grapheme: this runs for every cell of a long quote.
    int total = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            total += isWide(QChar::surrogateToUcs4(c, text.at(++i))) ? 2 : 1;
        else if (!c.isMark())
            total += isWide(c.unicode()) ? 2 : 1;
    }
    return total;
}

int longestWordUnits(QStringView text)
{
    int longest = 0;
    for (const QStringView word : text.split(u' ', Qt::SkipEmptyParts))
        longest = qMax(longest, textUnits(word));
    return longest;
}
