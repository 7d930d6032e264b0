#include "CustomListView.h"
#include "FileDelegate.h"
#include "FileModel.h"
#include "ListScrollBar.h"
#include "RowGeometry.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionSlider>
#include <QTemporaryDir>

namespace {

const QRect rowRect(0, 0, 300, 60);
const QColor plainFill(QStringLiteral("#232c35"));
const QColor hoverFill(QStringLiteral("#1a2128"));
const QColor selectedFill(QStringLiteral("#000000"));

QStandardItem *makeRow(const QString &thumbnail, const QString &time = "20240131235959123")
{
    auto *item = new QStandardItem;
    item->setData(thumbnail, FileModel::ThumbnailRole);
    item->setData(QStringLiteral("FILE0001F.MP4"), FileModel::FileNameRole);
    item->setData(QStringLiteral("12.5"), FileModel::SizeRole);
    item->setData(time, FileModel::TimeRole);
    return item;
}

QImage paintRow(FileDelegate &delegate, const QModelIndex &index,
                QStyle::State state = QStyle::State_Enabled)
{
    QImage image(rowRect.size(), QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QStyleOptionViewItem option;
    option.rect = rowRect;
    option.state = state;
    QPainter painter(&image);
    delegate.paint(&painter, option, index);
    return image;
}

// Whether anything but the row colour was painted inside box.
bool paintedIn(const QImage &image, const QRect &box, const QColor &fill)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixelColor(x, y) != fill)
                return true;
    return false;
}

// A list view of three rows with the delegate and scroll bar, shown.
struct ViewFixture
{
    QStandardItemModel model;
    CustomListView view;
    FileDelegate *delegate = new FileDelegate(&view);

    ViewFixture()
    {
        for (int i = 0; i < 3; ++i)
            model.appendRow(makeRow(QString()));
        view.setModel(&model);
        view.setItemDelegate(delegate);
        view.setVerticalScrollBar(new ListScrollBar(&view));
        view.resize(300, 300);
        view.show();
    }
    QRect rowOf(int row) const { return view.visualRect(model.index(row, 0)); }
};

// A plain move over the viewport, as the window system delivers it with
// mouse tracking on (QTest::mouseMove only warps the pointer).
void moveTo(CustomListView &view, const QPoint &at)
{
    QMouseEvent move(QEvent::MouseMove, at, view.viewport()->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
}

} // namespace

class TestPlaylistView : public QObject
{
    Q_OBJECT
private slots:
    void rowGeometry_data();
    void rowGeometry();
    void deletePress_data();
    void deletePress();
    void fillColour_data();
    void fillColour();
    void separatorLine();
    void missingThumbnailFallsBack_data();
    void missingThumbnailFallsBack();
    void thumbnailIsDrawn();
    void timeText_data();
    void timeText();
    void hoverFollowsMouseAndLeaveClearsIt();
    void sizeHint();
    void scrollBarHasNoArrows();
};

void TestPlaylistView::rowGeometry_data()
{
    QTest::addColumn<QRect>("row");
    QTest::addColumn<QRect>("thumbnail");
    QTest::addColumn<QRect>("deleteButton");
    QTest::addColumn<QRect>("name");
    QTest::addColumn<QRect>("time");
    QTest::addColumn<QRect>("size");
    QTest::addColumn<QPoint>("separator");

    QTest::addRow("300 x 60 at the top")
        << QRect(0, 0, 300, 60) << QRect(5, 5, 88, 50) << QRect(274, 22, 15, 15)
        << QRect(97, 10, 172, 20) << QRect(97, 31, 140, 20) << QRect(241, 31, 80, 20)
        << QPoint(0, 59);
    QTest::addRow("third row") << QRect(0, 120, 300, 60) << QRect(5, 125, 88, 50)
                               << QRect(274, 142, 15, 15) << QRect(97, 130, 172, 20)
                               << QRect(97, 151, 140, 20) << QRect(241, 151, 80, 20)
                               << QPoint(0, 179);
    // 30 x 1.777778 = 53.33: truncated; odd height centres the button low.
    QTest::addRow("400 x 40 indented")
        << QRect(10, 0, 400, 40) << QRect(15, 5, 53, 30) << QRect(384, 12, 15, 15)
        << QRect(72, 10, 307, 20) << QRect(72, 11, 140, 20) << QRect(216, 11, 80, 20)
        << QPoint(10, 39);
}

