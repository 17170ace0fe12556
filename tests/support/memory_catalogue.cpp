#include "support/memory_catalogue.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <utility>

namespace {

enum : quint8
{
    TagEnd = 1,
    TagTranslation = 3,
    TagSourceText = 6,
    TagContext = 7
};
enum : quint8
{
    BlockHashes = 0x42,
    BlockMessages = 0x69
};

// The ELF hash QTranslator indexes messages by (source text followed by the empty comment).
quint32 elfHash(const QByteArray &text)
{
    quint32 h = 0;
    for (const char c : text) {
        h = (h << 4) + static_cast<quint8>(c);
        const quint32 g = h & 0xf0000000;
        if (g != 0)
            h ^= g >> 24;
        h &= ~g;
    }
    return h != 0 ? h : 1;
}

void writeBlock(QDataStream &out, quint8 tag, const QByteArray &block)
{
    out << tag << quint32(block.size());
    out.writeRawData(block.constData(), int(block.size()));
}

} // namespace

QByteArray buildQmCatalogue(const QList<CatalogueMessage> &messages)
{
    QByteArray messageBlock;
    QList<std::pair<quint32, quint32>> hashes; // hash, offset into the message block
    QDataStream messagesOut(&messageBlock, QIODevice::WriteOnly);
    for (const CatalogueMessage &message : messages) {
        hashes.append({elfHash(message.sourceText), quint32(messageBlock.size())});
        QByteArray translation; // UTF-16, big endian like every number in the file
        QDataStream translationOut(&translation, QIODevice::WriteOnly);
        for (const QChar c : message.translation)
            translationOut << quint16(c.unicode());
        messagesOut << quint8(TagTranslation) << translation; // QByteArray goes out length-prefixed
        messagesOut << quint8(TagSourceText) << message.sourceText;
        messagesOut << quint8(TagContext) << message.context;
        messagesOut << quint8(TagEnd);
    }
    std::sort(hashes.begin(), hashes.end());
    QByteArray hashBlock;
    QDataStream hashesOut(&hashBlock, QIODevice::WriteOnly);
    for (const auto &[hash, offset] : hashes)
        hashesOut << hash << offset;

    static const unsigned char magic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                            0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
    QByteArray catalogue(reinterpret_cast<const char *>(magic), sizeof magic);
    QDataStream out(&catalogue, QIODevice::WriteOnly | QIODevice::Append);
    writeBlock(out, BlockHashes, hashBlock);
    writeBlock(out, BlockMessages, messageBlock);
    return catalogue;
}
