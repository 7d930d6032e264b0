#pragma once

#include "VideoDataPSL.h"

#include <QByteArray>
#include <QOpenGLExtraFunctions>
#include <QOpenGLWidget>

#include <memory>

class GPUProgram;
class Model;
class Texture2D;

// Shows one playback channel: uploads the Y, U and V planes of the latest
// frame into three textures and draws them through the YUV shader, keeping
// the picture's aspect and growing it for zoom.
//
// GUI thread only. Frames arrive as queued updateTexture2D calls; the view
// keeps shared references to the latest accepted frame only and drops frames
// that arrive before the previous one was painted.
class VideoRender : public QOpenGLWidget, protected QOpenGLExtraFunctions
{
    Q_OBJECT
public:
    struct Statistics
    {
        quint64 offered = 0; // frames given to updateTexture2D
        quint64 taken = 0; // frames accepted for painting
        quint64 shown = 0; // accepted frames that were painted
    };

    explicit VideoRender(QWidget *parent = nullptr);
    ~VideoRender() override;

    void setControlView(QWidget *controlView) { m_controlView = controlView; }
    QWidget *controlView() const { return m_controlView; }
    double zoom() const { return m_zoom; }
    QSize pictureSize() const { return QSize(m_defaultWidth, m_defaultHeight); }
    Statistics statistics() const { return m_statistics; }

public slots:
    void initTexture(int width, int height, float rate);
    void updateTexture2D(VideoDataPSL frame);
    void closeTexture2D();
    void closeSmpTex();
    void closeZoomAction();
    void setScaleFactorZero();
    void initSmpTex();
    void zoomOut(int level);
    void zoomIn(int level);

signals:
    void playViewShowChange(QWidget *view, int stor);

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setZoom(double zoom);
    void releaseGLResources();
    void deleteTextures();
    bool frameFits(const VideoDataPSL &frame) const;

    QWidget *m_controlView = nullptr; // not owned
    std::unique_ptr<Texture2D> m_textureY;
    std::unique_ptr<Texture2D> m_textureU;
    std::unique_ptr<Texture2D> m_textureV;
    std::unique_ptr<GPUProgram> m_program; // limited range
    std::unique_ptr<GPUProgram> m_programFullRange; // full range
    std::unique_ptr<Model> m_model;

    int m_textureWidth = 0;
    int m_textureHeight = 0;
    int m_defaultWidth = 0;
    int m_defaultHeight = 0;
    int m_expectedFrameSize = 0;
    int m_lastFrameSize = 0;
    float m_aspect = 0.0f;
    double m_devicePixelRatio = 1.0;
    // Set by initTexture, cleared by closeTexture2D: frames are taken only
    // while the view is prepared for a picture size.
    bool m_prepared = false;
    QByteArray m_planes[3];
    bool m_frameFullRange = false;
    bool m_frameConsumed = false;
    bool m_frameFresh = false;
    double m_zoom = 0.0;
    Statistics m_statistics;
};
