#pragma once

#include <QString>
#include <QtGui/qopengl.h>

#include <array>

class QObject;
class QOpenGLShaderProgram;
class Texture2D;

// A linked shader program with the attribute and uniform locations the video
// shaders use, handing out texture units while it is in use.
class GPUProgram
{
public:
    GPUProgram(QObject *parent, int vertexType, const QString &vertexPath, int fragmentType,
               const QString &fragmentPath);
    ~GPUProgram();
    GPUProgram(const GPUProgram &) = delete;
    GPUProgram &operator=(const GPUProgram &) = delete;

    bool isValid() const { return m_program != nullptr; }
    // on: binds the program and frees every texture unit; off: releases it.
    void use(bool on);
    // Binds texture to the lowest free unit and points sampler name at it.
    // Returns the unit, or -1 when every unit is taken.
    int setTexture(const char *name, const Texture2D *texture);
    void release();

    QOpenGLShaderProgram *program() const { return m_program; }
    int posLocation() const { return m_posLocation; }
    int colorLocation() const { return m_colorLocation; }
    int texcoordLocation() const { return m_texcoordLocation; }
    int modelMatLocation() const { return m_modelMatLocation; }
    int viewMatLocation() const { return m_viewMatLocation; }
    int projMatLocation() const { return m_projMatLocation; }

private:
    static constexpr int kTextureUnits = 32;

    QOpenGLShaderProgram *m_program; // child of the parent given at construction
    int m_posLocation = -1;
    int m_colorLocation = -1;
    int m_texcoordLocation = -1;
    int m_modelMatLocation = -1;
    int m_viewMatLocation = -1;
    int m_projMatLocation = -1;
    std::array<bool, kTextureUnits> m_unitsInUse {};
};
