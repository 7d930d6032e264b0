#include "JsonRecordReader.h"

#include "GPSModel.h"
#include "RecordFields.h"
#include "VideoMessage.h"

#include <QMap>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Deeper unknown values are left to QJsonDocument, which has its own limit.
constexpr int maxSkipDepth = 64;

// Short texts repeat all along a track (keys, times, indicators, sensor
// values): one shared copy each saves most allocations and frees.
class TextPool
{
public:
    static constexpr int maxLength = 8;

    TextPool()
        : m_slots(slotCount)
    {
    }

    // ASCII text of at most maxLength bytes.
    QString get(const char *text, int length)
    {
        quint64 packed = 0;
        for (int i = 0; i < length; ++i)
            packed |= quint64(static_cast<unsigned char>(text[i])) << (8 * i);
        Slot &slot
            = m_slots[((packed + quint64(length)) * 0x9E3779B97F4A7C15ULL) >> (64 - slotBits)];
        if (slot.length != length || slot.packed != packed) {
            slot.packed = packed;
            slot.length = length;
            slot.text = QString::fromLatin1(text, length);
        }
        return slot.text;
    }

private:
    static constexpr int slotBits = 12;
    static constexpr int slotCount = 1 << slotBits;
    struct Slot
    {
        quint64 packed = 0;
        int length = -1;
        QString text;
    };
    std::vector<Slot> m_slots;
};

enum class Kind { Text, Int, Bool, Float, Status, Millis, Ignored, Fixes, Samples };

struct Member
{
    const char *key;
    int length;
    Kind kind;
    int index;
};

std::vector<Member> sortedMembers(std::vector<Member> list)
{
    for (Member &member : list)
        member.length = int(std::strlen(member.key));
    std::sort(list.begin(), list.end(),
              [](const Member &a, const Member &b) { return std::strcmp(a.key, b.key) < 0; });
    return list;
}

template<typename Table> void addFields(std::vector<Member> &list, const Table &table, Kind kind)
{
    for (int i = 0; i < int(std::size(table)); ++i)
        list.push_back({table[i].key, 0, kind, i});
}

const std::vector<Member> &recordMembers()
{
    static const std::vector<Member> members = [] {
        std::vector<Member> list;
        addFields(list, RecordFields::recordTexts, Kind::Text);
        addFields(list, RecordFields::recordInts, Kind::Int);
        addFields(list, RecordFields::recordBools, Kind::Bool);
        list.push_back({"durationM", 0, Kind::Millis, 0});
        list.push_back({"jsonAllPosition", 0, Kind::Ignored, 0});
        list.push_back({"gpsItems", 0, Kind::Fixes, 0});
        list.push_back({"gsensorItems", 0, Kind::Samples, 0});
        return sortedMembers(list);
    }();
    return members;
}

const std::vector<Member> &fixMembers()
{
    static const std::vector<Member> members = [] {
        std::vector<Member> list;
        addFields(list, RecordFields::fixTexts, Kind::Text);
        addFields(list, RecordFields::fixFloats, Kind::Float);
        list.push_back({"status", 0, Kind::Status, 0});
        list.push_back({"jsonPosition", 0, Kind::Ignored, 0});
        return sortedMembers(list);
    }();
    return members;
}

