#include "analysis/pdf_page_object_scan.h"

#include <QFile>
#include <QFileInfo>

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

// PDF's own limit on object numbers; one bit per number keeps redefinitions cheap (1 MB at most).
constexpr qint64 kMaxObjectNumber = 8388607;
// All object streams of a file together, inflated; a real document's are far smaller.
constexpr qint64 kMaxInflatedBytes = 256LL * 1024 * 1024;
constexpr qint64 kMaxObjectStreamEntries = 1 << 20;
constexpr size_t kMaxKids = 1 << 22;   // page-tree references kept, all nodes together
constexpr size_t kMaxTokenLength = 64; // longer names and numbers are none we look for
constexpr int kMaxDepth = 1 << 20;
constexpr qsizetype kPieceSize = 1 << 20;

bool isWhite(char c)
{
    return c == '\0' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

bool isDelimiter(char c)
{
    return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' || c == '}' ||
           c == '/' || c == '%';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A name's bytes with its #xx escapes decoded ("/Pa#67e" is "/Page").
std::string decodedName(const std::string &raw)
{
    std::string name;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '#' && i + 2 < raw.size() && hexValue(raw[i + 1]) >= 0 && hexValue(raw[i + 2]) >= 0) {
            name += char(hexValue(raw[i + 1]) * 16 + hexValue(raw[i + 2]));
            i += 2;
        } else {
            name += raw[i];
        }
    }
    return name;
}

bool parseInteger(const std::string &token, qint64 &value)
{
    if (token.empty() || token.size() > 18)
        return false;
    size_t i = token[0] == '+' || token[0] == '-' ? 1 : 0;
    if (i == token.size())
        return false;
    qint64 result = 0;
    for (; i < token.size(); ++i) {
        if (token[i] < '0' || token[i] > '9')
            return false;
        result = result * 10 + (token[i] - '0');
    }
    value = token[0] == '-' ? -result : result;
    return true;
}

// Finds a keyword in stream data, which arrives a byte at a time and may hold anything.
class KeywordMatcher
{
public:
    explicit KeywordMatcher(const char *word) : m_word(word), m_length(int(std::strlen(word))) {}

    bool step(char c)
    {
        for (;;) {
            if (m_word[m_matched] == c) {
                if (++m_matched < m_length)
                    return false;
                m_matched = 0;
                return true;
            }
            if (m_matched == 0)
                return false;
            m_matched = fallback(m_matched);
        }
    }
    void reset() { m_matched = 0; }

private:
    // The longest proper suffix of what matched that starts the word again.
    int fallback(int matched) const
    {
        for (int k = matched - 1; k > 0; --k)
            if (std::memcmp(m_word + matched - k, m_word, size_t(k)) == 0)
                return k;
        return 0;
    }

    const char *m_word;
    int m_length;
    int m_matched = 0;
};

// What the scan keeps of one object's dictionary.
struct ObjectFacts
{
    bool page = false;
    bool catalog = false;
    bool objectStream = false;
    bool flate = false; // its one filter is FlateDecode
    int filters = 0;
    qint64 first = -1;        // object stream: /First
    qint64 pagesTree = -1;    // catalogue: the object number of /Pages
    bool treeNode = false;    // has /Kids
    std::vector<qint64> kids; // the object numbers /Kids refers to
};

// Each object number's latest definition: a page or not, and the page tree's nodes.
struct PageObjects
{
    std::vector<bool> isPage;
    qint64 numbered = 0;
    qint64 unnumbered = 0; // pages in object streams whose numbers could not be read
    std::unordered_map<qint64, std::vector<qint64>> kidsOf;
    size_t kidsKept = 0;
    qint64 root = -1; // the latest catalogue's page tree

