#include "ObjMesh.h"
#include "TestEnvironment.h"

#include <QTemporaryDir>

namespace {
const QString kQuad = QStringLiteral(":/Resources/quad.obj");
}

class TestObjMesh : public QObject
{
    Q_OBJECT
private slots:
    void quad_data();
    void quad();
    void quadVertexLayout();
    void unusableFiles_data();
    void unusableFiles();
};

void TestObjMesh::quad_data()
{
    QTest::addColumn<bool>("share");
    QTest::addColumn<int>("vertexCount");
    QTest::addColumn<QVector<int>>("indices");
    QTest::addRow("shared vertices") << true << 4 << QVector<int> {0, 1, 2, 3, 2, 1};
    QTest::addRow("separate vertices") << false << 6 << QVector<int> {0, 1, 2, 3, 4, 5};
}

void TestObjMesh::quad()
{
    QFETCH(bool, share);
    QFETCH(int, vertexCount);
    QFETCH(QVector<int>, indices);
    const std::unique_ptr<ObjMesh> mesh = loadObjMesh(kQuad, share);
    QVERIFY(mesh);
    QCOMPARE(int(mesh->vertices.size()), vertexCount);
    QCOMPARE(QVector<int>(mesh->indices.begin(), mesh->indices.end()), indices);
    QCOMPARE(mesh->triangleCount, 2);
}

void TestObjMesh::quadVertexLayout()
{
    const std::unique_ptr<ObjMesh> mesh = loadObjMesh(kQuad, true);
    QVERIFY(mesh);
    // Corner (-1, 1, 0) is the top-left: normal (0, 0, 1) at bytes 12-23,
    // texture coordinate (0, 1) at bytes 24-31.
    const auto *bytes = reinterpret_cast<const float *>(mesh->vertices.data());
    const float expected[8] = {-1, 1, 0, 0, 0, 1, 0, 1};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(bytes[i], expected[i]);
    const ObjVertex &last = mesh->vertices.back();
    QCOMPARE(last.position[0], 1.0f);
    QCOMPARE(last.position[1], -1.0f);
    QCOMPARE(last.texcoord[0], 1.0f);
    QCOMPARE(last.texcoord[1], 0.0f);
}

void TestObjMesh::unusableFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("position index beyond the list")
        << QByteArray("v 0 0 0\nvt 0 0 0\nvn 0 0 1\nf 1/1/1 2/1/1 1/1/1\n");
    QTest::addRow("missing normal index")
        << QByteArray("v 0 0 0\nvt 0 0 0\nvn 0 0 1\nf 1/1 1/1 1/1\n");
    QTest::addRow("face with two corners")
        << QByteArray("v 0 0 0\nvt 0 0 0\nvn 0 0 1\nf 1/1/1 1/1/1\n");
    QTest::addRow("zero index") << QByteArray("v 0 0 0\nvt 0 0 0\nvn 0 0 1\nf 0/1/1 1/1/1 1/1/1\n");
}

void TestObjMesh::unusableFiles()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mesh.obj"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QVERIFY(!loadObjMesh(path, true));
    QVERIFY(!loadObjMesh(path, false));
    QVERIFY(!loadObjMesh(dir.filePath(QStringLiteral("missing.obj")), true));
}

ZEMKO_TEST_GUILESS_MAIN(TestObjMesh)
#include "tst_objmesh.moc"
