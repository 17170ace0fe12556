#pragma once

#include "pricing/price_profile.h"

#include <QString>

class MoneyFormat;

// Slot a paper-size text prices as: its first space-separated word, upper-cased.
PaperSizeSlot pageSlotFor(const QString &paperSize);
double pagePriceFor(const PriceProfile &profile, const QString &paperSize, const QString &colorMode);
// The text written into a unit-price cell.
QString unitPriceText(const PriceProfile &profile, const QString &paperSize, const QString &colorMode);

// Page count of a pages-cell text: 0 unless it is a base-10 int of at least 1.
int pageCountFromText(const QString &text);
// Copies of a copies-cell text: 1 unless it is a base-10 int of at least 2.
int copiesFromText(const QString &text);

// The cells of one table row that its amount depends on.
struct LineInputs
{
    QString pagesText;
    QString copiesText;
    QString unitPriceText;
    QString bindingKey;
};

// (pages × unit price × duplex factor + binding fee) × copies, unrounded.
double lineAmount(const LineInputs &line, const PriceProfile &profile, bool duplex);
double lineAmount(const LineInputs &line, const PriceProfile &profile, bool duplex, const MoneyFormat &format);
