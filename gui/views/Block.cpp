#include "gui/views/Block.h"

#include "gui/results/ResultGraphs.h"
#include "gui/views/GlWindow.h"
#include "gui/views/PileDiagrams.h"
#include "gui/views/ViewProject.h"

#include <QAction>
#include <QActionGroup>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include <cmath>

namespace korva::gui {

namespace {

constexpr const char* Caption = "3-D View";

// Window systems without OpenGL windows (headless runs) get a notice instead of the scene.
bool OpenGlWindowsAvailable()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

GLenum ModeOf(TPrimitiveKind kind)
{
    switch (kind) {
    case TPrimitiveKind::TriangleFan:
        return GL_TRIANGLE_FAN;
    case TPrimitiveKind::LineStrip:
        return GL_LINE_STRIP;
    case TPrimitiveKind::LineLoop:
        return GL_LINE_LOOP;
    case TPrimitiveKind::Lines:
        return GL_LINES;
    }
    return GL_LINES;
}

// Window coordinates (logical pixels, y down) of a scene point under the given column-major
// model-view and projection matrices; none behind the projection's depth range.
std::optional<QPointF> Project(const TVec3& v, const std::array<double, 16>& mv,
                               const std::array<double, 16>& p, int width, int height)
{
    double eye[4];
    for (int r = 0; r < 4; ++r)
        eye[r] = mv[r] * v.x + mv[4 + r] * v.y + mv[8 + r] * v.z + mv[12 + r];
    double clip[4];
    for (int r = 0; r < 4; ++r)
        clip[r] = p[r] * eye[0] + p[4 + r] * eye[1] + p[8 + r] * eye[2] + p[12 + r] * eye[3];
    if (clip[3] == 0.0)
        return std::nullopt;
    const double x = clip[0] / clip[3];
    const double y = clip[1] / clip[3];
    return QPointF((x + 1.0) / 2.0 * width, height - (y + 1.0) / 2.0 * height);
}

// Pictures of the view's tool buttons, drawn at run time (32 px, scaled by the tool bar).
QIcon ViewToolIcon(const QString& caption)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen pen(QColor(0x20, 0x20, 0x60), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    auto arrow = [&](QPointF from, QPointF to) {
        p.drawLine(from, to);
        const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
        const QPointF n(-d.y(), d.x());
        p.drawLine(to, to - 5 * d + 4 * n);
        p.drawLine(to, to - 5 * d - 4 * n);
    };
    auto lens = [&](double cx, double cy, double r) {
        p.drawEllipse(QPointF(cx, cy), r, r);
        p.drawLine(QPointF(cx + r * 0.7, cy + r * 0.7), QPointF(29, 29));
    };
    if (caption == "Panning") {
        arrow({16, 16}, {16, 3});
        arrow({16, 16}, {16, 29});
        arrow({16, 16}, {3, 16});
        arrow({16, 16}, {29, 16});
    } else if (caption == "Zooming") {
        lens(13, 13, 8);
        arrow({27, 20}, {27, 4});
    } else if (caption == "Rotating") {
        p.drawArc(QRectF(5, 5, 22, 22), 30 * 16, 280 * 16);
        arrow({24, 8}, {27, 13});
    } else if (caption == "Zoom Window") {
        p.setPen(QPen(QColor(0x00, 0x90, 0x00), 2, Qt::DashLine));
        p.drawRect(QRectF(3, 5, 20, 15));
        p.setPen(pen);
        lens(20, 20, 5);
    } else if (caption == "Zoom In" || caption == "Zoom Out") {
        lens(13, 13, 9);
        p.drawLine(QPointF(8, 13), QPointF(18, 13));
        if (caption == "Zoom In")
            p.drawLine(QPointF(13, 8), QPointF(13, 18));
    } else {
        // Restart View: the shaft standing upright in its block again.
        p.drawRect(QRectF(5, 9, 22, 18));
        p.setBrush(QColor(0x40, 0x40, 0x40));
        p.drawRect(QRectF(14, 5, 4, 16));
    }
    return QIcon(pixmap);
}

QFont LabelFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(14);
    return font;
}

} // namespace

