#include "FileDelegate.h"

#include "FileModel.h"
#include "FileUtils.h"
#include "RowGeometry.h"

#include <QColor>
#include <QDebug>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QString placeholderPicture = QStringLiteral(":/Resources/imageSale.jpg");

const QImage &separatorLine()
{
    static const QImage line = [] {
        QImage image(2000, 1, QImage::Format_ARGB32);
        image.fill(QColor(QStringLiteral("#333e49")));
        return image;
    }();
    return line;
}

QColor rowFill(bool selected, bool hovered)
{
    if (selected)
        return QColor(QStringLiteral("#000000"));
    if (hovered)
        return QColor(QStringLiteral("#1a2128"));
    return QColor(QStringLiteral("#232c35"));
}

} // namespace

FileDelegate::FileDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void FileDelegate::setHoverIndex(const QModelIndex &index)
{
    m_hoverIndex = index;
}

QSize FileDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(option.rect.width(), 60);
}

void FileDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    QString thumbnail = index.data(FileModel::ThumbnailRole).toString();
    if (!pathExists(thumbnail))
        thumbnail = placeholderPicture;
    const QString name = index.data(FileModel::FileNameRole).toString();
    const QString timeText = reformatDateTime(index.data(FileModel::TimeRole).toString(),
                                              QStringLiteral("yyyyMMddHHmmsszzz"),
                                              QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QString sizeText = index.data(FileModel::SizeRole).toString() + QStringLiteral("MB");

    const QRect &row = option.rect;
    const RowGeometry g = RowGeometry::forRow(row);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setPen(Qt::white);

    const bool selected = option.state & QStyle::State_Selected;
    const bool hovered = m_hoverIndex.isValid() && m_hoverIndex == index;
    painter->fillRect(row, rowFill(selected, hovered));

    const QPixmap picture(thumbnail);
    if (!picture.isNull()) {
        QPainterPath rounded;
        rounded.addRoundedRect(g.thumbnail, 5, 5, Qt::AbsoluteSize);
        painter->setClipPath(rounded);
        // Kept in proportion and centred, so pictures of other shapes are
        // not stretched into the 16:9 box.
        const QPixmap scaled
            = picture.scaled(g.thumbnail.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QRect target(QPoint(), scaled.size());
        target.moveCenter(g.thumbnail.center());
        painter->drawPixmap(target, scaled);
        painter->setClipRect(row);
    }

    const QPixmap deleteButton
        = QPixmap(QStringLiteral(":/Resources/deleteRow.png"))
              .scaled(g.deleteButton.size(), Qt::KeepAspectRatio, Qt::FastTransformation);
    painter->drawPixmap(g.deleteButton, deleteButton);

    // Elided, so a long name never runs under the delete button.
    const QString shownName
        = painter->fontMetrics().elidedText(name, Qt::ElideRight, g.name.width());
    painter->drawText(QRectF(g.name), shownName, QTextOption());

    painter->setPen(QColor(QStringLiteral("#5C6773")));
    painter->drawText(QRectF(g.time), timeText, QTextOption());
    painter->drawText(QRectF(g.size), sizeText, QTextOption());

    painter->drawImage(g.separator, separatorLine());
    painter->restore();
}

bool FileDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                               const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() == QEvent::MouseMove) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPersistentModelIndex previous = m_hoverIndex;
        m_hoverIndex = option.rect.contains(mouse->pos()) ? QPersistentModelIndex(index)
                                                          : QPersistentModelIndex();
        // The row that lost the hover is repainted too, whatever the style.
        if (previous.isValid() && previous != m_hoverIndex && previous.model() == model)
            emit model->dataChanged(previous, previous);
        emit model->dataChanged(index, index);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (RowGeometry::forRow(option.rect).deleteButton.contains(mouse->pos())) {
            qDebug().noquote() << "点击了删除按钮::" << index.row();
            emit postDeletRow(index.row());
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
