#include "LogoWidget.h"

#include "ui_LogoWidget.h"

LogoWidget::LogoWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::LogoWidget>())
{
    ui->setupUi(this);
}

LogoWidget::~LogoWidget() = default;
