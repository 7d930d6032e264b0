#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// One interleaved vertex, 32 bytes: position x, y, z (bytes 0-11), the OBJ
// normal (bytes 12-23, fed to the shader attribute "color"), texture
// coordinate u, v (bytes 24-31).
struct ObjVertex
{
    float position[3];
    float normal[3];
    float texcoord[2];
};
static_assert(sizeof(ObjVertex) == 32, "the vertex buffer layout is 32 bytes per vertex");

struct ObjMesh
{
    std::vector<std::int32_t> indices; // three per triangle
    std::vector<ObjVertex> vertices;
    int triangleCount = 0;
};

// A minimal Wavefront OBJ reader for triangle meshes whose face corners are
// position/texcoord/normal triples. With shareVertices, equal corners reuse
// one vertex. Answers null when the file cannot be read, is empty, or a face
// refers to data the file does not have.
std::unique_ptr<ObjMesh> loadObjMesh(const QString &path, bool shareVertices);
