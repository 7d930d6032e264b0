#include "RepaintSchedule.h"
#include "TestEnvironment.h"

#include <QTest>
#include <QVector>

#include <algorithm>
#include <map>

namespace {

struct Arrival
{
    int view = 0;
    qint64 at = 0;
};

// count pictures of one channel every period ms from phase on, each moved
// by the next jitter value in turn.
QVector<Arrival> channel(int view, double phase, double period, int count,
                         const QVector<int> &jitter = {0})
{
    QVector<Arrival> arrivals;
    for (int i = 0; i < count; ++i)
        arrivals.append({view, qint64(phase + i * period) + jitter.at(i % jitter.size())});
    return arrivals;
}

QVector<Arrival> merged(QVector<Arrival> arrivals)
{
    std::stable_sort(arrivals.begin(), arrivals.end(),
                     [](const Arrival &a, const Arrival &b) { return a.at < b.at; });
    return arrivals;
}

struct Outcome
{
    QVector<qint64> repaints;
    int dropped = 0; // pictures that came while their view still had one waiting
    qint64 longestWait = 0;
};

// Plays the arrivals against the schedule as the pacer does: a repaint at
// once when the schedule says now, otherwise when its timer runs out.
Outcome play(const QVector<Arrival> &arrivals)
{
    RepaintSchedule schedule;
    Outcome outcome;
    std::map<int, qint64> waitingSince;
    qint64 due = -1;
    const auto repaint = [&](qint64 at) {
        outcome.repaints.append(at);
        for (const auto &waiting : waitingSince)
            outcome.longestWait = std::max(outcome.longestWait, at - waiting.second);
        waitingSince.clear();
        schedule.repainted();
        due = -1;
    };
    int keys[8] = {};
    for (const Arrival &arrival : arrivals) {
        if (due >= 0 && due < arrival.at)
            repaint(due);
        if (waitingSince.count(arrival.view))
            ++outcome.dropped;
        else
            waitingSince[arrival.view] = arrival.at;
        due = schedule.pictureArrived(&keys[arrival.view], arrival.at);
        if (due <= arrival.at)
            repaint(arrival.at);
    }
    if (due >= 0)
        repaint(due);
    return outcome;
}

} // namespace

Q_DECLARE_METATYPE(QVector<Arrival>)

class TestRepaintSchedule : public QObject
{
    Q_OBJECT
private slots:
    void repaintTimes_data();
    void repaintTimes();
    void noPictureIsDropped_data();
    void noPictureIsDropped();
    void forgottenViewHoldsNoOne();
};

void TestRepaintSchedule::repaintTimes_data()
{
    QTest::addColumn<QVector<Arrival>>("arrivals");
    QTest::addColumn<QVector<qint64>>("repaints");

    QTest::newRow("one channel is repainted at once")
        << channel(0, 0, 33, 4) << QVector<qint64> {0, 33, 66, 99};
    // Until the rates are known a picture waits briefly; then each channel's
    // picture waits for the others', and one repaint per period serves all.
    QTest::newRow("three channels share one repaint per period")
        << merged(channel(0, 0, 33, 4) + channel(1, 11, 33, 4) + channel(2, 22, 33, 4))
        << QVector<qint64> {0, 19, 30, 55, 88, 121};
    // The second channel stops after its third picture: the first waits for
    // it until two of its intervals have passed, then is repainted at once.
    QTest::newRow("a channel that stops holds the others only briefly")
        << merged(channel(0, 0, 33, 7) + channel(1, 11, 33, 3))
        << QVector<qint64> {0, 19, 44, 77, 123, 156, 165, 198};
    // A gap as long as a pause is not taken for the frame interval.
    QTest::newRow("a pause is not a frame interval")
        << merged(QVector<Arrival> {{0, 0}, {1, 5}, {0, 400}, {1, 405}, {0, 433}, {1, 438}})
        << QVector<qint64> {0, 13, 400, 413, 438};
}

void TestRepaintSchedule::repaintTimes()
{
    QFETCH(QVector<Arrival>, arrivals);
    QFETCH(QVector<qint64>, repaints);
    QCOMPARE(play(arrivals).repaints, repaints);
}

void TestRepaintSchedule::noPictureIsDropped_data()
{
    QTest::addColumn<QVector<Arrival>>("arrivals");
    QTest::addColumn<int>("mostRepaints");

    const double ntsc = 1000.0 / 29.97;
    QTest::newRow("three channels at 29.97 fps, spread phases")
        << merged(channel(0, 0, ntsc, 300) + channel(1, 7, ntsc, 300) + channel(2, 29, ntsc, 300))
        << 320;
    QTest::newRow("three channels in step")
        << merged(channel(0, 0, ntsc, 300) + channel(1, 0, ntsc, 300) + channel(2, 1, ntsc, 300))
        << 310;
    QTest::newRow("jittered channels")
        << merged(channel(0, 0, ntsc, 300, {0, 3, -2, 1}) + channel(1, 12, ntsc, 300, {-3, 0, 2})
                  + channel(2, 21, ntsc, 300, {2, -1, 0, -3, 1}))
        << 330;
    QTest::newRow("a 60 fps front and a 30 fps rear")
        << merged(channel(0, 0, 1000.0 / 60, 600) + channel(1, 5, 1000.0 / 30, 300)) << 610;
    QTest::newRow("25 fps beside 30 fps")
        << merged(channel(0, 0, 40, 250) + channel(1, 9, ntsc, 300)) << 320;
}

// Every picture is painted before its channel's next one comes, and the
// channels still share repaints.
void TestRepaintSchedule::noPictureIsDropped()
{
    QFETCH(QVector<Arrival>, arrivals);
    QFETCH(int, mostRepaints);
    const Outcome outcome = play(arrivals);
    QCOMPARE(outcome.dropped, 0);
    QVERIFY2(outcome.repaints.size() <= mostRepaints,
             qPrintable(QString::number(outcome.repaints.size())));
    QVERIFY(outcome.longestWait <= RepaintSchedule::longestWaitMs);
}

void TestRepaintSchedule::forgottenViewHoldsNoOne()
{
    RepaintSchedule schedule;
    int views[2] = {};
    for (qint64 at = 0; at < 100; at += 33) {
        schedule.pictureArrived(&views[0], at);
        schedule.pictureArrived(&views[1], at + 10);
        schedule.repainted();
    }
    schedule.forget(&views[1]);
    QCOMPARE(schedule.pictureArrived(&views[0], 132), qint64(132));
}

ZEMKO_TEST_GUILESS_MAIN(TestRepaintSchedule)
#include "tst_repaintschedule.moc"
