#include "AllocatorTuning.h"
#include "AppManager.h"
#include "FileUtils.h"
#include "LogToFile.h"
#include "PlaylistIntake.h"
#include "PowerInhibitor.h"
#include "ZemkoResources.h"
#include "ZemkoView.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QScreen>
#include <QSettings>
#include <QSize>
#include <QTimer>

#include <memory>
#include <unistd.h>

int main(int argc, char *argv[])
{
    releaseLargeBuffersOnFree();
    initZemkoResources();

    // The web engine ends the process at start when run as root with its sandbox.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QApplication app(argc, argv);

    // Computed before the application name is set: the log follows the
    // executable's base name.
    const QString logPath = QDir(dataDirectory()).filePath(QStringLiteral("log.txt"));
    LogToFile log(logPath);
    qDebug().noquote() << "打开app创建log文件路径：" << logPath;

    QCoreApplication::setOrganizationName(QStringLiteral("Zemko"));
    QCoreApplication::setApplicationName(QStringLiteral("ZemkoPlayer"));

    PowerInhibitor powerInhibitor(QCoreApplication::applicationName());

    AppManager::instance();

    const QRect screen = QApplication::primaryScreen()->geometry();
    qDebug() << "屏幕大小：" << screen.width() << "*" << screen.height();

    auto settings
        = std::make_unique<QSettings>(QStringLiteral("ZEMKO"), QStringLiteral("ZemkoPlayer"));
    QSize size = settings->value(QStringLiteral("mainWindowSize")).toSize();
    // A missing or damaged value must not give an invisible window.
    if (!size.isValid() || size.isEmpty())
        size = QSize(1000, 640);

    int result = 0;
    {
        ZemkoView view;
        view.setWindowTitle(QStringLiteral("ZEMKO Player"));
        view.setGeometry((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2,
                         size.width(), size.height());
        view.show();
        // "Open with" and the command line add files as the add dialog does.
        const QStringList files = PlaylistIntake::mediaFiles(app.arguments().mid(1));
        if (!files.isEmpty())
            QTimer::singleShot(0, &view, [&view, files] { view.openFiles(files); });
        result = app.exec();
    }
    settings.reset();
    return result;
}
