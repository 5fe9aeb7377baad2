#include "gui/views/GlWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSurfaceFormat>

namespace korva::gui {

TglWindow::TglWindow(QWidget* parent) : QOpenGLWidget(parent)
{
    setObjectName("glWindow");
    setMouseTracking(false);
    // Clicked, the control takes the focus, which makes its window the active one.
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(50, 50);
}

void TglWindow::initializeGL()
{
    fReady = initializeOpenGLFunctions();
}

void TglWindow::resizeGL(int width, int height)
{
    if (fReady) {
        const qreal ratio = devicePixelRatioF();
        glViewport(0, 0, static_cast<GLsizei>(width * ratio), static_cast<GLsizei>(height * ratio));
    }
    if (Resized)
        Resized();
}

void TglWindow::paintGL()
{
    QPainter painter(this);
    if (!fReady) {
        painter.fillRect(rect(), Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, "OpenGL 2.1 is not available.");
        return;
    }
    if (PaintHandler)
        PaintHandler(painter);
}

void TglWindow::RenderFrame()
{
    makeCurrent();
    paintGL();
    if (fReady)
        glFinish();
    doneCurrent();
}

void TglWindow::mousePressEvent(QMouseEvent* event)
{
    if (MousePressed)
        MousePressed(event);
}

void TglWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (MouseMoved)
        MouseMoved(event);
}

void TglWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (MouseReleased)
        MouseReleased(event);
}

void RequestSceneSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setAlphaBufferSize(0);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    QSurfaceFormat::setDefaultFormat(format);
}

} // namespace korva::gui