TDlgBlock::TDlgBlock(const TChildWindowContext& context, QWidget* parent)
    : QWidget(parent), fContext(context)
{
    setObjectName("DlgBlock");
    setWindowTitle(Caption);
    resize(720, 600);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (OpenGlWindowsAvailable()) {
        fGl = new TglWindow(this);
        fGl->PaintHandler = [this](QPainter& painter) { Render(painter); };
        fGl->Resized = [this] { fNeedsSetUp = true; };
        fGl->MousePressed = [this](QMouseEvent* e) {
            const QPoint p = e->position().toPoint();
            fState.Press(p.x(), p.y(), e->button() == Qt::LeftButton);
            fGl->update();
        };
        fGl->MouseMoved = [this](QMouseEvent* e) {
            if (!(e->buttons() & Qt::LeftButton))
                return;
            const QPoint p = e->position().toPoint();
            fState.Move(p.x(), p.y(), e->modifiers() & Qt::ShiftModifier, fGl->width(),
                        fGl->height(), fM3);
            fGl->update();
        };
        fGl->MouseReleased = [this](QMouseEvent* e) {
            if (e->button() != Qt::LeftButton)
                return;
            const QPoint p = e->position().toPoint();
            fState.Release(p.x(), p.y(), e->modifiers() & Qt::ShiftModifier, fGl->width(),
                           fGl->height(), fM3);
            fGl->update();
        };
        layout->addWidget(fGl);
    } else {
        fNoOpenGl = new QLabel("The 3-D view needs a display with OpenGL.", this);
        fNoOpenGl->setAlignment(Qt::AlignCenter);
        fNoOpenGl->setFocusPolicy(Qt::ClickFocus);
        layout->addWidget(fNoOpenGl);
    }
    CreateCommands();
    ProjectChanged();
}

TDlgBlock::~TDlgBlock()
{
    if (fDiagrams)
        delete fDiagrams.data();
    if (fGl != nullptr && fLists != 0 && fGl->Ready()) {
        fGl->makeCurrent();
        fGl->glDeleteLists(fLists, 2);
        fGl->doneCurrent();
    }
}

void TDlgBlock::CreateCommands()
{
    auto command = [this](const QString& caption, std::function<void()> run, bool checkable) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString(caption).remove(' '));
        action->setToolTip(caption);
        action->setCheckable(checkable);
        connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
        return action;
    };
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    fToolCommands << separator;
    fModeGroup = new QActionGroup(this);
    fModeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    const std::pair<const char*, TMouseMode> modes[] = {{"Panning", TMouseMode::Panning},
                                                        {"Zooming", TMouseMode::Zooming},
                                                        {"Rotating", TMouseMode::Rotating},
                                                        {"Zoom Window", TMouseMode::ZoomWindow}};
    for (const auto& [caption, mode] : modes) {
        QAction* action = command(
            caption, [this, mode = mode] { fState.Mode = mode; }, true);
        fModeGroup->addAction(action);
        fToolCommands << action;
    }
    fToolCommands << command(
        "Zoom In",
        [this] {
            fState.ZoomIn();
            if (fGl)
                fGl->update();
        },
        false);
    fToolCommands << command(
        "Zoom Out",
        [this] {
            fState.ZoomOut();
            if (fGl)
                fGl->update();
        },
        false);
    fToolCommands << command(
        "Restart View",
        [this] {
            fState.RestartView();
            if (fGl)
                fGl->update();
        },
        false);

    for (QAction* action : fToolCommands)
        if (!action->isSeparator())
            action->setIcon(ViewToolIcon(action->text()));

    auto toggle = [this, &command](const QString& caption, bool TSceneShowFlags::*flag) {
        QAction* action = command(
            caption,
            [this, flag] {
                fShow.*flag = !(fShow.*flag);
                Rebuild();
            },
            true);
        fShowCommands.push_back(action);
    };
    toggle("Shaft", &TSceneShowFlags::Shaft);
    toggle("Water Level", &TSceneShowFlags::WaterLevel);
    toggle("Soil Layers", &TSceneShowFlags::SoilLayers);
    toggle("Layer Labels", &TSceneShowFlags::LayerLabels);
    toggle("Layer Depths", &TSceneShowFlags::LayerDepths);
    toggle("Global Axes", &TSceneShowFlags::GlobalAxes);
    QAction* combined = command(
        "Combined Plots", [this] { CombinedPlotsClick(); }, true);
    fShowCommands.push_back(combined);
    UpdateShowMenu();
}

