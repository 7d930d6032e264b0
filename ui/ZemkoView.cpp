#include "ZemkoView.h"

#include "AppManager.h"
#include "SettingsValue.h"

#include <QCloseEvent>

ZemkoView::ZemkoView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ZemkoView"));
    setStyleSheet(QStringLiteral("#ZemkoView { background: black; }"));
    AppManager::instance()->setMainView(this);
}

ZemkoView::~ZemkoView() = default;

void ZemkoView::closeEvent(QCloseEvent *event)
{
    settingsValue(QStringLiteral("mainWindowSize"), size(), true);
    QWidget::closeEvent(event);
}
