#include "GPUProgram.h"

#include "GLSupport.h"
#include "Texture2D.h"

#include <QDebug>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>

GPUProgram::GPUProgram(QObject *parent, int vertexType, const QString &vertexPath, int fragmentType,
                       const QString &fragmentPath)
    : m_program(CreateGPUProgram(parent, vertexType, vertexPath, fragmentType, fragmentPath))
{
    if (!m_program)
        return;
    m_posLocation = m_program->attributeLocation("pos");
    m_colorLocation = m_program->attributeLocation("color");
    m_texcoordLocation = m_program->attributeLocation("texcoord");
    m_modelMatLocation = m_program->uniformLocation("modelMat");
    m_viewMatLocation = m_program->uniformLocation("viewMat");
    m_projMatLocation = m_program->uniformLocation("projMat");
}

GPUProgram::~GPUProgram()
{
    // The program is also a child of the parent; deleting it here frees its
    // GL program with the context that built it, when a view's context goes.
    delete m_program;
}

void GPUProgram::use(bool on)
{
    if (!m_program)
        return;
    if (on) {
        m_unitsInUse.fill(false);
        m_program->bind();
    } else {
        m_program->release();
    }
}

int GPUProgram::setTexture(const char *name, const Texture2D *texture)
{
    if (!m_program || !texture)
        return -1;
    for (int unit = 0; unit < kTextureUnits; ++unit) {
        if (m_unitsInUse[size_t(unit)])
            continue;
        m_unitsInUse[size_t(unit)] = true;
        QOpenGLContext::currentContext()->functions()->glActiveTexture(GLenum(GL_TEXTURE0 + unit));
        glBindTexture(GL_TEXTURE_2D, texture->id());
        m_program->setUniformValue(m_program->uniformLocation(name), unit);
        return unit;
    }
    qDebug().noquote() << "GPUProgram: no free texture unit for" << name;
    return -1;
}

void GPUProgram::release()
{
    if (m_program)
        m_program->release();
}