QList<QAction*> TDlgBlock::ToolBarCommands() const
{
    return fToolCommands;
}

void TDlgBlock::FillMenu(QMenu& menu)
{
    for (QAction* action : fShowCommands) {
        if (action->text() == QLatin1String("Combined Plots"))
            menu.addSeparator();
        menu.addAction(action);
    }
    connect(&menu, &QMenu::aboutToShow, this, [this] { UpdateShowMenu(); });
}

QAction* TDlgBlock::Command(const QString& caption) const
{
    for (QAction* action : fToolCommands)
        if (action->text() == caption)
            return action;
    for (QAction* action : fShowCommands)
        if (action->text() == caption)
            return action;
    return nullptr;
}

void TDlgBlock::UpdateShowMenu()
{
    const bool flags[] = {fShow.Shaft,       fShow.WaterLevel,  fShow.SoilLayers,
                          fShow.LayerLabels, fShow.LayerDepths, fShow.GlobalAxes};
    for (std::size_t i = 0; i < 6; ++i)
        fShowCommands[i]->setChecked(flags[i]);
    fShowCommands[3]->setEnabled(fShow.SoilLayers);
    fShowCommands[4]->setEnabled(fShow.SoilLayers);
    QAction* combined = fShowCommands[6];
    combined->setEnabled(fContext.ResultsAvailable() && fShow.Shaft);
    combined->setChecked(fDiagramOptions.Show);
}

void TDlgBlock::ProjectChanged()
{
    const TViewProject project = ViewProjectOf(fContext.Project);
    if (fHaveProject && project == fProject && !fDiagramOptions.Show)
        return;
    // The extent follows the project as edited, so that the fit zoom keeps the scene whole.
    fProject = project;
    fHaveProject = true;
    fExtent = SceneExtentOf(fProject);
    Rebuild();
}

void TDlgBlock::SetDiagramOptions(const TDiagramOptions& options)
{
    fDiagramOptions = options;
    Rebuild();
}

void TDlgBlock::CombinedPlotsClick()
{
    UpdateShowMenu();
    if (!fDiagrams) {
        fDiagrams = new TDlgPileDiagrams(*this, window());
        fDiagrams->PlaceOver(window()->frameGeometry());
    }
    fDiagrams->ShowOptions(fDiagramOptions);
}

TDlgPileDiagrams* TDlgBlock::DiagramsDialog() const
{
    return fDiagrams.data();
}

void TDlgBlock::Rebuild()
{
    BuildScene();
    fNeedsSetUp = true;
    if (fGl)
        fGl->update();
}

const TGraphPlot& TDlgBlock::DiagramSource() const
{
    return fDiagramOptions.ResultSet == 1 ? fContext.Graphs.pltCombineD
                                          : fContext.Graphs.pltCombine;
}