bool sameBytes(const char *a, const char *b, int length)
{
    for (int i = 0; i < length; ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// Finds a member, trying the one after the previous match first: the
// printer writes members in this order.
class MemberLookup
{
public:
    explicit MemberLookup(const std::vector<Member> &members)
        : m_members(members)
    {
    }

    int find(const char *key, int length)
    {
        const int count = int(m_members.size());
        for (int step = 0; step < count; ++step) {
            const int i = (m_next + step) % count;
            const Member &member = m_members[size_t(i)];
            if (member.length == length && sameBytes(member.key, key, length)) {
                m_next = (i + 1) % count;
                return i;
            }
        }
        return -1;
    }

private:
    const std::vector<Member> &m_members;
    int m_next = 0;
};

struct Number
{
    double value = 0;
    bool isInteger = false;
    qint64 integer = 0;
};

struct RecordValues
{
    QString texts[std::size(RecordFields::recordTexts)];
    int ints[std::size(RecordFields::recordInts)] = {};
    bool bools[std::size(RecordFields::recordBools)] = {};
    qint64 durationM = 0;
    QMap<QString, GPSModel> fixes;
    QMap<QString, QStringList> samples;
};

class Parser
{
public:
    Parser(const char *data, qsizetype size)
        : m_p(data)
        , m_end(data + size)
    {
    }

    bool parseRecord(RecordValues &values);
    bool parseFix(GPSModel &fix);
    bool atEnd()
    {
        skipSpace();
        return m_p == m_end;
    }

private:
    void skipSpace();
    bool consume(char c);
    bool peek(char c) const { return m_p < m_end && *m_p == c; }
    // A key or text without escapes, ASCII only: the common case.
    bool plainString(const char *&text, int &length);
    bool key(const char *&text, int &length);
    bool string(QString &out);
    bool decodeString(QString &out);
    bool number(Number &out);
    bool literal(const char *word, int length);
    bool skipValue(int depth = 0);
    bool text(QString &out);
    bool plainInt(int &out);
    bool millis(qint64 &out);
    bool flag(bool &out);
    bool real(double &out, bool &isNumber);
    bool keyText(const char *key, int length, QString &out);
    bool fixes(QMap<QString, GPSModel> &out);
    bool samples(QMap<QString, QStringList> &out);
    // Calls member(key, length) for every member; refuses duplicated keys
    // among the first 64 members of the table (unknown keys are skipped).
    template<typename OnMember> bool object(OnMember member);
    // An object of the members in table: unknown keys are skipped, a known
    // key given twice refuses the document; onMember(member) reads the value.
    template<typename OnMember>
    bool tableObject(const std::vector<Member> &table, OnMember onMember);
    // An object of entries in ascending key order (anything else is
    // skipped); onEntry(key, length) reads each value.
    template<typename OnEntry> bool keyedObject(OnEntry onEntry);

    const char *m_p;
    const char *m_end;
    TextPool m_pool;
    std::u16string m_buffer;
};

void Parser::skipSpace()
{
    while (m_p < m_end) {
        const char c = *m_p;
        if (c == ' ') {
            // Indentation comes in long runs of spaces: eight at a time, then
            // the rest of the run in one step.
            if (m_end - m_p >= 8) {
                const quint64 diff = qFromLittleEndian<quint64>(m_p) ^ 0x2020202020202020ULL;
                m_p += diff == 0 ? 8 : qCountTrailingZeroBits(diff) / 8;
            } else {
                ++m_p;
            }
        } else if (c == '\n' || c == '\r' || c == '\t') {
            ++m_p;
        } else {
            return;
        }
    }
}

bool Parser::consume(char c)
{
    skipSpace();
    if (!peek(c))
        return false;
    ++m_p;
    return true;
}

// Bytes that end the plain scan of a string: the closing quote, escapes,
// control characters and everything outside ASCII.
const std::array<bool, 256> stringStops = [] {
    std::array<bool, 256> stops {};
    for (int c = 0; c < 256; ++c)
        stops[size_t(c)] = c == '"' || c == '\\' || c < 0x20 || c >= 0x80;
    return stops;
}();

bool Parser::plainString(const char *&text, int &length)
{
    if (!peek('"'))
        return false;
    const char *start = m_p + 1;
    const char *p = start;
    while (p < m_end && !stringStops[static_cast<unsigned char>(*p)])
        ++p;
    if (p == m_end || *p != '"')
        return false;
    text = start;
    length = int(p - start);
    m_p = p + 1;
    return true;
}

bool Parser::key(const char *&text, int &length)
{
    skipSpace();
    return plainString(text, length) && consume(':');
}

bool Parser::string(QString &out)
{
    const char *start = m_p;
    const char *text = nullptr;
    int length = 0;
    if (plainString(text, length)) {
        out = length <= TextPool::maxLength ? m_pool.get(text, length)
                                            : QString::fromLatin1(text, length);
        return true;
    }
    m_p = start;
    return peek('"') && decodeString(out);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Escapes and strict UTF-8 (no overlong forms, surrogates or noncharacters,
// whose handling differs between decoders); each \u escape is one UTF-16
// unit, as QJsonDocument keeps them, paired or not.
bool Parser::decodeString(QString &out)
{
    m_buffer.clear();
    const unsigned char *p = reinterpret_cast<const unsigned char *>(m_p) + 1;
    const unsigned char *end = reinterpret_cast<const unsigned char *>(m_end);
    while (p < end) {
        const unsigned char c = *p++;
        if (c == '"') {
            out = QString(reinterpret_cast<const QChar *>(m_buffer.data()), int(m_buffer.size()));
            m_p = reinterpret_cast<const char *>(p);
            return true;
        }
        if (c < 0x20)
            return false;
        if (c == '\\') {
            if (p == end)
                return false;
            const unsigned char escaped = *p++;
            switch (escaped) {
            case '"':
            case '\\':
            case '/':
                m_buffer += char16_t(escaped);
                break;
            case 'b':
                m_buffer += u'\b';
                break;
            case 'f':
                m_buffer += u'\f';
                break;
            case 'n':
                m_buffer += u'\n';
                break;
            case 'r':
                m_buffer += u'\r';
                break;
            case 't':
                m_buffer += u'\t';
                break;
            case 'u': {
                if (end - p < 4)
                    return false;
                int unit = 0;
                for (int i = 0; i < 4; ++i) {
                    const int digit = hexDigit(char(p[i]));
                    if (digit < 0)
                        return false;
                    unit = unit * 16 + digit;
                }
                p += 4;
                m_buffer += char16_t(unit);
                break;
            }
            default:
                return false;
            }
            continue;
        }
        if (c < 0x80) {
            m_buffer += char16_t(c);
            continue;
        }
        char32_t point = 0;
        int extra = 0;
        char32_t minimum = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            point = c & 0x1F;
            extra = 1;
            minimum = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            point = c & 0x0F;
            extra = 2;
            minimum = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            point = c & 0x07;
            extra = 3;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (end - p < extra)
            return false;
        for (int i = 0; i < extra; ++i) {
            if (!isContinuation(p[i]))
                return false;
            point = (point << 6) | (p[i] & 0x3F);
        }
        p += extra;
        if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)
            || (point & 0xFFFE) == 0xFFFE || (point >= 0xFDD0 && point <= 0xFDEF))
            return false;
        if (point >= 0x10000) {
            m_buffer += char16_t(0xD800 + ((point - 0x10000) >> 10));
            m_buffer += char16_t(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            m_buffer += char16_t(point);
        }
    }
    return false;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Strict JSON numbers. Integers of up to 18 digits are exact, as in
// QJsonDocument; other numbers go through a correctly rounded conversion,
// except zeros, subnormals and overflows, where QJsonDocument's own rules
// (signed zero, underflow errors) would have to be copied.
bool Parser::number(Number &out)
{
    const char *start = m_p;
    const char *p = m_p;
    if (p < m_end && *p == '-')
        ++p;
    const char *digits = p;
    if (p < m_end && *p == '0') {
        ++p;
    } else {
        while (p < m_end && isDigit(*p))
            ++p;
    }
    if (p == digits)
        return false;
    const int integerDigits = int(p - digits);
    bool isInteger = true;
    if (p < m_end && *p == '.') {
        isInteger = false;
        const char *fraction = ++p;
        while (p < m_end && isDigit(*p))
            ++p;
        if (p == fraction)
            return false;
    }
    if (p < m_end && (*p == 'e' || *p == 'E')) {
        isInteger = false;
        ++p;
        if (p < m_end && (*p == '+' || *p == '-'))
            ++p;
        const char *exponent = p;
        while (p < m_end && isDigit(*p))
            ++p;
        if (p == exponent)
            return false;
    }
    m_p = p;
    if (isInteger) {
        if (integerDigits > 18)
            return false;
        qint64 value = 0;
        for (const char *d = digits; d < p; ++d)
            value = value * 10 + (*d - '0');
        out.integer = *start == '-' ? -value : value;
        out.value = double(out.integer);
        out.isInteger = true;
        return true;
    }
    double value = 0;
    const auto result = std::from_chars(start, p, value);
    if (result.ec != std::errc() || result.ptr != p || !std::isfinite(value)
        || std::fabs(value) < DBL_MIN)
        return false;
    out.value = value;
    out.isInteger = false;
    return true;
}

bool Parser::literal(const char *word, int length)
{
    if (m_end - m_p < length || std::memcmp(m_p, word, size_t(length)) != 0)
        return false;
    m_p += length;
    return true;
}

template<typename OnMember> bool Parser::object(OnMember member)
{
    if (!consume('{'))
        return false;
    skipSpace();
    if (peek('}')) {
        ++m_p;
        return true;
    }
    while (true) {
        const char *name = nullptr;
        int length = 0;
        if (!key(name, length) || !member(name, length))
            return false;
        skipSpace();
        if (peek('}')) {
            ++m_p;
            return true;
        }
        if (!peek(','))
            return false;
        ++m_p;
    }
}

bool Parser::skipValue(int depth)
{
    skipSpace();
    if (m_p == m_end || depth > maxSkipDepth)
        return false;
    switch (*m_p) {
    case '"': {
        QString ignored;
        return string(ignored);
    }
    case '{':
        return object([&](const char *, int) { return skipValue(depth + 1); });
    case '[': {
        ++m_p;
        skipSpace();
        if (peek(']')) {
            ++m_p;
            return true;
        }
        while (true) {
            if (!skipValue(depth + 1))
                return false;
            skipSpace();
            if (peek(']')) {
                ++m_p;
                return true;
            }
            if (!peek(','))
                return false;
            ++m_p;
        }
    }
    case 't':
        return literal("true", 4);
    case 'f':
        return literal("false", 5);
    case 'n':
        return literal("null", 4);
    default: {
        Number ignored;
        return number(ignored);
    }
    }
}

// Each reader below gives what the matching QJsonValue conversion gives:
// a member of another type reads as empty text, 0 or false.
bool Parser::text(QString &out)
{
    skipSpace();
    if (peek('"'))
        return string(out);
    out = QString();
    return skipValue();
}

// Only plain integers in range; any other number is left to QJsonValue::toInt.
bool Parser::plainInt(int &out)
{
    skipSpace();
    if (m_p < m_end && (*m_p == '-' || isDigit(*m_p))) {
        Number value;
        if (!number(value) || !value.isInteger || value.integer < INT_MIN
            || value.integer > INT_MAX)
            return false;
        out = int(value.integer);
        return true;
    }
    out = 0;
    return skipValue();
}

bool Parser::millis(qint64 &out)
{
    skipSpace();
    if (m_p < m_end && (*m_p == '-' || isDigit(*m_p))) {
        Number value;
        // Up to 15 digits the trip through a double is exact.
        if (!number(value) || !value.isInteger || qAbs(value.integer) > 999999999999999LL)
            return false;
        out = value.integer;
        return true;
    }
    out = 0;
    return skipValue();
}

bool Parser::flag(bool &out)
{
    skipSpace();
    out = false;
    if (literal("true", 4)) {
        out = true;
        return true;
    }
    return literal("false", 5) || skipValue();
}

bool Parser::real(double &out, bool &isNumber)
{
    skipSpace();
    isNumber = m_p < m_end && (*m_p == '-' || isDigit(*m_p));
    if (!isNumber) {
        out = 0;
        return skipValue();
    }
    Number value;
    if (!number(value))
        return false;
    out = value.value;
    return true;
}

bool Parser::keyText(const char *key, int length, QString &out)
{
    out = length <= TextPool::maxLength ? m_pool.get(key, length)
                                        : QString::fromLatin1(key, length);
    return true;
}

// Members under strictly ascending keys only: the printer's order, and no
// duplicate whose resolution would have to be copied.
// Members under strictly ascending keys only: the printer's order, and no
// duplicate whose resolution would have to be copied. Keys point into the
// document, which outlives the parse.
class KeyOrder
{
public:
    bool next(const char *key, int length)
    {
        if (m_previous) {
            const int common = std::min(length, m_length);
            const int order = std::memcmp(m_previous, key, size_t(common));
            if (order > 0 || (order == 0 && length <= m_length))
                return false;
        }
        m_previous = key;
        m_length = length;
        return true;
    }

private:
    const char *m_previous = nullptr;
    int m_length = 0;
};

template<typename OnMember>
bool Parser::tableObject(const std::vector<Member> &table, OnMember onMember)
{
    MemberLookup lookup(table);
    quint64 seen = 0;
    return object([&](const char *name, int length) {
        const int i = lookup.find(name, length);
        if (i < 0)
            return skipValue();
        if (seen & (1ULL << i))
            return false;
        seen |= 1ULL << i;
        return onMember(table[size_t(i)]);
    });
}

template<typename OnEntry> bool Parser::keyedObject(OnEntry onEntry)
{
    skipSpace();
    if (!peek('{'))
        return skipValue();
    KeyOrder order;
    return object([&](const char *name, int length) {
        if (!order.next(name, length))
            return false;
        return onEntry(name, length);
    });
}

bool Parser::parseFix(GPSModel &fix)
{
    return tableObject(fixMembers(), [&](const Member &member) {
        switch (member.kind) {
        case Kind::Text:
            return text(fix.*RecordFields::fixTexts[member.index].member);
        case Kind::Float: {
            double value = 0;
            bool isNumber = false;
            if (!real(value, isNumber))
                return false;
            fix.*RecordFields::fixFloats[member.index].member = RecordFields::storedFloat(value);
            return true;
        }
        case Kind::Status:
            return flag(fix.status);
        default:
            return skipValue();
        }
    });
}

bool Parser::fixes(QMap<QString, GPSModel> &out)
{
    return keyedObject([&](const char *name, int length) {
        skipSpace();
        if (!peek('{'))
            return skipValue();
        QString entryKey;
        keyText(name, length, entryKey);
        // Ascending keys: each entry goes at the end. Filled in place, since
        // a failed parse throws the whole map away.
        const auto entry = out.insert(out.cend(), entryKey, GPSModel());
        return parseFix(entry.value());
    });
}

bool Parser::samples(QMap<QString, QStringList> &out)
{
    return keyedObject([&](const char *name, int length) {
        skipSpace();
        if (!peek('['))
            return skipValue();
        ++m_p;
        QStringList axes;
        axes.reserve(3);
        skipSpace();
        if (peek(']')) {
            ++m_p;
        } else {
            while (true) {
                skipSpace();
                QString axis;
                if (m_p < m_end && (*m_p == '-' || isDigit(*m_p))) {
                    double value = 0;
                    bool isNumber = false;
                    if (!real(value, isNumber))
                        return false;
                    axis = RecordFields::sampleNumberText(value);
                } else if (!text(axis)) {
                    return false;
                }
                axes.append(axis);
                skipSpace();
                if (peek(']')) {
                    ++m_p;
                    break;
                }
                if (!peek(','))
                    return false;
                ++m_p;
            }
        }
        QString entryKey;
        keyText(name, length, entryKey);
        out.insert(out.cend(), entryKey, axes);
        return true;
    });
}

bool Parser::parseRecord(RecordValues &values)
{
    return tableObject(recordMembers(), [&](const Member &member) {
        switch (member.kind) {
        case Kind::Text:
            return text(values.texts[member.index]);
        case Kind::Int:
            return plainInt(values.ints[member.index]);
        case Kind::Bool:
            return flag(values.bools[member.index]);
        case Kind::Millis:
            return millis(values.durationM);
        case Kind::Fixes:
            return fixes(values.fixes);
        case Kind::Samples:
            return samples(values.samples);
        default:
            return skipValue();
        }
    });
}

template<typename T> void merge(QMap<QString, T> &target, QMap<QString, T> &&entries)
{
    if (target.isEmpty()) {
        target = std::move(entries);
        return;
    }
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        target.insert(it.key(), it.value());
}

} // namespace

bool JsonRecordReader::read(const char *data, qsizetype size, VideoMessage &record)
{
    Parser parser(data, size);
    RecordValues values;
    if (!parser.parseRecord(values) || !parser.atEnd())
        return false;
    for (size_t i = 0; i < std::size(RecordFields::recordTexts); ++i)
        record.*RecordFields::recordTexts[i].member = std::move(values.texts[i]);
    for (size_t i = 0; i < std::size(RecordFields::recordInts); ++i)
        record.*RecordFields::recordInts[i].member = values.ints[i];
    for (size_t i = 0; i < std::size(RecordFields::recordBools); ++i)
        record.*RecordFields::recordBools[i].member = values.bools[i];
    record.durationM = values.durationM;
    merge(record.gpsItems, std::move(values.fixes));
    merge(record.gsensorItems, std::move(values.samples));
    return true;
}

bool JsonRecordReader::readFix(const char *data, qsizetype size, GPSModel &fix)
{
    Parser parser(data, size);
    GPSModel parsed;
    if (!parser.parseFix(parsed) || !parser.atEnd())
        return false;
    for (const auto &field : RecordFields::fixTexts)
        fix.*field.member = std::move(parsed.*field.member);
    for (const auto &field : RecordFields::fixFloats)
        fix.*field.member = parsed.*field.member;
    fix.status = parsed.status;
    return true;
}
