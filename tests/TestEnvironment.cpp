#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <unistd.h>

namespace zemko {

namespace {
std::unique_ptr<QTemporaryDir> &rootDir()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}
} // namespace

void prepareTestEnvironment()
{
    rootDir()
        = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zemko-test-XXXXXX"));
    const QString root = rootDir()->path();
    const struct
    {
        const char *variable;
        const char *folder;
    } folders[] = {{"HOME", "home"},
                   {"XDG_DATA_HOME", "data"},
                   {"XDG_CACHE_HOME", "cache"},
                   {"XDG_CONFIG_HOME", "config"},
                   {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto &folder : folders) {
        const QString path = root + QLatin1Char('/') + QLatin1String(folder.folder);
        QDir().mkpath(path);
        qputenv(folder.variable, QFile::encodeName(path));
    }
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QString testRoot()
{
    return rootDir() ? rootDir()->path() : QString();
}

} // namespace zemko

void zemko::prepareWebEngine()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
