#pragma once

#include <QString>
#include <QStringView>

// A file name as a table cell may show it. `text` may wrap only after `_`, `-`, `.` or a space (and
// between ideographs, as any CJK text does): a zero-width space marks each such place, which Qt's
// text layout breaks at and the PDF's text leaves out. A run longer than the cell can take keeps
// its start and end around "…"; `shortened` says so.
struct BreakableName
{
    QString text;
    bool shortened = false;
};

BreakableName breakableFileName(const QString &name, int maxRunUnits);

// Rough printed width: one unit per character, two for an East Asian wide one, none for a mark.
int textUnits(QStringView text);

// The widest piece the text cannot wrap inside, in the same units.
int longestWordUnits(QStringView text);
