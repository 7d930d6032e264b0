#include "ToolHud.h"

#include "ApplyFontToChildren.h"
#include "SliderMath.h"
#include "ui_ToolHud.h"

#include <QCloseEvent>
#include <QSignalBlocker>

ToolHud::ToolHud(int page, int value, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ToolHud>())
    , m_page(page)
    , m_value(value)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    connect(ui->verticalSlider, &VideoVerticalSlider::pslsliderReleased, this,
            &ToolHud::sliderReleased);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                   | Qt::NoDropShadowWindowHint);

    ui->stackedWidget->setCurrentIndex(m_page);
    if (m_page == 1) {
        QPushButton *current = m_value == 2 ? ui->pushButton2
            : m_value == 1                  ? ui->pushButton
                                            : ui->pushButton3;
        current->setChecked(true);
    } else {
        ui->verticalSlider->setValue(m_value);
    }
    applyFontToChildren(this);
}

ToolHud::~ToolHud() = default;

void ToolHud::closeEvent(QCloseEvent *event)
{
    emit hudClosed();
    QWidget::closeEvent(event);
}

void ToolHud::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        applyFontToChildren(this);
    }
    QWidget::changeEvent(event);
}

void ToolHud::on_pushButton2_clicked()
{
    emit postChange(0);
}

void ToolHud::on_pushButton_clicked()
{
    emit postChange(1);
}

void ToolHud::on_pushButton3_clicked()
{
    emit postChange(2);
}

void ToolHud::on_verticalSlider_sliderMoved(int position)
{
    emit postChange(position);
}

void ToolHud::sliderReleased()
{
    const int snapped = SliderMath::snappedReleaseValue(ui->verticalSlider->sliderPosition());
    if (snapped != ui->verticalSlider->sliderPosition()) {
        // Moving a pressed slider reports sliderMoved; the snap is reported
        // once, below.
        const QSignalBlocker blocker(ui->verticalSlider);
        ui->verticalSlider->setValue(snapped);
    }
    emit postChange(snapped);
}
