#include "LogToFile.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

namespace {

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

const QRegularExpression
    linePattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}\\.\\d{3} : (.*)$"));

} // namespace

// The handler is process-wide and stays installed, so the cases run in order:
// the open failure first, while no handler is installed yet.
class TestLogToFile : public QObject
{
    Q_OBJECT
private slots:
    void openFailureInstallsNothing();
    void linesAreStampedAndAppendedAcrossRuns();
    void emptyAndMultiLineMessages();
    void threadsNeverInterleave();
    void messagesAfterCloseAreDropped();

private:
    QTemporaryDir m_dir;
};

void TestLogToFile::openFailureInstallsNothing()
{
    const QString path = m_dir.filePath(QStringLiteral("missing/folder/log.txt"));
    QTest::ignoreMessage(QtDebugMsg, "日志文件打开失败");
    {
        LogToFile log(path);
        // Still the test framework's handler: the message is seen here.
        QTest::ignoreMessage(QtDebugMsg, "after failure");
        qDebug("after failure");
    }
    QVERIFY(!QFile::exists(path));
}

void TestLogToFile::linesAreStampedAndAppendedAcrossRuns()
{
    const QString path = m_dir.filePath(QStringLiteral("log.txt"));
    {
        LogToFile log(path);
        qDebug() << "first run" << 1;
    }
    {
        LogToFile log(path);
        qDebug().noquote() << "second run 路径" << path;
        qWarning("a warning looks alike");
    }
    const QStringList lines = readLines(path);
    const QStringList expected
        = {QStringLiteral("first run 1"), QStringLiteral("LogToFile is close LogToFile destroy"),
           QStringLiteral("second run 路径 ") + path, QStringLiteral("a warning looks alike"),
           QStringLiteral("LogToFile is close LogToFile destroy")};
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i) {
        const auto match = linePattern.match(lines.at(i));
        QVERIFY2(match.hasMatch(), qPrintable(lines.at(i)));
        QCOMPARE(match.captured(1), expected.at(i));
    }
}

void TestLogToFile::emptyAndMultiLineMessages()
{
    const QString path = m_dir.filePath(QStringLiteral("multi.txt"));
    {
        LogToFile log(path);
        qDebug("%s", "");
        qDebug("first\nsecond  ");
    }
    const QStringList lines = readLines(path);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(linePattern.match(lines.at(0)).captured(1), QStringLiteral("first"));
    QCOMPARE(lines.at(1), QStringLiteral("second  "));
    QCOMPARE(linePattern.match(lines.at(2)).captured(1),
             QStringLiteral("LogToFile is close LogToFile destroy"));
}

void TestLogToFile::threadsNeverInterleave()
{
    const QString path = m_dir.filePath(QStringLiteral("threads.txt"));
    constexpr int perThread = 2000;
    {
        LogToFile log(path);
        auto writer = [](const QString &tag) {
            for (int i = 0; i < perThread; ++i)
                qDebug().noquote() << tag + QString::number(i) + QStringLiteral(" ........ end");
        };
        QThread *worker = QThread::create(writer, QStringLiteral("worker "));
        worker->start();
        writer(QStringLiteral("main "));
        worker->wait();
        delete worker;
    }
    const QStringList lines = readLines(path);
    QCOMPARE(lines.size(), 2 * perThread + 1);
    const QRegularExpression body(QStringLiteral("^(main|worker) \\d+ \\.{8} end$"));
    int worker = 0;
    for (int i = 0; i < lines.size() - 1; ++i) {
        const QString message = linePattern.match(lines.at(i)).captured(1);
        QVERIFY2(body.match(message).hasMatch(), qPrintable(lines.at(i)));
        worker += message.startsWith(QLatin1String("worker")) ? 1 : 0;
    }
    QCOMPARE(worker, perThread);
}

void TestLogToFile::messagesAfterCloseAreDropped()
{
    const QString path = m_dir.filePath(QStringLiteral("closed.txt"));
    {
        LogToFile log(path);
    }
    qDebug("after close");
    const QStringList lines = readLines(path);
    QCOMPARE(lines.size(), 1);
}

ZEMKO_TEST_GUILESS_MAIN(TestLogToFile)
#include "tst_logtofile.moc"
