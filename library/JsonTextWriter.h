#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QVector>

// Streams indented JSON text byte for byte as QJsonDocument::toJson(Indented)
// prints it, without building a QJsonObject tree first: a one-hour track
// has 65 000 values and the tree costs more than the text. Callers write
// object members in sorted key order, as the Qt printer does.
class JsonTextWriter
{
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // Starts an object member; its value follows.
    void key(QLatin1String name);
    void key(const QString &name);
    void value(const QString &text);
    void value(bool flag);
    void value(qint64 number);
    void value(double number);

    // Room for a document of about this many bytes, so a long track is not
    // copied again and again as it grows.
    void reserve(int bytes);

    // The document text, ending in a line feed like Qt's.
    QByteArray take();

private:
    void separate();
    void indent();
    void close(char bracket);
    // Grows the text by count bytes and returns where they go.
    char *room(int count);
    void put(const char *bytes, int count);
    void put(char byte);
    void putInteger(qint64 number);
    void appendText(const QString &text);
    void appendEscaped(const QByteArray &utf8);

    // Written bytes; the text beyond them is room for more.
    QByteArray m_text;
    int m_used = 0;
    // Per open container: whether a member was written yet.
    QVector<bool> m_hasMembers;
    bool m_afterKey = false;
};