void TestPlaylistView::rowGeometry()
{
    QFETCH(QRect, row);
    const RowGeometry g = RowGeometry::forRow(row);
    QTEST(g.thumbnail, "thumbnail");
    QTEST(g.deleteButton, "deleteButton");
    QTEST(g.name, "name");
    QTEST(g.time, "time");
    QTEST(g.size, "size");
    QTEST(g.separator, "separator");
}

void TestPlaylistView::deletePress_data()
{
    QTest::addColumn<QPoint>("offset"); // from the delete box's top-left corner
    QTest::addColumn<bool>("emits");

    QTest::addRow("top-left pixel") << QPoint(0, 0) << true;
    QTest::addRow("bottom-right pixel") << QPoint(14, 14) << true;
    QTest::addRow("one pixel left") << QPoint(-1, 7) << false;
    QTest::addRow("one pixel above") << QPoint(7, -1) << false;
    QTest::addRow("one pixel right") << QPoint(15, 7) << false;
    QTest::addRow("one pixel below") << QPoint(7, 15) << false;
}

void TestPlaylistView::deletePress()
{
    QFETCH(QPoint, offset);
    QFETCH(bool, emits);
    ViewFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QSignalSpy spy(f.delegate, &FileDelegate::postDeletRow);

    const QPoint at = RowGeometry::forRow(f.rowOf(1)).deleteButton.topLeft() + offset;
    if (emits)
        QTest::ignoreMessage(QtDebugMsg, "点击了删除按钮:: 1");
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, at);

    QCOMPARE(spy.count(), emits ? 1 : 0);
    if (emits)
        QCOMPARE(spy.at(0).at(0).toInt(), 1);
    // A press on the button is the button's alone; elsewhere it picks the row.
    QCOMPARE(f.view.selectionModel()->isSelected(f.model.index(1, 0)), !emits);
}

void TestPlaylistView::fillColour_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<QColor>("fill");

    QTest::addRow("plain") << false << false << plainFill;
    QTest::addRow("hovered") << false << true << hoverFill;
    QTest::addRow("selected") << true << false << selectedFill;
    QTest::addRow("selected under the mouse") << true << true << selectedFill;
}

void TestPlaylistView::fillColour()
{
    QFETCH(bool, selected);
    QFETCH(bool, hovered);
    QStandardItemModel model;
    model.appendRow(makeRow(QString()));
    model.appendRow(makeRow(QString()));
    FileDelegate delegate;
    // Another row's hover never colours this one.
    delegate.setHoverIndex(model.index(hovered ? 0 : 1, 0));

    QStyle::State state = QStyle::State_Enabled;
    if (selected)
        state |= QStyle::State_Selected;
    const QImage image = paintRow(delegate, model.index(0, 0), state);
    // Right of the thumbnail and beside the name, above the delete button.
    QTEST(image.pixelColor(295, 3), "fill");
    QTEST(image.pixelColor(100, 56), "fill");
}

void TestPlaylistView::separatorLine()
{
    QStandardItemModel model;
    model.appendRow(makeRow(QString()));
    FileDelegate delegate;
    const QImage image = paintRow(delegate, model.index(0, 0));
    for (int x : {0, 150, 299})
        QCOMPARE(image.pixelColor(x, 59), QColor(QStringLiteral("#333e49")));
    QCOMPARE(image.pixelColor(150, 58), plainFill);
}

void TestPlaylistView::missingThumbnailFallsBack_data()
{
    QTest::addColumn<QString>("thumbnail");
    QTest::addRow("not made yet") << zemko::testRoot() + "/Thumbnail/none_.png";
    QTest::addRow("empty path") << QString();
}

