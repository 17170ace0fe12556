#pragma once

#include "pricing/price_profile.h"

#include <QByteArray>

class QJsonArray;

// The three JSON texts a stored profile carries: compact UTF-8 with members sorted by key.
QByteArray colorPricesJson(const PriceProfile &profile);
QByteArray bindingPricesJson(const PriceProfile &profile);
QByteArray profileOptionsJson(const PriceProfile &profile);

// Readers change only what the text validly provides; anything unreadable keeps profile's values.
// readColorPricesJson: an object of 12- (or older 9-) number arrays per colour mode.
void readColorPricesJson(const QByteArray &json, PriceProfile &profile);
// readBindingPricesJson: merges the object's members into bindingPrices (non-numbers and negatives as 0).
void readBindingPricesJson(const QByteArray &json, PriceProfile &profile);
// readProfileOptionsJson: reads every option with its clamp; false when the text is not an object.
bool readProfileOptionsJson(const QByteArray &json, PriceProfile &profile);

// 12 numbers replace the row, 9 numbers are the older A0..B5 + Other layout; other lengths change nothing.
void readPriceArray(const QJsonArray &array, PagePriceRow &row);
