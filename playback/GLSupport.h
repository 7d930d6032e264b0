#pragma once

#include <QtGui/qopengl.h>

class QObject;
class QOpenGLShaderProgram;
class QString;

// Small helpers over the current OpenGL context. Every function needs the
// context of the calling view to be current (GUI thread).

// Returns true when glGetError reports no error; otherwise prints the code to
// standard output and returns false, and the calling initialisation fails.
bool checkGLError();

GLuint createBuffer(GLenum target, GLenum usage, GLsizeiptr size, const void *data);

// A 2D texture with repeat wrapping and linear filtering; data may be null.
GLuint createTexture(GLenum target, int width, int height, GLint internalFormat, GLenum format,
                     const void *data);

// A linked program (child of parent), or null after logging the build log.
QOpenGLShaderProgram *CreateGPUProgram(QObject *parent, int vertexType, const QString &vertexPath,
                                       int fragmentType, const QString &fragmentPath);

void genVertexArray(GLuint *id);
void bindVertexArray(GLuint id);
