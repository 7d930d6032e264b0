#include "GLSupport.h"

#include <QDebug>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLShaderProgram>

#include <cstdio>

namespace {
QOpenGLExtraFunctions *gl()
{
    return QOpenGLContext::currentContext()->extraFunctions();
}
} // namespace

bool checkGLError()
{
    const GLenum error = gl()->glGetError();
    if (error == GL_NO_ERROR)
        return true;
    std::printf("glGetError:%d\n", int(error));
    std::fflush(stdout);
    return false;
}

GLuint createBuffer(GLenum target, GLenum usage, GLsizeiptr size, const void *data)
{
    GLuint buffer = 0;
    gl()->glGenBuffers(1, &buffer);
    gl()->glBindBuffer(target, buffer);
    gl()->glBufferData(target, size, data, usage);
    gl()->glBindBuffer(target, 0);
    return buffer;
}

GLuint createTexture(GLenum target, int width, int height, GLint internalFormat, GLenum format,
                     const void *data)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(target, texture);
    glTexParameteri(target, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(target, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(target, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(target, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // Rows of single-byte planes are not 4-byte aligned in general.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(target, 0, internalFormat, width, height, 0, format, GL_UNSIGNED_BYTE, data);
    gl()->glGenerateMipmap(target);
    glBindTexture(target, 0);
    return texture;
}

QOpenGLShaderProgram *CreateGPUProgram(QObject *parent, int vertexType, const QString &vertexPath,
                                       int fragmentType, const QString &fragmentPath)
{
    auto *program = new QOpenGLShaderProgram(parent);
    const bool built
        = program->addShaderFromSourceFile(QOpenGLShader::ShaderType(vertexType), vertexPath)
        && program->addShaderFromSourceFile(QOpenGLShader::ShaderType(fragmentType), fragmentPath)
        && program->link();
    if (built)
        return program;
    qDebug().noquote() << "CreateGPUProgram Failed:" << program->log();
    delete program;
    return nullptr;
}

void genVertexArray(GLuint *id)
{
    gl()->glGenVertexArrays(1, id);
}

void bindVertexArray(GLuint id)
{
    gl()->glBindVertexArray(id);
}
