#pragma once

#include "ObjMesh.h"

#include <QMatrix4x4>
#include <QString>
#include <QVector3D>
#include <QtGui/qopengl.h>

#include <memory>

class GPUProgram;
class Texture2D;

// A mesh uploaded into GL buffers and drawn with a GPUProgram. Created and
// destroyed with the owning view's context current.
class Model
{
public:
    explicit Model(const QString &path);
    ~Model();
    Model(const Model &) = delete;
    Model &operator=(const Model &) = delete;

    bool isValid() const { return m_mesh != nullptr; }
    // Remembers program (not owned) and puts it in use.
    void bind(GPUProgram *program);
    void setTexture(const char *name, const Texture2D *texture);
    // Draws with the bound program and releases it.
    void draw(const QMatrix4x4 &viewMat, const QMatrix4x4 &projMat);

    QVector3D position;
    float angle = 0.0f;
    QVector3D axis;
    QVector3D scale {1.0f, 1.0f, 1.0f};

private:
    std::unique_ptr<ObjMesh> m_mesh;
    GLuint m_vertexBuffer = 0;
    GLuint m_vertexArray = 0;
    GLuint m_indexBuffer = 0;
    GPUProgram *m_program = nullptr;
};
