#include "TestEnvironment.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QSet>

namespace {

// Every picture the interface loads from ":/Resources/", with its pixel size,
// the size it is shown at and the colour it is shown on. Icons are drawn at
// twice the shown size so they stay sharp on high-DPI screens.
struct Picture
{
    const char *name;
    QSize pixels;
    QSize shown;
    const char *background;
    bool transparent; // has see-through pixels around the drawing
};

const char *const topBar = "#000000";
const char *const listBar = "#171d23";
const char *const dialog = "#ffffff";
const char *const mapPage = "#333e49";

const Picture pictures[] = {
    {"listAddButton.png", {64, 64}, {32, 32}, topBar, true},
    {"cutImage.png", {64, 64}, {32, 32}, topBar, true},
    {"changeVideo_3x.png", {64, 64}, {32, 32}, topBar, true},
    {"set.png", {54, 54}, {27, 27}, topBar, true},
    {"help.png", {56, 56}, {28, 28}, topBar, true},
    {"soundOn.png", {50, 50}, {25, 25}, topBar, true},
    {"soundOFF.png", {50, 50}, {25, 25}, topBar, true},
    {"zoom.png", {50, 50}, {25, 25}, topBar, true},
    {"previous.png", {46, 46}, {23, 23}, topBar, true},
    {"previousFrame.png", {46, 46}, {23, 23}, topBar, true},
    {"play.png", {64, 64}, {32, 32}, topBar, true},
    {"Pause.png", {64, 64}, {32, 32}, topBar, true},
    {"nextFrame.png", {46, 46}, {23, 23}, topBar, true},
    {"next.png", {46, 46}, {23, 23}, topBar, true},
    {"fullOn.png", {46, 46}, {23, 23}, topBar, true},
    {"fulloff.png", {46, 46}, {23, 23}, topBar, true},
    {"PlayTool/Repeat.png", {46, 46}, {23, 23}, topBar, true},
    {"PlayTool/Repeat1.png", {46, 46}, {23, 23}, topBar, true},
    {"PlayTool/play.png", {46, 46}, {23, 23}, topBar, true},
    {"PlayTool/pause.png", {46, 46}, {23, 23}, topBar, true},
    {"addButton.png", {50, 50}, {25, 25}, listBar, true},
    {"listjianbutton.png", {50, 50}, {25, 25}, listBar, true},
    {"listSave.png", {50, 50}, {25, 25}, listBar, true},
    {"sort.png", {50, 50}, {25, 25}, listBar, true},
    {"down.png", {760, 20}, {380, 10}, listBar, true},
    {"up.png", {760, 20}, {380, 10}, "#2f3944", true},
    {"deleteRow.png", {33, 33}, {15, 15}, "#232c35", true},
    {"imageSale.jpg", {105, 60}, {88, 50}, "#232c35", false},
    {"slectItem.png", {32, 32}, {16, 16}, dialog, true},
    {"slectItem1.png", {32, 32}, {16, 16}, dialog, true},
    {"xxxxx.png", {40, 40}, {20, 20}, dialog, true},
    {"PlayTool/xiangxia.png", {24, 24}, {12, 12}, "#f0f0f0", true},
    {"line1.jpg", {400, 1}, {200, 1}, dialog, false},
    {"222222.jpg", {480, 480}, {180, 180}, topBar, true},
    {"compassImage.png", {400, 400}, {170, 170}, topBar, true},
    {"compass.png", {64, 64}, {20, 20}, topBar, true},
    // Shown one to one in a label, so drawn at its shown size.
    {"logo.png", {170, 34}, {170, 34}, mapPage, true},
    {"logoBig.png", {790, 154}, {233, 45}, topBar, true},
};

QString resourcePath(const char *name)
{
    return QStringLiteral(":/Resources/") + QLatin1String(name);
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void pictureLoads_data();
    void pictureLoads();
    void everyPictureIsListed();
    void contactSheet();
};

void TestResources::pictureLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<bool>("transparent");
    for (const Picture &picture : pictures)
        QTest::addRow("%s", picture.name)
            << resourcePath(picture.name) << picture.pixels << picture.transparent;
}

void TestResources::pictureLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, pixels);
    QFETCH(bool, transparent);

    QImageReader reader(path);
    // The .jpg names hold PNG data; the reader must find that from the content.
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), pixels);
    QCOMPARE(QPixmap(path).size(), pixels);

    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    int clear = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            opaque += qAlpha(line[x]) == 255;
            clear += qAlpha(line[x]) == 0;
        }
    }
    QVERIFY2(opaque > 0, "nothing is drawn");
    QCOMPARE(clear > 0, transparent);
}

void TestResources::everyPictureIsListed()
{
    QSet<QString> expected;
    for (const Picture &picture : pictures)
        expected.insert(resourcePath(picture.name));

    QSet<QString> found;
    QDirIterator it(QStringLiteral(":/Resources"),
                    {QStringLiteral("*.png"), QStringLiteral("*.jpg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.insert(it.next());
    QCOMPARE(found, expected);
}

// Draws every picture at its shown size on the colour it is shown on, at twice
// the scale (as a high-DPI screen shows it), for a person to look over.
void TestResources::contactSheet()
{
    const int scale = 2;
    const int columns = 5;
    const int cellWidth = 250;
    const int cellHeight = 120;
    const int count = int(std::size(pictures));
    const int rows = (count + columns - 1) / columns;

    QImage sheet(columns * cellWidth * scale, rows * cellHeight * scale,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor("#2f3944"));
    QPainter painter(&sheet);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    for (int i = 0; i < count; ++i) {
        const Picture &picture = pictures[i];
        const QRect cell((i % columns) * cellWidth, (i / columns) * cellHeight, cellWidth,
                         cellHeight);
        const QRect swatch = cell.adjusted(4, 4, -4, -22);
        painter.fillRect(swatch, QColor(picture.background));
        const QImage image(resourcePath(picture.name));
        QVERIFY2(!image.isNull(), picture.name);
        // Tall pictures are shrunk to fit; wide strips show their middle part.
        const QSize room = swatch.size() - QSize(8, 8);
        QSize fitted = picture.shown;
        if (fitted.height() > room.height())
            fitted.scale(fitted.width(), room.height(), Qt::KeepAspectRatio);
        const QSize shown = fitted.boundedTo(room);
        const double pixelsPerPoint = double(image.width()) / fitted.width();
        QRect source(QPoint(), shown * pixelsPerPoint);
        source.moveCenter(image.rect().center());
        QRect target(QPoint(), shown);
        target.moveCenter(swatch.center());
        painter.drawImage(target, image, source);
        painter.setPen(Qt::white);
        painter.drawText(cell.adjusted(4, cellHeight - 22, -4, -2),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1  %2x%3")
                             .arg(QLatin1String(picture.name))
                             .arg(image.width())
                             .arg(image.height()));
    }
    painter.end();

    const QString path
        = QCoreApplication::applicationDirPath() + QStringLiteral("/icons-contact-sheet.png");
    QVERIFY(sheet.save(path));
    qDebug().noquote() << "contact sheet:" << path;
}

ZEMKO_TEST_MAIN_WITH(QGuiApplication, TestResources, (void)0)
#include "tst_resources.moc"