    void define(qint64 number, ObjectFacts &object)
    {
        if (number < 0 || number > kMaxObjectNumber) {
            unnumbered += object.page ? 1 : 0;
            return;
        }
        if (object.catalog && object.pagesTree >= 0)
            root = object.pagesTree;
        if (const auto node = kidsOf.find(number); node != kidsOf.end()) {
            kidsKept -= node->second.size();
            kidsOf.erase(node);
        }
        if (object.treeNode && kidsKept + object.kids.size() <= kMaxKids) {
            kidsKept += object.kids.size();
            kidsOf[number] = std::move(object.kids);
        }
        if (size_t(number) >= isPage.size()) {
            if (!object.page)
                return;
            isPage.resize(std::max(size_t(number) + 1, isPage.size() * 2));
        }
        if (isPage[size_t(number)] != object.page) {
            isPage[size_t(number)] = object.page;
            numbered += object.page ? 1 : -1;
        }
    }

    bool pageAt(qint64 number) const
    {
        return number >= 0 && size_t(number) < isPage.size() && isPage[size_t(number)];
    }

    // Page objects the catalogue's page tree reaches, each once; 0 without a tree.
    qint64 pagesInTree() const
    {
        std::vector<qint64> nodes{root};
        std::unordered_set<qint64> seen{root};
        qint64 pages = 0;
        while (!nodes.empty()) {
            const auto node = kidsOf.find(nodes.back());
            nodes.pop_back();
            if (node == kidsOf.end())
                continue;
            for (const qint64 kid : node->second) {
                if (!seen.insert(kid).second)
                    continue;
                if (pageAt(kid))
                    ++pages;
                else
                    nodes.push_back(kid);
            }
        }
        return pages;
    }

    // Pages left behind by an edit, outside the tree, do not count when the tree is there.
    qint64 count() const
    {
        const qint64 inTree = root >= 0 ? pagesInTree() : 0;
        return inTree > 0 ? inTree : numbered + unnumbered;
    }
};

} // namespace

// Tokens of PDF syntax, enough to see objects, dictionaries and their /Type, /Filter and /First
// entries. The file's top level knows objects by "N G obj" ... "endobj"; the contents of an object
// stream (the nested lexer) know them by the offsets in the stream's header.
class PdfPageObjectScanner::Lexer
{
public:
    Lexer(PageObjects &pages, qint64 &inflateBudget, bool objectStream, qint64 first)
        : m_pages(pages), m_inflateBudget(inflateBudget), m_objectStream(objectStream), m_first(first)
    {}
    ~Lexer() { stopInflating(); }

    void feed(const char *data, qsizetype size)
    {
        qsizetype i = 0;
        while (i < size) {
            if (m_state == State::StreamData) {
                const qsizetype next = streamData(data, size, i);
                m_position += next - i;
                i = next;
                continue;
            }
            step(data[i]);
            ++m_position;
            ++i;
        }
    }

    void finish()
    {
        if (m_state == State::Name || m_state == State::Regular)
            step(' ');
        stopInflating();
        if (m_objectStream) {
            if (m_depth > 0)
                defineObjectStreamEntry();
        } else {
            finishObject();
        }
    }

private:
    enum class State
    {
        Normal,
        Comment,
        Name,
        Regular,
        LiteralString,
        HexString,
        AfterLess,
        AfterGreater,
        StreamEol,
        StreamData
    };
    enum class Token
    {
        Name,
        Regular,
        DictOpen,
        DictClose,
        ArrayOpen,
        ArrayClose,
        Other
    };
    enum class Key
    {
        None,
        Type,
        Filter,
        FilterArray,
        First,
        Kids,
        KidsArray,
        Pages
    };

