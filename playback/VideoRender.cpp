#include "VideoRender.h"

#include "GLSupport.h"
#include "GPUProgram.h"
#include "Model.h"
#include "RepaintPacer.h"
#include "Texture2D.h"
#include "VideoViewport.h"

#include <QApplication>
#include <QDebug>
#include <QEvent>
#include <QGuiApplication>
#include <QMatrix4x4>
#include <QOpenGLContext>
#include <QOpenGLShader>
#include <QScreen>

namespace {

// Makes the view's context current for GL work outside paintGL, and undoes
// that afterwards; a no-op inside paintGL or before the view has a context.
class CurrentContext
{
public:
    explicit CurrentContext(QOpenGLWidget *view)
        : m_view(view)
    {
        if (view->context() && QOpenGLContext::currentContext() != view->context()) {
            view->makeCurrent();
            m_made = true;
        }
    }
    ~CurrentContext()
    {
        if (m_made)
            m_view->doneCurrent();
    }
    CurrentContext(const CurrentContext &) = delete;
    CurrentContext &operator=(const CurrentContext &) = delete;
    bool available() const { return m_view->context() != nullptr; }

private:
    QOpenGLWidget *m_view;
    bool m_made = false;
};

} // namespace

VideoRender::VideoRender(QWidget *parent)
    : QOpenGLWidget(parent)
{
    qRegisterMetaType<VideoDataPSL>("VideoDataPSL");
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *screen : screens)
        m_devicePixelRatio = screen->devicePixelRatio();
    installEventFilter(this);
    setAttribute(Qt::WA_MouseTracking);
}

VideoRender::~VideoRender()
{
    closeTexture2D();
    {
        CurrentContext current(this);
        releaseGLResources();
    }
    removeEventFilter(this);
    qDebug().noquote() << "VideoRender close";
}

void VideoRender::initializeGL()
{
    initializeOpenGLFunctions();
    // A widget moved to another window gets a new context: everything made
    // in the old one goes with it and is made again lazily.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        CurrentContext current(this);
        releaseGLResources();
    });
    m_program = std::make_unique<GPUProgram>(
        this, QOpenGLShader::Vertex, QStringLiteral(":/Resources/Video_vertex.glsl"),
        QOpenGLShader::Fragment, QStringLiteral(":/Resources/Video_fragment_YUV.glsl"));
    m_programFullRange = std::make_unique<GPUProgram>(
        this, QOpenGLShader::Vertex, QStringLiteral(":/Resources/Video_vertex.glsl"),
        QOpenGLShader::Fragment, QStringLiteral(":/Resources/Video_fragment_YUVJ.glsl"));
    m_model = std::make_unique<Model>(QStringLiteral(":/Resources/quad.obj"));
    glEnable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    if (!checkGLError() || !m_program->isValid() || !m_programFullRange->isValid()
        || !m_model->isValid())
        qDebug().noquote() << "VideoRender: OpenGL initialisation failed, the view stays black";
}

void VideoRender::resizeGL(int w, int h)
{
    glViewport(0, 0, w, h);
}

void VideoRender::releaseGLResources()
{
    deleteTextures();
    if (m_program)
        m_program->release();
    m_program.reset();
    m_programFullRange.reset();
    m_model.reset();
}

void VideoRender::initTexture(int width, int height, float rate)
{
    Q_UNUSED(rate)
    qDebug().noquote() << "initTexture";
    closeTexture2D();
    m_defaultWidth = m_textureWidth = qMax(0, width);
    m_defaultHeight = m_textureHeight = qMax(0, height);
    m_expectedFrameSize = m_defaultWidth * m_defaultHeight;
    m_planes[0].resize(m_expectedFrameSize);
    m_planes[1].resize((m_defaultHeight / 2) * (m_defaultWidth / 2));
    m_planes[2].resize((m_defaultHeight / 2) * (m_defaultWidth / 2));
    m_aspect = m_defaultHeight > 0 ? float(m_defaultWidth) / float(m_defaultHeight) : 0.0f;
    m_lastFrameSize = 0;
    m_prepared = true;
    initSmpTex();
    m_frameConsumed = true;
}

void VideoRender::initSmpTex()
{
    if (m_textureY || m_textureWidth <= 0 || m_textureHeight <= 0)
        return;
    // Before the view is first shown it has no context; paintGL makes the
    // textures then.
    CurrentContext current(this);
    if (!current.available())
        return;
    const int halfWidth = m_textureWidth / 2;
    const int halfHeight = m_textureHeight / 2;
    m_textureY = std::make_unique<Texture2D>(m_textureWidth, m_textureHeight, GL_LUMINANCE,
                                             GL_LUMINANCE, nullptr, QStringLiteral("smpTex4"));
    m_textureV = std::make_unique<Texture2D>(halfWidth, halfHeight, GL_LUMINANCE, GL_LUMINANCE,
                                             nullptr, QStringLiteral("smpTex4V"));
    m_textureU = std::make_unique<Texture2D>(halfWidth, halfHeight, GL_LUMINANCE, GL_LUMINANCE,
                                             nullptr, QStringLiteral("smpTex4U"));
    qDebug().noquote() << "VideoRender VideoFiles resolution :::::" << m_textureWidth << "   "
                       << m_textureHeight;
}

