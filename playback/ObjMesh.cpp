#include "ObjMesh.h"

#include <QDebug>
#include <QFile>
#include <QList>

#include <array>

namespace {

using Triple = std::array<int, 3>; // position, texcoord, normal; 0-based

std::array<float, 3> readFloats(const QList<QByteArray> &tokens)
{
    std::array<float, 3> values {};
    for (int i = 0; i < 3 && i + 1 < tokens.size(); ++i)
        values[size_t(i)] = tokens.at(i + 1).toFloat();
    return values;
}

// "p/t/n" with 1-based indices; a missing part reads as 0, that is -1 here.
Triple readCorner(const QByteArray &token)
{
    const QList<QByteArray> parts = token.split('/');
    Triple corner {-1, -1, -1};
    for (int i = 0; i < 3 && i < parts.size(); ++i)
        corner[size_t(i)] = parts.at(i).toInt() - 1;
    return corner;
}

} // namespace

std::unique_ptr<ObjMesh> loadObjMesh(const QString &path, bool shareVertices)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "loadObjMesh: cannot open" << path << file.errorString();
        return nullptr;
    }
    const QByteArray content = file.readAll();
    file.close();
    if (content.isEmpty()) {
        qDebug().noquote() << "loadObjMesh: empty file" << path;
        return nullptr;
    }

    std::vector<std::array<float, 3>> positions;
    std::vector<std::array<float, 3>> texcoords;
    std::vector<std::array<float, 3>> normals;
    std::vector<Triple> corners;
    auto mesh = std::make_unique<ObjMesh>();

    for (const QByteArray &rawLine : content.split('\n')) {
        const QByteArray line = rawLine.simplified();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> tokens = line.split(' ');
        if (line.at(0) == 'v') {
            const char kind = line.size() > 1 ? line.at(1) : ' ';
            if (kind == 't')
                texcoords.push_back(readFloats(tokens));
            else if (kind == 'n')
                normals.push_back(readFloats(tokens));
            else
                positions.push_back(readFloats(tokens));
        } else if (line.at(0) == 'f') {
            if (tokens.size() < 4) {
                qDebug().noquote() << "loadObjMesh: face with fewer than three corners" << path;
                return nullptr;
            }
            for (int i = 1; i <= 3; ++i) {
                const Triple corner = readCorner(tokens.at(i));
                size_t index = corners.size();
                if (shareVertices) {
                    for (size_t known = 0; known < corners.size(); ++known) {
                        if (corners[known] == corner) {
                            index = known;
                            break;
                        }
                    }
                }
                if (index == corners.size())
                    corners.push_back(corner);
                mesh->indices.push_back(std::int32_t(index));
            }
        }
    }

    mesh->vertices.reserve(corners.size());
    for (const Triple &corner : corners) {
        const auto inRange = [](int index, size_t count) {
            return index >= 0 && size_t(index) < count;
        };
        if (!inRange(corner[0], positions.size()) || !inRange(corner[1], texcoords.size())
            || !inRange(corner[2], normals.size())) {
            qDebug().noquote() << "loadObjMesh: face index out of range" << path;
            return nullptr;
        }
        const auto &p = positions[size_t(corner[0])];
        const auto &t = texcoords[size_t(corner[1])];
        const auto &n = normals[size_t(corner[2])];
        mesh->vertices.push_back({{p[0], p[1], p[2]}, {n[0], n[1], n[2]}, {t[0], t[1]}});
    }
    mesh->triangleCount = int(mesh->indices.size() / 3);
    return mesh;
}
