#include "analysis/word_fib.h"

#include <QtEndian>

#include <utility>

namespace {

constexpr quint16 wordIdent = 0xA5EC;
constexpr quint16 flagEncrypted = 0x0100;
constexpr quint16 flagTable1 = 0x0200;
constexpr quint16 sprmSBOrientation = 0x301D;
constexpr quint16 sprmSXaPage = 0xB01F;
constexpr quint16 sprmSYaPage = 0xB020;
constexpr quint8 orientationLandscape = 2;
constexpr quint32 noSectionProperties = 0xFFFFFFFF;

// Reads a little-endian value at offset if it lies wholly inside data.
template <typename T> std::optional<T> readAt(const QByteArray &data, qint64 offset)
{
    if (offset < 0 || offset > qint64(data.size()) - qint64(sizeof(T)))
        return std::nullopt;
    return qFromLittleEndian<T>(data.constData() + offset);
}

// Bytes of the operand that follows a modifier code, from its spra bits; -1 for the
// variable-length kind, whose length byte comes first.
int operandSize(quint16 code)
{
    switch (code >> 13) {
    case 0:
    case 1:
        return 1;
    case 2:
    case 4:
    case 5:
        return 2;
    case 3:
        return 4;
    case 7:
        return 3;
    default:
        return -1;
    }
}

} // namespace

std::optional<QString> wordTableStreamName(const QByteArray &wordDocument)
{
    if (wordDocument.size() < 12 || readAt<quint16>(wordDocument, 0) != wordIdent)
        return std::nullopt;
    const quint16 flags = *readAt<quint16>(wordDocument, 10);
    if (flags & flagEncrypted)
        return std::nullopt;
    return QString::fromLatin1((flags & flagTable1) ? "1Table" : "0Table");
}

SectionPageSetup sectionPageSetup(const char *sprms, int length)
{
    SectionPageSetup setup;
    const auto u16 = [sprms](int p) { return qFromLittleEndian<quint16>(sprms + p); };
    int p = 0;
    while (p + 2 <= length) {
        const quint16 code = u16(p);
        const int size = operandSize(code);
        qint64 next;
        if (size >= 0)
            next = qint64(p) + 2 + size;
        else if (p + 2 < length)
            next = qint64(p) + 3 + quint8(sprms[p + 2]);
        else
            break;
        if (next > length)
            break;
        if (code == sprmSBOrientation)
            setup.landscape = quint8(sprms[p + 2]) == orientationLandscape;
        else if (code == sprmSXaPage)
            setup.widthTwips = u16(p + 2);
        else if (code == sprmSYaPage)
            setup.heightTwips = u16(p + 2);
        p = int(next);
    }
    return setup;
}

std::optional<SectionPageSize> wordFirstSectionPageSize(const QByteArray &wordDocument,
                                                        const QByteArray &tableStream)
{
    if (!wordTableStreamName(wordDocument) || wordDocument.size() < 34)
        return std::nullopt;

    const auto csw = readAt<quint16>(wordDocument, 32);
    const qint64 cslwOffset = 34 + 2 * qint64(*csw);
    const auto cslw = readAt<quint16>(wordDocument, cslwOffset);
    if (!cslw)
        return std::nullopt;
    const qint64 countOffset = cslwOffset + 2 + 4 * qint64(*cslw);
    const auto cbRgFcLcb = readAt<quint16>(wordDocument, countOffset);
    if (!cbRgFcLcb || *cbRgFcLcb < 7)
        return std::nullopt;
    const auto fcPlcfSed = readAt<quint32>(wordDocument, countOffset + 50);
    const auto lcbPlcfSed = readAt<quint32>(wordDocument, countOffset + 54);
    if (!fcPlcfSed || !lcbPlcfSed || *lcbPlcfSed < 20 || (*lcbPlcfSed - 4) % 16 != 0)
        return std::nullopt;
    if (qint64(*fcPlcfSed) + *lcbPlcfSed > tableStream.size())
        return std::nullopt;

    // n + 1 character positions, then n 12-byte descriptors; fcSepx sits at offset 2 of the first.
    const qint64 sectionCount = (*lcbPlcfSed - 4) / 16;
    const auto fcSepx = readAt<quint32>(tableStream, *fcPlcfSed + 4 * (sectionCount + 1) + 2);
    if (!fcSepx || *fcSepx == noSectionProperties)
        return std::nullopt;
    const auto cb = readAt<quint16>(wordDocument, *fcSepx);
    if (!cb || *cb < 2 || qint64(*fcSepx) + 2 + *cb > wordDocument.size())
        return std::nullopt;

    const SectionPageSetup setup = sectionPageSetup(wordDocument.constData() + *fcSepx + 2, *cb);
    if (setup.widthTwips == 0 || setup.heightTwips == 0)
        return std::nullopt;
    SectionPageSize size{setup.widthTwips / 20.0, setup.heightTwips / 20.0};
    if (setup.landscape && size.heightPoints > size.widthPoints)
        std::swap(size.widthPoints, size.heightPoints);
    return size;
}
