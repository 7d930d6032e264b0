#include "MyRichText2.h"

#include "AppManager.h"

MyRichText2::MyRichText2(QWidget *parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("MyRichText2"));
    setFont(QFont(AppManager::instance()->fontFamily(), 13));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setOpenLinks(true);
    setOpenExternalLinks(true);
    setStyleSheet(QStringLiteral("QTextBrowser{border: 0px; background-color: transparent;}"));
    document()->setDocumentMargin(0);
    setMinimumHeight(0);
}

void MyRichText2::setCenteredText(const QString &text)
{
    plainText = text;
    // The about page's text is already formatted by its author.
    if (objectName() == QLatin1String("textBrowser_2"))
        setText(text);
    else
        setHtml(QStringLiteral("<p align=\"center\" style=\"color: black;\">%1</p>").arg(text));
}

void MyRichText2::resizeEvent(QResizeEvent *event)
{
    setCenteredText(plainText);
    QTextBrowser::resizeEvent(event);
}
