#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

// Paints one playlist row (thumbnail, name, added time, size, delete button,
// separator) and reports presses on the delete button.
class FileDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit FileDelegate(QObject *parent = nullptr);

    // The row under the mouse, painted in the hover colour; invalid for none.
    void setHoverIndex(const QModelIndex &index);
    QModelIndex hoverIndex() const { return m_hoverIndex; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    void postDeletRow(int row);

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    // Persistent, so removing or sorting rows never leaves the hover colour
    // on whichever row slid into the old place.
    QPersistentModelIndex m_hoverIndex;
};