    void step(char c)
    {
        switch (m_state) {
        case State::Comment:
            if (c == '\r' || c == '\n')
                m_state = State::Normal;
            return;
        case State::Name:
        case State::Regular:
            if (!isWhite(c) && !isDelimiter(c)) {
                if (m_token.size() < kMaxTokenLength + 1)
                    m_token += c;
                return;
            }
            endWord(c);
            if (m_state != State::Normal)
                return; // "stream" and its end of line
            break;
        case State::LiteralString:
            if (m_escaped)
                m_escaped = false;
            else if (c == '\\')
                m_escaped = true;
            else if (c == '(')
                m_stringDepth = std::min(m_stringDepth + 1, kMaxDepth);
            else if (c == ')' && --m_stringDepth == 0) {
                m_state = State::Normal;
                token(Token::Other);
            }
            return;
        case State::HexString:
            if (c == '>') {
                m_state = State::Normal;
                token(Token::Other);
            }
            return;
        case State::AfterLess:
            m_state = State::Normal;
            if (c == '<') {
                token(Token::DictOpen);
                return;
            }
            m_state = State::HexString;
            step(c);
            return;
        case State::AfterGreater:
            m_state = State::Normal;
            if (c == '>') {
                token(Token::DictClose);
                return;
            }
            break; // a stray '>'
        case State::StreamEol:
            m_state = State::StreamData;
            if (c == '\n')
                return;
            break;
        case State::StreamData:
        case State::Normal:
            break;
        }
        if (m_state == State::StreamData) {
            const char one[] = {c};
            streamData(one, 1, 0);
            return;
        }
        normal(c);
    }

    void normal(char c)
    {
        m_tokenStart = m_position;
        switch (c) {
        case '%':
            m_state = State::Comment;
            return;
        case '/':
            m_state = State::Name;
            m_token.clear();
            return;
        case '(':
            m_state = State::LiteralString;
            m_stringDepth = 1;
            m_escaped = false;
            return;
        case '<':
            m_state = State::AfterLess;
            return;
        case '>':
            m_state = State::AfterGreater;
            return;
        case '[':
            token(Token::ArrayOpen);
            return;
        case ']':
            token(Token::ArrayClose);
            return;
        case ')':
        case '{':
        case '}':
            token(Token::Other);
            return;
        default:
            if (isWhite(c))
                return;
            m_state = State::Regular;
            m_token.assign(1, c);
        }
    }

    // A name or a number or keyword ended by `c`, which is not part of it.
    void endWord(char c)
    {
        const bool name = m_state == State::Name;
        m_state = State::Normal;
        if (m_token.size() > kMaxTokenLength)
            m_token.clear();
        if (name) {
            m_token = decodedName(m_token);
            token(Token::Name);
            return;
        }
        if (m_token == "stream" && !m_objectStream && isWhite(c)) {
            startStream();
            m_state = c == '\r' ? State::StreamEol : State::StreamData;
            return;
        }
        token(Token::Regular);
    }

    void token(Token kind)
    {
        qint64 number = 0;
        const bool integer = kind == Token::Regular && parseInteger(m_token, number);
        // "N G R" refers to object N.
        const qint64 reference =
            kind == Token::Regular && m_integersInRow >= 2 && m_token == "R" ? m_olderInteger : -1;
        if (!m_objectStream && kind == Token::Regular && !integer) {
            if (m_token == "obj" && m_integersInRow >= 2 && m_olderInteger >= 0)
                startObject(m_olderInteger);
            else if (m_token == "endobj")
                finishObject();
        }
        if (m_objectStream && integer && m_depth == 0 && (m_first < 0 || m_tokenStart < m_first) &&
            qint64(m_header.size()) < 2 * kMaxObjectStreamEntries)
            m_header.push_back(number);
        if (integer) {
            m_olderInteger = m_lastInteger;
            m_lastInteger = number;
            m_integersInRow = std::min(m_integersInRow + 1, 2);
        } else {
            m_integersInRow = 0;
        }
        dictionaryEntry(kind, integer, number, reference);
        if (kind == Token::DictOpen) {
            if (m_depth == 0 && m_objectStream)
                startObjectStreamEntry();
            m_depth = std::min(m_depth + 1, kMaxDepth);
        } else if (kind == Token::DictClose && m_depth > 0) {
            if (--m_depth == 0 && m_objectStream)
                defineObjectStreamEntry();
        }
    }

