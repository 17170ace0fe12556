#pragma once

#include <QByteArray>

#include <optional>

struct QuoteSnapshot;

// An issued quote as the `detail_json` of its stored row: compact UTF-8, members sorted by key,
// everything needed to render the same documents again.
QByteArray quoteRecordJson(const QuoteSnapshot &quote);

// The quote a stored text describes; nothing for a text this program did not write (an older
// version's or a hand-written row), which can be listed but not issued again.
std::optional<QuoteSnapshot> readQuoteRecordJson(const QByteArray &json);
