#include "JsonTextWriter.h"

#include <QLocale>

#include <cmath>

void JsonTextWriter::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_hasMembers.isEmpty())
        return;
    if (m_hasMembers.last())
        m_text += ",\n";
    m_hasMembers.last() = true;
    indent();
}

void JsonTextWriter::indent()
{
    m_text.append(4 * m_hasMembers.size(), ' ');
}

void JsonTextWriter::beginObject()
{
    separate();
    m_text += "{\n";
    m_hasMembers.append(false);
}

void JsonTextWriter::beginArray()
{
    separate();
    m_text += "[\n";
    m_hasMembers.append(false);
}

void JsonTextWriter::close(char bracket)
{
    if (m_hasMembers.takeLast())
        m_text += '\n';
    indent();
    m_text += bracket;
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
    m_text += '"';
    m_text.append(name.data(), name.size());
    m_text += "\": ";
    m_afterKey = true;
}

void JsonTextWriter::key(const QString &name)
{
    separate();
    m_text += '"';
    appendText(name);
    m_text += "\": ";
    m_afterKey = true;
}

void JsonTextWriter::value(const QString &text)
{
    separate();
    m_text += '"';
    appendText(text);
    m_text += '"';
}

void JsonTextWriter::value(bool flag)
{
    separate();
    m_text += flag ? "true" : "false";
}

void JsonTextWriter::value(qint64 number)
{
    separate();
    m_text += QByteArray::number(number);
}

void JsonTextWriter::value(double number)
{
    separate();
    if (!std::isfinite(number)) {
        m_text += "null";
        return;
    }
    // Qt keeps integral doubles within 2^53 as integers, so -0.0 prints as 0.
    constexpr double exactIntegers = 9007199254740992.0;
    if (std::trunc(number) == number && std::fabs(number) < exactIntegers) {
        m_text += QByteArray::number(static_cast<qint64>(number));
        return;
    }
    m_text += QByteArray::number(number, 'g', QLocale::FloatingPointShortest);
}

void JsonTextWriter::reserve(int bytes)
{
    m_text.reserve(bytes);
}

QByteArray JsonTextWriter::take()
{
    m_text += '\n';
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
    const int at = m_text.size();
    m_text.resize(at + text.size());
    char *out = m_text.data() + at;
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
        m_text.append(run, int(p - run));
        run = p + 1;
        switch (byte) {
        case '"':
            m_text += "\\\"";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        case '\b':
            m_text += "\\b";
            break;
        case '\f':
            m_text += "\\f";
            break;
        case '\n':
            m_text += "\\n";
            break;
        case '\r':
            m_text += "\\r";
            break;
        case '\t':
            m_text += "\\t";
            break;
        default:
            m_text += "\\u00";
            m_text += hex[byte >> 4];
            m_text += hex[byte & 0xf];
        }
    }
    m_text.append(run, int(end - run));
}
