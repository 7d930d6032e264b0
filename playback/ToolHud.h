#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ToolHud;
}

// Borderless transport pop-up: page 0 a 0..100 slider (volume, zoom), page 1
// the playback speed buttons. It deletes itself when closed.
class ToolHud : public QWidget
{
    Q_OBJECT
public:
    ToolHud(int page, int value, QWidget *parent = nullptr);
    ~ToolHud() override;

signals:
    // Slider page: the slider value. Speed page: 0 "2X", 1 "1X", 2 "0.5X".
    void postChange(int value);
    void hudClosed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_pushButton2_clicked();
    void on_pushButton_clicked();
    void on_pushButton3_clicked();
    void on_verticalSlider_sliderMoved(int position);
    void sliderReleased();

private:
    std::unique_ptr<Ui::ToolHud> ui;
    int m_page;
    int m_value;
};