void TestPlaylistView::missingThumbnailFallsBack()
{
    QFETCH(QString, thumbnail);
    QStandardItemModel model;
    model.appendRow(makeRow(thumbnail));
    model.appendRow(makeRow(QStringLiteral(":/Resources/imageSale.jpg")));
    FileDelegate delegate;
    const QImage missing = paintRow(delegate, model.index(0, 0));
    const QImage placeholder = paintRow(delegate, model.index(1, 0));
    const QRect box = RowGeometry::forRow(rowRect).thumbnail;
    QVERIFY(paintedIn(placeholder, box, plainFill));
    QCOMPARE(missing.copy(box), placeholder.copy(box));
}

void TestPlaylistView::thumbnailIsDrawn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clip_.png"));
    QImage red(160, 90, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(path));
    QStandardItemModel model;
    model.appendRow(makeRow(path));
    FileDelegate delegate;
    const QImage image = paintRow(delegate, model.index(0, 0));
    const QRect box = RowGeometry::forRow(rowRect).thumbnail;
    QCOMPARE(image.pixelColor(box.center()), QColor(Qt::red));
    // Rounded corners: the corner pixel stays the row colour.
    QCOMPARE(image.pixelColor(box.topLeft()), plainFill);
    QCOMPARE(image.pixelColor(box.left() - 1, box.center().y()), plainFill);
}

void TestPlaylistView::timeText_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("shown");
    QTest::addRow("stored format") << "20240131235959123" << true;
    QTest::addRow("not a time") << "yesterday" << false;
    QTest::addRow("impossible date") << "20241399000000000" << false;
    QTest::addRow("empty") << "" << false;
}

void TestPlaylistView::timeText()
{
    QFETCH(QString, time);
    QFETCH(bool, shown);
    QStandardItemModel model;
    model.appendRow(makeRow(QString(), time));
    FileDelegate delegate;
    const QImage image = paintRow(delegate, model.index(0, 0));
    const RowGeometry g = RowGeometry::forRow(rowRect);
    QCOMPARE(paintedIn(image, g.time, plainFill), shown);
    // The size text beside it is there either way.
    QVERIFY(paintedIn(image, g.size, plainFill));
}

void TestPlaylistView::hoverFollowsMouseAndLeaveClearsIt()
{
    ViewFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QSignalSpy changed(&f.model, &QAbstractItemModel::dataChanged);

    moveTo(f.view, f.rowOf(0).center());
    QCOMPARE(f.delegate->hoverIndex(), f.model.index(0, 0));

    changed.clear();
    moveTo(f.view, f.rowOf(1).center());
    QCOMPARE(f.delegate->hoverIndex(), f.model.index(1, 0));
    // Both the row that lost the hover and the new one are repainted.
    QSet<int> repainted;
    for (const QList<QVariant> &args : changed)
        repainted.insert(args.at(0).toModelIndex().row());
    QCOMPARE(repainted, (QSet<int> {0, 1}));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&f.view, &leave);
    QVERIFY(!f.delegate->hoverIndex().isValid());
}

void TestPlaylistView::sizeHint()
{
    QStandardItemModel model;
    model.appendRow(makeRow(QString()));
    FileDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 321, 17);
    QCOMPARE(delegate.sizeHint(option, model.index(0, 0)), QSize(321, 60));
}

void TestPlaylistView::scrollBarHasNoArrows()
{
    ListScrollBar bar;
    bar.setOrientation(Qt::Vertical);
    bar.setRange(0, 1000);
    bar.resize(10, 300);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(bar.sizeHint().width(), 10);

    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.pageStep = bar.pageStep();
    option.sliderPosition = bar.value();
    option.subControls = QStyle::SC_All;
    QStyle *style = bar.style();
    for (auto control : {QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubLine})
        QVERIFY(style->subControlRect(QStyle::CC_ScrollBar, &option, control, &bar).isEmpty());
    const QRect handle
        = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
    QVERIFY(handle.height() >= 40);
}

ZEMKO_TEST_WIDGETS_MAIN(TestPlaylistView)
#include "tst_playlistview.moc"
