#pragma once

#include <QOpenGLFunctions_2_1>
#include <QOpenGLWidget>

#include <functional>

class QPainter;

namespace korva::gui {

// The OpenGL drawing surface of the 3-D view: a fixed-function (compatibility) context that
// the view's render routine draws into. Painting opens a painter on the control so that the
// routine can wrap its OpenGL calls in native painting and write fixed-size text over them.
class TglWindow : public QOpenGLWidget, public QOpenGLFunctions_2_1
{
    Q_OBJECT
  public:
    explicit TglWindow(QWidget* parent = nullptr);

    // The view's render routine.
    std::function<void(QPainter&)> PaintHandler;
    // Called when the control's size changed (a new set-up is due).
    std::function<void()> Resized;
    std::function<void(QMouseEvent*)> MousePressed;
    std::function<void(QMouseEvent*)> MouseMoved;
    std::function<void(QMouseEvent*)> MouseReleased;

    // Draws one frame into the control's framebuffer at once and waits until OpenGL has
    // finished it, without presenting it on the screen (for timing the scene alone).
    void RenderFrame();

    // True once the OpenGL functions of the context are resolved.
    bool Ready() const { return fReady; }

  protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool fReady = false;
};

// Asks for the OpenGL context the 3-D view needs (version 2.1 compatibility profile with a
// 24-bit depth buffer and no alpha buffer); call before the application object is created.
void RequestSceneSurfaceFormat();

} // namespace korva::gui
