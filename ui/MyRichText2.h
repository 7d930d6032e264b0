#pragma once

#include <QTextBrowser>

// Read-only, borderless rich-text label that keeps its text centred and
// lays it out again whenever its width changes.
class MyRichText2 : public QTextBrowser
{
    Q_OBJECT
public:
    explicit MyRichText2(QWidget *parent = nullptr);

    void setCenteredText(const QString &text);
    QString text() const { return plainText; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QString plainText;
};