bool VideoRender::frameFits(const VideoDataPSL &frame) const
{
    const int chromaSize = (m_defaultWidth / 2) * (m_defaultHeight / 2);
    return !frame.planes[0].isEmpty() && frame.planes[0].size() == m_expectedFrameSize
        && frame.planes[1].size() >= chromaSize && frame.planes[2].size() >= chromaSize;
}

void VideoRender::updateTexture2D(VideoDataPSL frame)
{
    ++m_statistics.offered;
    // The size libvlc negotiated wins over the one the view was prepared
    // with (a probe that found none, a record of another size).
    if (m_prepared && frame.width > 0 && frame.height > 0
        && frame.planes[0].size() == frame.width * frame.height
        && (frame.width != m_defaultWidth || frame.height != m_defaultHeight)) {
        qDebug().noquote() << "VideoRender: picture size changed to" << frame.width << "x"
                           << frame.height;
        initTexture(frame.width, frame.height, 1.0f);
    }
    if (m_prepared && m_frameConsumed && frameFits(frame)) {
        m_frameConsumed = false;
        m_frameFresh = true;
        m_lastFrameSize = frame.planes[0].size();
        for (int plane = 0; plane < 3; ++plane)
            m_planes[plane] = frame.planes[plane];
        m_frameFullRange = frame.fullRange;
        ++m_statistics.taken;
    }
    RepaintPacer::instance()->request(this);
}

void VideoRender::paintGL()
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (m_prepared)
        initSmpTex();
    GPUProgram *program = m_frameFullRange ? m_programFullRange.get() : m_program.get();
    if (m_planes[0].isEmpty() || m_lastFrameSize != m_expectedFrameSize || !m_textureY
        || !m_textureU || !m_textureV || !program || !program->isValid() || !m_model)
        return;

    const QRect viewport = videoViewport(width(), height(), m_devicePixelRatio, m_aspect, m_zoom);
    glViewport(viewport.x(), viewport.y(), viewport.width(), viewport.height());

    const int halfWidth = m_textureWidth / 2;
    const int halfHeight = m_textureHeight / 2;
    m_textureY->update(m_textureWidth, m_textureHeight, m_textureWidth, m_planes[0].constData());
    m_textureU->update(halfWidth, halfHeight, halfWidth, m_planes[1].constData());
    m_textureV->update(halfWidth, halfHeight, halfWidth, m_planes[2].constData());

    m_model->bind(program);
    m_model->setTexture("smp1", m_textureY.get());
    m_model->setTexture("smp2", m_textureU.get());
    m_model->setTexture("smp3", m_textureV.get());
    m_model->draw(QMatrix4x4(), QMatrix4x4());

    m_frameConsumed = true;
    if (m_frameFresh) {
        m_frameFresh = false;
        ++m_statistics.shown;
    }
}

void VideoRender::deleteTextures()
{
    m_textureY.reset();
    m_textureU.reset();
    m_textureV.reset();
}

void VideoRender::closeTexture2D()
{
    m_prepared = false;
    if (!m_textureY)
        return;
    CurrentContext current(this);
    deleteTextures();
}

void VideoRender::closeSmpTex()
{
    closeTexture2D();
    update();
}

void VideoRender::setZoom(double zoom)
{
    m_zoom = zoom;
    // Repaint now so a paused picture shows the new zoom too.
    update();
}

void VideoRender::closeZoomAction()
{
    setZoom(0.0);
}

void VideoRender::setScaleFactorZero()
{
    setZoom(0.0);
}

void VideoRender::zoomOut(int level)
{
    setZoom(zoomForLevel(level));
    qDebug().noquote() << "缩小级别::" << m_zoom;
}

void VideoRender::zoomIn(int level)
{
    setZoom(zoomForLevel(level));
    qDebug().noquote() << "放大级别::" << m_zoom;
}

bool VideoRender::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != this || event->type() != QEvent::MouseButtonRelease)
        return QOpenGLWidget::eventFilter(watched, event);
    if (m_controlView) {
        qDebug().noquote() << "点击了鼠标主窗口";
        QWidget *window = QApplication::activeWindow();
        if (window && window->isFullScreen())
            m_controlView->setVisible(m_controlView->isHidden());
    } else {
        qDebug().noquote() << "点击了鼠标相应前后路切换";
        emit playViewShowChange(this, objectName().remove(QStringLiteral("widget")).toInt());
    }
    return true;
}
