// Times the record store and the playlist model at the sizes users reach:
// loading 10 000 playlist rows (sorted) with the first batch, adding 1 000
// files in one addition, and looking up one media record among 1 000
// one-hour tracks. Usage: bench_store [repetitions] [--log-file] [--only=playlist|add|lookup]
// Logging is discarded unless --log-file is given, which writes every line
// to a file the way the player's log does.
#include "DbModel.h"
#include "FileModel.h"
#include "OneHourRecord.h"
#include "RecordStore.h"
#include "ScopedTransaction.h"
#include "VideoMessage.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

QFile *logFile = nullptr;

void fileHandler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    logFile->write(
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")).toUtf8()
        + " : " + message.toUtf8() + '\n');
}

void measure(QTextStream &out, const char *label, int repetitions,
             const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    out << qSetFieldWidth(44) << Qt::left << label << qSetFieldWidth(0) << "median "
        << QString::number(times[times.size() / 2], 'f', 2) << " ms, max "
        << QString::number(times.back(), 'f', 2) << " ms\n";
    out.flush();
}

QList<RecordStore::Row> playlistRows(int count, const QString &folder)
{
    QList<RecordStore::Row> rows;
    const QString time = QStringLiteral("20240101120000000");
    for (int i = 0; i < count; ++i) {
        DbModel row;
        row.fileName = QStringLiteral("2024_0101_%1_F.MP4").arg(count - i, 6, 10, QLatin1Char('0'));
        row.path = folder + QLatin1Char('/') + row.fileName;
        row.time = QString::number(time.toLongLong() + i);
        row.size = QStringLiteral("256.0");
        rows << row.toRow();
    }
    return rows;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int repetitions = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 10;
    QTemporaryDir dir;
    QFile log(dir.filePath(QStringLiteral("log.txt")));
    if (args.contains(QStringLiteral("--log-file")) && log.open(QIODevice::WriteOnly)) {
        logFile = &log;
        qInstallMessageHandler(fileHandler);
    } else {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    }
    // No transcoder is found, so the worker's jobs fail at once.
    qputenv("PATH", QFile::encodeName(dir.path()));
    QString only;
    for (const QString &arg : args) {
        if (arg.startsWith(QStringLiteral("--only=")))
            only = arg.mid(7);
    }
    auto wanted = [&only](const char *section) {
        return only.isEmpty() || only == QLatin1String(section);
    };
    QTextStream out(stdout);
    out << repetitions << " runs each" << (logFile ? ", logging to a file" : ", log discarded")
        << "\n";

    if (wanted("playlist")) {
        RecordStore store(dir.filePath(QStringLiteral("playlist.db")), QStringLiteral("playlist"));
        store.insertRows(RecordStore::PlaylistTable, playlistRows(10000, QStringLiteral("/cam")));
        PlaylistPreferences byName {[] { return 1; },
                                    [] {
                                        return 0;
                                    }};
        int rowCount = 0;
        measure(out, "10 000 rows: selectRows alone", repetitions, [&] {
            store.selectRows(RecordStore::PlaylistTable, 0, {}, {QStringLiteral("time")},
                             [&](const QList<DbModel *> &rows, bool) { rowCount = rows.size(); });
        });
        FileModel model(store, byName);
        measure(out, "10 000 rows: loadFromStore + first batch", repetitions, [&] {
            model.loadFromStore();
            model.loadNextBatch();
        });
    }
    if (wanted("add")) {
        RecordStore store(dir.filePath(QStringLiteral("add.db")), QStringLiteral("add"));
        int batch = 0;
        measure(out, "add 1 000 files in one addition", repetitions, [&] {
            store.insertRows(RecordStore::PlaylistTable,
                             playlistRows(1000, QStringLiteral("/add%1").arg(++batch)));
        });
        measure(out, "add 100 files, one commit each (for scale)", 1, [&] {
            for (const RecordStore::Row &row : playlistRows(100, QStringLiteral("/single")))
                store.insertRow(RecordStore::PlaylistTable, row);
        });
    }
    if (wanted("lookup")) {
        const QString path = dir.filePath(QStringLiteral("records.db"));
        RecordStore store(path, QStringLiteral("records"));
        VideoMessage record = oneHourRecord();
        RecordStore::Row row = record.toRow();
        QList<RecordStore::Row> rows;
        {
            ScopedTransaction transaction(store);
            for (int i = 0; i < 1000; ++i) {
                row[QStringLiteral("fileName")]
                    = QStringLiteral("FILE%1.MOV").arg(i, 4, 10, QLatin1Char('0'));
                row[QStringLiteral("path")]
                    = QStringLiteral("/card%1/").arg(i % 7) + row[QStringLiteral("fileName")];
                store.insertRow(RecordStore::RecordTable, row);
            }
            transaction.commit();
        }
        out << "record table: 1 000 records of 3 600 fixes, document "
            << row.value(QStringLiteral("jsonMessage")).toUtf8().size() / 1024 << " KiB each, "
            << "database " << QFileInfo(path).size() / (1024 * 1024) << " MiB\n";
        int index = 0;
        int found = 0;
        measure(out, "look up one record by path (with decode)", repetitions, [&] {
            const QString recordPath = QStringLiteral("/card%1/FILE%2.MOV")
                                           .arg((index * 37 % 1000) % 7)
                                           .arg(index * 37 % 1000, 4, 10, QLatin1Char('0'));
            ++index;
            store.selectRecord(RecordStore::RecordTable, 0, {{QStringLiteral("path"), recordPath}},
                               {}, [&](VideoMessage &result, bool isFound) {
                                   found += isFound && result.gpsItems.size() == 3600;
                               });
        });
        out << "found " << found << " of " << index << "\n";
        // The same lookup without the decode: the query on the path index and
        // reading the stored document out of the file.
        QSqlDatabase connection = QSqlDatabase::database(QStringLiteral("records"));
        int bytes = 0;
        measure(out, "look up one record by path (query only)", repetitions, [&] {
            QSqlQuery query(connection);
            query.prepare(QStringLiteral("SELECT * FROM VideoMessage WHERE path = ?"));
            query.addBindValue(QStringLiteral("/card%1/FILE%2.MOV")
                                   .arg((index * 37 % 1000) % 7)
                                   .arg(index * 37 % 1000, 4, 10, QLatin1Char('0')));
            ++index;
            if (query.exec() && query.next())
                bytes += query.value(QStringLiteral("jsonMessage")).toString().size();
        });
        out << "read " << bytes / (1024 * 1024) << " MiB of documents\n";
    }
    return 0;
}