void TDlgBlock::BuildScene()
{
    fSoilList = BuildSoilList(fProject, fShow, fExtent);
    fShaftList = BuildShaftList(fProject, fShow);
    // The diagrams belong to the shaft and show the results of this project's last run only.
    if (fShow.Shaft && fDiagramOptions.Show && fContext.ResultsAvailable()) {
        TSceneList diagrams = BuildDiagrams(
            DiagramSource(), fDiagramOptions,
            {fProject.DSTART, fProject.BS, fProject.UseElevation, fProject.ValElevation});
        for (TPrimitive& p : diagrams.Primitives)
            fShaftList.Primitives.push_back(std::move(p));
        for (TSceneLabel& l : diagrams.Labels)
            fShaftList.Labels.push_back(std::move(l));
    }
}

void TDlgBlock::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fNeedsSetUp = true;
}

void TDlgBlock::SetUp(int width, int height)
{
    fState.Z1 = FitZoom(width, height, fExtent, fState.Z1);
    TglWindow& gl = *fGl;
    if (fLists == 0)
        fLists = gl.glGenLists(2);
    if (fLists == 0)
        return;
    CompileList(fLists, fSoilList);
    CompileList(fLists + 1, fShaftList);
    fNeedsSetUp = false;
}

void TDlgBlock::CompileList(unsigned list, const TSceneList& scene)
{
    TglWindow& gl = *fGl;
    gl.glNewList(list, GL_COMPILE);
    for (const TPrimitive& primitive : scene.Primitives) {
        // Translucent faces leave the depth buffer alone, so the shaft behind them shows.
        gl.glDepthMask(primitive.Colour.a < 1.0F ? GL_FALSE : GL_TRUE);
        gl.glColor4f(primitive.Colour.r, primitive.Colour.g, primitive.Colour.b,
                     primitive.Colour.a);
        gl.glBegin(ModeOf(primitive.Kind));
        for (const TVec3& v : primitive.Vertices)
            gl.glVertex3d(v.x, v.y, v.z);
        gl.glEnd();
    }
    gl.glDepthMask(GL_TRUE);
    gl.glEndList();
}

