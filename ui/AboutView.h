#pragma once

#include <QStringList>
#include <QWidget>

class QPushButton;
class QUrl;

// The help button's pop-up menu: a white rounded panel with a pointer
// triangle under the anchor and five link buttons. It deletes itself when
// closed, so its creator keeps no pointer after hudClosed.
class AboutView : public QWidget
{
    Q_OBJECT
public:
    AboutView(QWidget *parent, QWidget *anchor);
    ~AboutView() override;

    int selectedItem() const { return selected; }

signals:
    void postTopButton(int item);
    void hudClosed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Opens a web page in the system browser; replaceable in tests.
    virtual void openPage(const QUrl &url);

private:
    void onButtonClicked();
    void select(int index);
    int buttonWidth(QPushButton *button, const QString &caption) const;
    void placeUnderAnchor();

    QWidget *anchor;
    const int margin = 10;
    const int arrowHeight = 10;
    const int arrowWidth = 20;
    const int arrowOffset = 40;
    const int cornerRadius = 10;
    const int minWidth = 250;
    const int itemHeight = 35;
    QStringList titles;
    QList<QPushButton *> buttons;
    int selected = 0;
};
