#include "Model.h"

#include "GLSupport.h"
#include "GPUProgram.h"

#include <QDebug>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLShaderProgram>

#include <cstddef>

namespace {
QOpenGLExtraFunctions *gl()
{
    return QOpenGLContext::currentContext()->extraFunctions();
}

void enableAttribute(int location, int components, std::size_t offset)
{
    if (location < 0)
        return;
    gl()->glEnableVertexAttribArray(GLuint(location));
    gl()->glVertexAttribPointer(GLuint(location), components, GL_FLOAT, GL_FALSE, sizeof(ObjVertex),
                                reinterpret_cast<const void *>(offset));
}
} // namespace

Model::Model(const QString &path)
{
    genVertexArray(&m_vertexArray);
    bindVertexArray(m_vertexArray);
    m_mesh = loadObjMesh(path, true);
    if (m_mesh) {
        m_vertexBuffer = createBuffer(GL_ARRAY_BUFFER, GL_STATIC_DRAW,
                                      GLsizeiptr(m_mesh->vertices.size() * sizeof(ObjVertex)),
                                      m_mesh->vertices.data());
        m_indexBuffer = createBuffer(GL_ELEMENT_ARRAY_BUFFER, GL_STATIC_DRAW,
                                     GLsizeiptr(m_mesh->indices.size() * sizeof(std::int32_t)),
                                     m_mesh->indices.data());
    } else {
        qDebug().noquote() << "Model: no mesh in" << path;
    }
    bindVertexArray(0);
}

Model::~Model()
{
    if (!QOpenGLContext::currentContext())
        return;
    gl()->glDeleteBuffers(1, &m_vertexBuffer);
    gl()->glDeleteBuffers(1, &m_indexBuffer);
    gl()->glDeleteVertexArrays(1, &m_vertexArray);
}

void Model::bind(GPUProgram *program)
{
    m_program = program;
    if (m_program)
        m_program->use(true);
}

void Model::setTexture(const char *name, const Texture2D *texture)
{
    if (m_program)
        m_program->setTexture(name, texture);
}

void Model::draw(const QMatrix4x4 &viewMat, const QMatrix4x4 &projMat)
{
    if (!m_mesh || !m_program || !m_program->isValid())
        return;
    bindVertexArray(m_vertexArray);
    gl()->glBindBuffer(GL_ARRAY_BUFFER, m_vertexBuffer);
    enableAttribute(m_program->posLocation(), 3, offsetof(ObjVertex, position));
    enableAttribute(m_program->colorLocation(), 3, offsetof(ObjVertex, normal));
    enableAttribute(m_program->texcoordLocation(), 2, offsetof(ObjVertex, texcoord));
    gl()->glBindBuffer(GL_ARRAY_BUFFER, 0);

    QMatrix4x4 modelMat;
    modelMat.translate(position);
    modelMat.rotate(angle, axis);
    modelMat.scale(scale);
    QOpenGLShaderProgram *program = m_program->program();
    program->setUniformValue(m_program->modelMatLocation(), modelMat);
    program->setUniformValue(m_program->viewMatLocation(), viewMat);
    program->setUniformValue(m_program->projMatLocation(), projMat);

    gl()->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m_indexBuffer);
    glDrawElements(GL_TRIANGLES, GLsizei(m_mesh->indices.size()), GL_UNSIGNED_INT, nullptr);
    bindVertexArray(0);
    m_program->use(false);
}