    // What an entry of the object's own dictionary (depth 1) says.
    void dictionaryEntry(Token kind, bool integer, qint64 number, qint64 reference)
    {
        if (m_depth != 1 || (!m_objectStream && !m_inObject)) {
            m_key = Key::None;
            return;
        }
        const Key key = m_key;
        m_key = Key::None;
        if (key == Key::Type && kind == Token::Name) {
            m_object.page = m_object.page || m_token == "Page";
            m_object.catalog = m_object.catalog || m_token == "Catalog";
            m_object.objectStream = m_object.objectStream || m_token == "ObjStm";
        } else if ((key == Key::Filter && kind == Token::ArrayOpen) ||
                   (key == Key::Kids && kind == Token::ArrayOpen)) {
            m_key = key == Key::Filter ? Key::FilterArray : Key::KidsArray;
            m_object.treeNode = m_object.treeNode || key == Key::Kids;
        } else if ((key == Key::Filter || key == Key::FilterArray) && kind == Token::Name) {
            // A second filter spoils it.
            m_object.flate = ++m_object.filters == 1 && m_token == "FlateDecode";
            m_key = key == Key::FilterArray ? key : Key::None;
        } else if (key == Key::First && integer) {
            m_object.first = number;
        } else if ((key == Key::KidsArray || key == Key::Pages) && (integer || reference >= 0)) {
            m_key = key; // until the reference is complete, or the array ends
            if (reference >= 0 && key == Key::Pages) {
                m_object.pagesTree = reference;
                m_key = Key::None;
            } else if (reference >= 0 && m_object.kids.size() < kMaxKids) {
                m_object.kids.push_back(reference);
            }
        } else if (kind == Token::Name && key == Key::None) {
            static const std::unordered_map<std::string, Key> keys = {{"Type", Key::Type},
                                                                      {"Filter", Key::Filter},
                                                                      {"First", Key::First},
                                                                      {"Kids", Key::Kids},
                                                                      {"Pages", Key::Pages}};
            const auto found = keys.find(m_token);
            m_key = found == keys.end() ? Key::None : found->second;
        }
    }

    void startObject(qint64 number)
    {
        finishObject();
        m_inObject = true;
        m_objectNumber = number;
        m_depth = 0;
        m_key = Key::None;
    }

    void finishObject()
    {
        stopInflating();
        if (m_inObject)
            m_pages.define(m_objectNumber, m_object);
        m_inObject = false;
        resetObjectFacts();
    }

    void resetObjectFacts() { m_object = ObjectFacts(); }

    void startObjectStreamEntry()
    {
        resetObjectFacts();
        m_entryStart = m_tokenStart;
    }

    // The entry whose offset in the header is the nearest at or before the dictionary.
    void defineObjectStreamEntry()
    {
        if (!m_headerSorted) {
            for (size_t i = 0; i + 1 < m_header.size(); i += 2)
                m_entries.emplace_back(m_header[i + 1], m_header[i]);
            std::sort(m_entries.begin(), m_entries.end());
            m_headerSorted = true;
        }
        const qint64 offset = m_first < 0 ? -1 : m_entryStart - m_first;
        auto after = std::upper_bound(m_entries.begin(), m_entries.end(), std::make_pair(offset, LLONG_MAX));
        m_pages.define(offset < 0 || after == m_entries.begin() ? -1 : std::prev(after)->second, m_object);
        resetObjectFacts();
    }

    void startStream()
    {
        m_depth = 0;
        m_endstream.reset();
        m_endobj.reset();
        if (!m_inObject || !m_object.objectStream || !m_object.flate || m_inflateBudget <= 0)
            return;
        m_zstream = z_stream{};
        if (inflateInit(&m_zstream) != Z_OK)
            return;
        m_inflating = true;
        m_inner = std::make_unique<Lexer>(m_pages, m_inflateBudget, true, m_object.first);
    }

    // Stream bytes up to and including "endstream" (or "endobj", when the stream lost its end).
    qsizetype streamData(const char *data, qsizetype size, qsizetype from)
    {
        qsizetype i = from;
        bool ended = false, objectEnded = false;
        while (i < size && !ended) {
            const char c = data[i++];
            ended = m_endstream.step(c);
            if (m_endobj.step(c))
                ended = objectEnded = true;
        }
        inflateBlock(data + from, i - from);
        if (ended) {
            m_state = State::Normal;
            stopInflating();
            if (objectEnded)
                finishObject();
        }
        return i;
    }