void TDlgBlock::Render(QPainter& painter)
{
    TglWindow& gl = *fGl;
    const int W = fGl->width();
    const int H = fGl->height();
    painter.beginNativePainting();
    gl.glUseProgram(0);
    gl.glDisable(GL_SCISSOR_TEST);
    gl.glDisable(GL_STENCIL_TEST);
    gl.glDisable(GL_TEXTURE_2D);
    gl.glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    const qreal ratio = fGl->devicePixelRatioF();
    gl.glViewport(0, 0, static_cast<GLsizei>(W * ratio), static_cast<GLsizei>(H * ratio));
    if (fNeedsSetUp)
        SetUp(W, H);

    gl.glClearColor(1.0F, 1.0F, 1.0F, 1.0F);
    gl.glDepthMask(GL_TRUE);
    gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl.glMatrixMode(GL_PROJECTION);
    gl.glPushMatrix();
    gl.glLoadIdentity();
    const double depth = ProjectionDepth(W, H, fExtent, fProject.DSTART);
    gl.glOrtho(-W / 2.0, W / 2.0, -H / 2.0, H / 2.0, -depth, depth);
    gl.glMatrixMode(GL_MODELVIEW);
    gl.glPushMatrix();
    gl.glLoadIdentity();
    gl.glShadeModel(GL_SMOOTH);
    gl.glEnable(GL_DEPTH_TEST);
    gl.glDepthFunc(GL_LEQUAL);
    gl.glEnable(GL_CULL_FACE);
    gl.glCullFace(GL_BACK);
    gl.glFrontFace(GL_CCW);
    gl.glEnable(GL_BLEND);
    gl.glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    gl.glLineWidth(1.0F);

    gl.glRotated(-90.0, 1.0, 0.0, 0.0);
    gl.glRotated(fState.RotX, 1.0, 0.0, 0.0);
    gl.glRotated(fState.RotY, 0.0, 1.0, 0.0);
    gl.glRotated(fState.RotZ, 0.0, 0.0, 1.0);
    gl.glScaled(fState.Z2, fState.Z2, fState.Z2);
    gl.glScaled(fState.Z1, fState.Z1, fState.Z1);
    gl.glTranslated(0.0, 0.0, -fExtent.zc);
    gl.glTranslated(fState.Pan.x, fState.Pan.y, fState.Pan.z);
    gl.glGetDoublev(GL_MODELVIEW_MATRIX, fModelView.data());
    gl.glGetDoublev(GL_PROJECTION_MATRIX, fProjection.data());
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            fM3[static_cast<std::size_t>(3 * r + c)] =
                fModelView[static_cast<std::size_t>(4 * c + r)];

    // The opaque shaft first, then the translucent soil and water over it.
    if (fLists != 0) {
        gl.glCallList(fLists + 1);
        gl.glCallList(fLists);
    }
    TSceneList axes;
    if (fShow.GlobalAxes) {
        axes = BuildAxes(80.0 / (fState.Z1 * fState.Z2));
        gl.glDisable(GL_DEPTH_TEST);
        for (const TPrimitive& primitive : axes.Primitives) {
            gl.glColor4f(primitive.Colour.r, primitive.Colour.g, primitive.Colour.b, 1.0F);
            gl.glBegin(ModeOf(primitive.Kind));
            for (const TVec3& v : primitive.Vertices)
                gl.glVertex3d(v.x, v.y, v.z);
            gl.glEnd();
        }
    }
    gl.glMatrixMode(GL_MODELVIEW);
    gl.glPopMatrix();
    gl.glMatrixMode(GL_PROJECTION);
    gl.glPopMatrix();
    gl.glMatrixMode(GL_MODELVIEW);
    gl.glDisable(GL_DEPTH_TEST);
    gl.glDisable(GL_CULL_FACE);
    painter.endNativePainting();

    // Text of a fixed pixel size facing the viewer, over the scene.
    painter.setRenderHint(QPainter::TextAntialiasing);
    std::vector<QRect> written;
    DrawLabels(painter, fSoilList.Labels, written);
    DrawLabels(painter, fShaftList.Labels, written);
    DrawLabels(painter, axes.Labels, written);
    if (fState.ZoomBoxShown()) {
        painter.setPen(QPen(Qt::green, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            QRect(QPoint(fState.BoxX0(), fState.BoxY0()), QPoint(fState.BoxX(), fState.BoxY()))
                .normalized());
    }
}

void TDlgBlock::DrawLabels(QPainter& painter, const std::vector<TSceneLabel>& labels,
                           std::vector<QRect>& written)
{
    const QFont font = LabelFont();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (const TSceneLabel& label : labels) {
        const auto at =
            Project(label.Position, fModelView, fProjection, fGl->width(), fGl->height());
        if (!at)
            continue;
        const QString text = QString::fromStdString(label.Text);
        QPoint base = at->toPoint();
        // Labels that would fall on one another (the maxima of two curves at the tip) are
        // written one line apart.
        QRect box = metrics.boundingRect(text).translated(base);
        for (bool moved = true; moved;) {
            moved = false;
            for (const QRect& other : written)
                if (box.intersects(other)) {
                    const int shift = other.bottom() + 1 - box.top();
                    base.ry() += shift;
                    box.translate(0, shift);
                    moved = true;
                }
        }
        written.push_back(box);
        painter.setPen(QColor::fromRgbF(label.Colour.r, label.Colour.g, label.Colour.b));
        painter.drawText(base, text);
    }
}

std::optional<QPointF> TDlgBlock::ScreenPoint(const TVec3& point) const
{
    if (fGl == nullptr)
        return std::nullopt;
    return Project(point, fModelView, fProjection, fGl->width(), fGl->height());
}

QImage TDlgBlock::GrabScene()
{
    if (fGl == nullptr)
        return {};
    return fGl->grabFramebuffer();
}

} // namespace korva::gui
