#pragma once

struct PriceProfile;
class QTableWidget;

// Writes the unit price the program gives a row: the price of its paper size and colour or, when
// the profile prices page by page and the row's page details cover its pages, what its pages cost
// on average. PageByPagePriceRole keeps that average, so any other text reads as typed.
void writeRowUnitPrice(QTableWidget *table, int row, const PriceProfile &profile);

// Whether the row's unit price is one the operator typed or set in a batch, not the program's.
bool rowUnitPriceTyped(const QTableWidget *table, int row, const PriceProfile &profile);

// Marks the row's unit price as the operator's own, which overrides pricing page by page.
void markRowUnitPriceTyped(QTableWidget *table, int row);