    void inflateBlock(const char *data, qsizetype size)
    {
        if (!m_inflating || size <= 0)
            return;
        unsigned char out[16384];
        m_zstream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
        m_zstream.avail_in = uInt(size);
        for (;;) {
            m_zstream.next_out = out;
            m_zstream.avail_out = sizeof out;
            const int rc = inflate(&m_zstream, Z_NO_FLUSH);
            const qsizetype produced = qsizetype(sizeof out - m_zstream.avail_out);
            if (produced > 0) {
                m_inner->feed(reinterpret_cast<const char *>(out), produced);
                m_inflateBudget -= produced;
            }
            if (rc != Z_OK || m_inflateBudget <= 0) {
                if (rc != Z_BUF_ERROR || m_inflateBudget <= 0)
                    stopInflating();
                return;
            }
            if (m_zstream.avail_in == 0 && m_zstream.avail_out != 0)
                return;
        }
    }

    void stopInflating()
    {
        if (!m_inflating)
            return;
        inflateEnd(&m_zstream);
        m_inflating = false;
        m_inner->finish();
        m_inner.reset();
    }

    PageObjects &m_pages;
    qint64 &m_inflateBudget;
    const bool m_objectStream;
    const qint64 m_first; // object streams: where the first object starts (-1: unknown)

    State m_state = State::Normal;
    std::string m_token;
    qint64 m_position = 0;
    qint64 m_tokenStart = 0;
    int m_stringDepth = 0;
    bool m_escaped = false;
    int m_depth = 0;
    Key m_key = Key::None;

    qint64 m_lastInteger = 0;
    qint64 m_olderInteger = 0;
    int m_integersInRow = 0;

    bool m_inObject = false;
    qint64 m_objectNumber = 0;
    ObjectFacts m_object;

    KeywordMatcher m_endstream{"endstream"};
    KeywordMatcher m_endobj{"endobj"};
    z_stream m_zstream{};
    bool m_inflating = false;
    std::unique_ptr<Lexer> m_inner;

    std::vector<qint64> m_header;                     // object number, offset, object number, offset, ...
    std::vector<std::pair<qint64, qint64>> m_entries; // offset, object number
    bool m_headerSorted = false;
    qint64 m_entryStart = 0;
};

struct PdfPageObjectScanner::Scan
{
    PageObjects pages;
    qint64 inflateBudget = kMaxInflatedBytes;
    Lexer lexer{pages, inflateBudget, false, -1};
};

PdfPageObjectScanner::PdfPageObjectScanner() : m_scan(std::make_unique<Scan>())
{}

PdfPageObjectScanner::~PdfPageObjectScanner() = default;

void PdfPageObjectScanner::feed(const char *data, qsizetype size)
{
    // Pieces small enough for zlib's counters.
    for (qsizetype done = 0; done < size; done += kPieceSize)
        m_scan->lexer.feed(data + done, std::min(kPieceSize, size - done));
}

int PdfPageObjectScanner::finish()
{
    m_scan->lexer.finish();
    return int(std::min<qint64>(m_scan->pages.count(), INT_MAX));
}

int scanPdfPageObjects(const QByteArray &bytes)
{
    PdfPageObjectScanner scanner;
    scanner.feed(bytes.constData(), bytes.size());
    return scanner.finish();
}

int estimatePdfPageCount(const QString &path)
{
    // A FIFO or device would block or never end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return 0;
    PdfPageObjectScanner scanner;
    QByteArray piece(kPieceSize, Qt::Uninitialized);
    for (;;) {
        const qint64 read = file.read(piece.data(), piece.size());
        if (read <= 0)
            break;
        scanner.feed(piece.constData(), read);
    }
    return scanner.finish();
}
