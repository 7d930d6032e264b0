#include "JsonTextWriter.h"

#include <QLocale>

#include <cmath>
#include <cstring>

void JsonTextWriter::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_hasMembers.isEmpty())
        return;
    if (m_hasMembers.last())
        put(",\n", 2);
    m_hasMembers.last() = true;
    indent();
}

void JsonTextWriter::indent()
{
    const int count = 4 * m_hasMembers.size();
    std::memset(room(count), ' ', size_t(count));
}

char *JsonTextWriter::room(int count)
{
    if (m_used + count > m_text.size())
        m_text.resize(qMax(2 * m_text.size(), m_used + count + 256));
    char *at = m_text.data() + m_used;
    m_used += count;
    return at;
}

void JsonTextWriter::put(const char *bytes, int count)
{
    std::memcpy(room(count), bytes, size_t(count));
}

void JsonTextWriter::put(char byte)
{
    *room(1) = byte;
}

void JsonTextWriter::beginObject()
{
    separate();
    put("{\n", 2);
    m_hasMembers.append(false);
}

void JsonTextWriter::beginArray()
{
    separate();
    put("[\n", 2);
    m_hasMembers.append(false);
}

void JsonTextWriter::close(char bracket)
{
    if (m_hasMembers.takeLast())
        put('\n');
    indent();
    put(bracket);
}

void JsonTextWriter::endObject()
{
    close('}');
}

void JsonTextWriter::endArray()
{
    close(']');
}

void JsonTextWriter::key(QLatin1String name)
{
    separate();
    put('"');
    put(name.data(), name.size());
    put("\": ", 3);
    m_afterKey = true;
}

void JsonTextWriter::key(const QString &name)
{
    separate();
    put('"');
    appendText(name);
    put("\": ", 3);
    m_afterKey = true;
}

void JsonTextWriter::value(const QString &text)
{
    separate();
    put('"');
    appendText(text);
    put('"');
}

void JsonTextWriter::value(bool flag)
{
    separate();
    if (flag)
        put("true", 4);
    else
        put("false", 5);
}

void JsonTextWriter::value(qint64 number)
{
    separate();
    putInteger(number);
}

void JsonTextWriter::putInteger(qint64 number)
{
    char digits[24];
    int at = int(sizeof digits);
    // Works on the magnitude as unsigned, so the lowest value has one too.
    quint64 magnitude = number < 0 ? 0 - quint64(number) : quint64(number);
    do {
        digits[--at] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (number < 0)
        digits[--at] = '-';
    put(digits + at, int(sizeof digits) - at);
}

void JsonTextWriter::value(double number)
{
    separate();
    if (!std::isfinite(number)) {
        put("null", 4);
        return;
    }
    // Qt keeps integral doubles within 2^53 as integers, so -0.0 prints as 0.
    constexpr double exactIntegers = 9007199254740992.0;
    if (std::trunc(number) == number && std::fabs(number) < exactIntegers) {
        putInteger(static_cast<qint64>(number));
        return;
    }
    const QByteArray text = QByteArray::number(number, 'g', QLocale::FloatingPointShortest);
    put(text.constData(), text.size());
}

void JsonTextWriter::reserve(int bytes)
{
    if (bytes > m_text.size())
        m_text.resize(bytes);
}

QByteArray JsonTextWriter::take()
{
    put('\n');
    m_text.resize(m_used);
    m_used = 0;
    m_hasMembers.clear();
    m_afterKey = false;
    QByteArray text;
    text.swap(m_text);
    return text;
}

void JsonTextWriter::appendText(const QString &text)
{
    // Nearly every text of a record is plain ASCII: copy it without a UTF-8
    // conversion of its own.
    const QChar *const begin = text.constData();
    const QChar *const end = begin + text.size();
    for (const QChar *p = begin; p != end; ++p) {
        const char16_t c = p->unicode();
        if (c < 0x20 || c > 0x7e || c == u'"' || c == u'\\') {
            appendEscaped(text.toUtf8());
            return;
        }
    }
    char *out = room(text.size());
    for (const QChar *p = begin; p != end; ++p)
        *out++ = static_cast<char>(p->unicode());
}

void JsonTextWriter::appendEscaped(const QByteArray &utf8)
{
    static const char hex[] = "0123456789abcdef";
    const char *run = utf8.constData();
    const char *const end = run + utf8.size();
    // Copies the plain stretches whole; UTF-8 lead and trail bytes are all
    // above 0x7f, so only ASCII needs a look.
    for (const char *p = run; p != end; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        if (byte >= 0x20 && byte != '"' && byte != '\\')
            continue;
        put(run, int(p - run));
        run = p + 1;
        switch (byte) {
        case '"':
            put("\\\"", 2);
            break;
        case '\\':
            put("\\\\", 2);
            break;
        case '\b':
            put("\\b", 2);
            break;
        case '\f':
            put("\\f", 2);
            break;
        case '\n':
            put("\\n", 2);
            break;
        case '\r':
            put("\\r", 2);
            break;
        case '\t':
            put("\\t", 2);
            break;
        default:
            put("\\u00", 4);
            put(hex[byte >> 4]);
            put(hex[byte & 0xf]);
        }
    }
    put(run, int(end - run));
}
