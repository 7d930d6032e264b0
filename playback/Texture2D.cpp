#include "Texture2D.h"

#include "GLSupport.h"

#include <QDebug>

Texture2D::Texture2D(int width, int height, GLint internalFormat, GLenum format, const void *data,
                     const QString &name)
    : m_width(width)
    , m_height(height)
    , m_internalFormat(internalFormat)
    , m_format(format)
    , m_name(name)
    , m_id(createTexture(GL_TEXTURE_2D, width, height, internalFormat, format, data))
{
}

Texture2D::~Texture2D()
{
    qDebug().noquote() << "Texture2D close::" << m_name;
    if (m_id != 0)
        glDeleteTextures(1, &m_id);
}

void Texture2D::update(int width, int height, int rowLength, const void *data)
{
    glBindTexture(GL_TEXTURE_2D, m_id);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength);
    // With the default alignment of 4, a plane 683 bytes wide would be read
    // as 684-byte rows and come out sheared.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, m_format, GL_UNSIGNED_BYTE, data);
    glBindTexture(GL_TEXTURE_2D, 0);
}
