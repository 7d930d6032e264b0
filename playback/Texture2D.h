#pragma once

#include <QString>
#include <QtGui/qopengl.h>

// One GL texture holding one picture plane. Created, updated and destroyed
// with the owning view's context current.
class Texture2D
{
public:
    Texture2D(int width, int height, GLint internalFormat, GLenum format, const void *data,
              const QString &name);
    ~Texture2D();
    Texture2D(const Texture2D &) = delete;
    Texture2D &operator=(const Texture2D &) = delete;

    // Uploads width x height texels whose rows are rowLength texels apart.
    void update(int width, int height, int rowLength, const void *data);

    GLuint id() const { return m_id; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    QString name() const { return m_name; }

private:
    int m_width;
    int m_height;
    GLint m_internalFormat;
    GLenum m_format;
    QString m_name;
    GLuint m_id = 0;
};
