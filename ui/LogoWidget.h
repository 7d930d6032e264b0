#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class LogoWidget;
}

// The ZEMKO logo strip of the window's title area.
class LogoWidget : public QWidget
{
    Q_OBJECT
public:
    explicit LogoWidget(QWidget *parent = nullptr);
    ~LogoWidget() override;

private:
    std::unique_ptr<Ui::LogoWidget> ui;
};
