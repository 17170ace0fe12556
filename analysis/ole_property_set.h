#pragma once

#include <QByteArray>

#include <optional>

// The page count (property 14) of a summary information property set stream ([MS-OLEPS],
// format identifier F29F85E0-4FF9-1068-AB91-08002B27B3D9). Only a VT_I4 or VT_UI4 value that
// fits a signed 32-bit integer counts; anything else, or a damaged stream, gives nothing.
std::optional<qint32> summaryInformationPageCount(const QByteArray &stream);
