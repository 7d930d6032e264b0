#include "OneHourRecord.h"

VideoMessage oneHourRecord()
{
    VideoMessage record;
    record.path = QStringLiteral("/media/card/DCIM/20240101_120000_F.MP4");
    record.fileName = QStringLiteral("20240101_120000_F.MP4");
    record.duration = QString::number(oneHourFixCount);
    record.durationM = oneHourFixCount * 1000LL;
    record.isChina = true; // every point goes through the datum shift
    for (int i = 0; i < oneHourFixCount; ++i) {
        GPSModel fix;
        fix.hour = QString::number(12 + i / 3600);
        fix.minute = QString::number(i / 60 % 60);
        fix.second = QString::number(i % 60);
        fix.year = QStringLiteral("2024");
        fix.month = QStringLiteral("1");
        fix.status = true;
        fix.nsind = QStringLiteral("N");
        fix.ewind = QStringLiteral("E");
        fix.speed = QString::number(20.0 + i % 40 * 0.5, 'f', 3);
        fix.angle = float(i % 360);
        fix.latitude = QString::number(22.55 + i * 0.00005, 'f', 6);
        fix.longitude = QString::number(114.05 + i * 0.00007, 'f', 6);
        fix.x = 0.01f * float(i % 7);
        fix.y = -0.02f;
        fix.z = 0.98f;
        const QString key = QString::number(i);
        record.gpsItems.insert(key, fix);
        record.gsensorItems.insert(key,
                                   {QString::number(fix.x, 'g', 6), QString::number(fix.y, 'g', 6),
                                    QString::number(fix.z, 'g', 6)});
    }
    return record;
}
