#include "AboutView.h"

#include "AppManager.h"
#include "ApplyFontToChildren.h"

#include <QCloseEvent>
#include <QDebug>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <iterator>

namespace {

const char *const pages[] = {
    "https://www.zemko.com/download",
    "https://www.zemko.com/",
    "https://www.zemko.com/support",
    "https://www.zemko.com/contact",
};

const char *const highlightedStyle = "QPushButton { text-align: left; padding-left: 10px; "
                                     "background-color: transparent;color: white;"
                                     "border: none;font-size: 11pt;}";
const char *const plainStyle
    = "QPushButton {text-align: left;padding-left: 10px;color: black;border: none; font-size:11pt;"
      "background-color: transparent;border-radius: 0;}";

} // namespace

AboutView::AboutView(QWidget *parent, QWidget *anchorWidget)
    : QWidget(parent)
    , anchor(anchorWidget)
{
    titles = QStringList {tr("check_Updata"), tr("ZEMKO_web"), tr("ZEMKO_Help"),
                          tr("ZEMKO_connect_us"), tr("ZEMKO_Apbout_Player")};
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() | Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                   | Qt::NoDropShadowWindowHint);

    int widest = 0;
    for (int i = 0; i < titles.size(); ++i) {
        // "&" is a caption character here ("Help & Support"), not a mnemonic.
        auto *button = new QPushButton(
            QString(titles.at(i)).replace(QLatin1Char('&'), QLatin1String("&&")), this);
        button->setObjectName(QStringLiteral("pslButton%1").arg(i));
        button->installEventFilter(this);
        button->setMouseTracking(true);
        button->setFixedHeight(itemHeight);
        button->setStyleSheet(QString::fromLatin1(i == 0 ? highlightedStyle : plainStyle));
        connect(button, &QPushButton::clicked, this, &AboutView::onButtonClicked);
        buttons << button;
        widest = qMax(widest, buttonWidth(button, titles.at(i)));
    }
    const int w = qMax(minWidth, widest + 10);
    const int h = 5 + 5 * itemHeight + 2 * margin - 1;
    setFixedSize(w, h);
    for (int i = 0; i < buttons.size(); ++i) {
        const QRect area(margin, margin + i * (itemHeight + 1), w - 2 * margin, itemHeight);
        buttons.at(i)->setGeometry(area);
        if (i + 1 < buttons.size()) {
            auto *separator = new QLabel(this);
            separator->setGeometry(area.left(), area.bottom() + 1, area.width(), 1);
            separator->setPixmap(
                QPixmap(QStringLiteral(":/Resources/line1.jpg")).scaled(area.width(), 1));
        }
    }
    placeUnderAnchor();
    applyFontToChildren(this);
}

AboutView::~AboutView()
{
    qDebug().noquote() << "AboutView 销毁";
}

int AboutView::buttonWidth(QPushButton *button, const QString &caption) const
{
    button->ensurePolished();
    QFont font = button->font();
    font.setFamily(AppManager::instance()->fontFamily());
    return style()->pixelMetric(QStyle::PM_LayoutLeftMargin) + button->iconSize().width()
        + QFontMetrics(font).horizontalAdvance(caption)
        + style()->pixelMetric(QStyle::PM_LayoutRightMargin);
}

// The tip of the triangle lies under the middle of the anchor.
void AboutView::placeUnderAnchor()
{
    if (!anchor || !anchor->parentWidget())
        return;
    QWidget *row = anchor->parentWidget();
    if (!parentWidget()) {
        const QPoint g = row->mapToGlobal(QPoint(anchor->geometry().center().x(), row->height()));
        move(g.x() + arrowWidth / 2 + arrowOffset + margin - width(),
             g.y() + style()->pixelMetric(QStyle::PM_TitleBarHeight) - 2 * margin);
    } else {
        move(arrowWidth / 2 + arrowOffset + margin + anchor->width() / 2
                 + anchor->frameGeometry().x() - width(),
             row->height());
    }
}

void AboutView::select(int index)
{
    selected = index;
    for (int i = 0; i < buttons.size(); ++i)
        buttons.at(i)->setStyleSheet(
            QString::fromLatin1(i == index ? highlightedStyle : plainStyle));
    update();
}

bool AboutView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove
        && buttons.contains(qobject_cast<QPushButton *>(watched))) {
        const QPoint at = mapFromGlobal(static_cast<QMouseEvent *>(event)->globalPos());
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons.at(i)->geometry().contains(at)) {
                select(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AboutView::onButtonClicked()
{
    const int index = buttons.indexOf(qobject_cast<QPushButton *>(sender()));
    if (index < 0)
        return;
    selected = index;
    if (index < int(std::size(pages)))
        openPage(QUrl(QString::fromLatin1(pages[index])));
    emit postTopButton(selected);
    close();
}

void AboutView::openPage(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void AboutView::closeEvent(QCloseEvent *event)
{
    emit hudClosed();
    QWidget::closeEvent(event);
}

void AboutView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int W = width();
    const int H = height();
    const int m = margin;
    const int R = cornerRadius;
    const int h = itemHeight;
    const QRect panel(m, m, W - 2 * m, H - 2 * m);
    const QColor red(QStringLiteral("#f93737"));

    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(panel, R, R);

    // QRect::right() is one short of the panel's edge.
    const int right = panel.x() + panel.width();
    QPainterPath arrow;
    arrow.moveTo(right - arrowWidth / 2 - arrowOffset, panel.top() - arrowHeight);
    arrow.lineTo(right - arrowOffset - arrowWidth, panel.top());
    arrow.lineTo(right - arrowOffset, panel.top());
    arrow.closeSubpath();
    painter.setBrush(selected == 0 ? red : QColor(Qt::white));
    painter.drawPath(arrow);

    QPainterPath band;
    if (selected == 0) {
        band.moveTo(m, m + R / 2.0);
        band.lineTo(m, m + h);
        band.lineTo(W - m, m + h);
        band.lineTo(W - m, m + R / 2.0);
        band.arcTo(QRectF(W - 2 * R - m, m, 2 * R, 2 * R), 0, 90);
        band.lineTo(m + R / 2.0, m);
        band.arcTo(QRectF(m, m, 2 * R, 2 * R), 90, 90);
        band.closeSubpath();
    } else if (selected == buttons.size() - 1) {
        band.moveTo(m, H - h - m);
        band.lineTo(m, H - R / 2.0 - m);
        band.arcTo(QRectF(m, H - 2 * R - m, 2 * R, 2 * R), 180, 90);
        band.lineTo(W - R / 2.0 - m, H - m);
        band.arcTo(QRectF(W - 2 * R - m, H - 2 * R - m, 2 * R, 2 * R), 270, 90);
        band.lineTo(W - m, H - h - m);
        band.closeSubpath();
    } else {
        band.addRect(QRectF(QPointF(m, m + selected * (h + 1)),
                            QPointF(W - m, m + (selected + 1) * h + selected)));
    }
    painter.setBrush(red);
    painter.drawPath(band);
}
