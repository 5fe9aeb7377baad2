#include "gui/views/SceneGeometry.h"

#include "gui/views/ViewNumberText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korva::gui {

namespace {

// The value of pi the bell angle of the 3-D view is converted with.
constexpr double SceneBellPi = 3.14;

constexpr TRgba ShaftGrey{0.25F, 0.25F, 0.25F, 1.0F};
constexpr TRgba RingOrange{1.0F, 0.5F, 0.0F, 1.0F};
constexpr TRgba WaterBlue{0.0F, 0.0F, 1.0F, 1.0F};
constexpr float WaterPlaneAlpha = 0.75F;
constexpr float WaterSymbolAlpha = 0.5F;
constexpr float SoilFaceAlpha = 0.5F;

TRgba WithAlpha(TRgba colour, float alpha)
{
    colour.a = alpha;
    return colour;
}

TVec3 Minus(const TVec3& a, const TVec3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

double Dot(const TVec3& a, const TVec3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

TPrimitive Fan(std::vector<TVec3> polygon, const TVec3& inside, TRgba colour)
{
    OrientOutward(polygon, inside);
    return {TPrimitiveKind::TriangleFan, colour, std::move(polygon)};
}

void AddRing(TSceneList& list, double diameter, double z)
{
    list.Primitives.push_back({TPrimitiveKind::LineLoop, RingOrange, CircleVertices(diameter, z)});
}

} // namespace

double SceneShaftLength(const TViewProject& project)
{
    return project.METHOD == 1 ? project.LastLayerBottom() : project.PD;
}

TSceneExtent SceneExtentOf(const TViewProject& project)
{
    TSceneExtent e;
    e.Zmax = std::max(SceneShaftLength(project), project.LastLayerBottom());
    e.G = std::max(12.5 * project.DSTART, project.WTD);
    e.M = std::max(2.0 * e.Zmax, e.G);
    e.Wx = 2.0 * e.G;
    e.zc = -e.Zmax / 2.0;
    return e;
}

double FitZoom(int clientWidth, int clientHeight, const TSceneExtent& extent, double previous)
{
    // Each direction that has a size counts; a scene of no size keeps the zoom it had.
    auto fit = [&](double margin) {
        double zoom = HUGE_VAL;
        if (extent.Wx > 0.0)
            zoom = std::min(zoom, (clientWidth - margin) / extent.Wx);
        if (extent.M > 0.0)
            zoom = std::min(zoom, (clientHeight - margin) / extent.M);
        return zoom;
    };
    double zoom = fit(50.0);
    // A window too small for the margin is filled without it, so the scene is never mirrored.
    if (!(zoom > 0.0))
        zoom = fit(0.0);
    if (!(zoom > 0.0) || !std::isfinite(zoom))
        return previous;
    return zoom;
}

double ProjectionDepth(int width, int height, const TSceneExtent& extent, double D)
{
    const double ratio = D > 0.0 && extent.M > 0.0 ? extent.M / (25.0 * D) : 1.0;
    return 640.0 * (std::min(width, height) / 2.0) * ratio;
}

TRgba SoilLayerColour(std::size_t k)
{
    // Colours of the soil layer rows, repeating every ten rows:
    //   k mod 10:  0             1               2              3 and 7
    //              4             5               6              8              9
    static constexpr std::array<TRgba, 10> colours{{
        {0.8F, 0.55F, 0.0F, 1.0F},
        {0.55F, 0.4F, 0.2F, 1.0F},
        {0.4F, 0.4F, 0.2F, 1.0F},
        {0.4F, 0.4F, 0.55F, 1.0F},
        {0.0F, 0.5F, 0.5F, 1.0F},
        {0.2F, 0.2F, 0.55F, 1.0F},
        {0.8F, 0.0F, 0.8F, 1.0F},
        {0.4F, 0.4F, 0.55F, 1.0F},
        {0.15F, 0.15F, 0.45F, 1.0F},
        {0.65F, 0.4F, 0.2F, 1.0F},
    }};
    return colours[k % colours.size()];
}

std::string SceneLayerName(int kind, std::size_t row)
{
    static constexpr std::array<const char*, 9> names{"Sand",
                                                      "Clay",
                                                      "Shale",
                                                      "Strong Rock(FHWA)",
                                                      "Decomposed Rock",
                                                      "Weak Rock",
                                                      "Strong Rock",
                                                      "Gravelly Sand",
                                                      "Gravel"};
    if (kind >= 1 && kind <= 9)
        return names[static_cast<std::size_t>(kind - 1)];
    return "Layer " + std::to_string(row + 1);
}

double SceneBellHeight(double D, double R, double theta)
{
    const double slope = std::tan(theta * SceneBellPi / 180.0);
    if (!(std::fabs(slope) > 0.0) || !std::isfinite(slope))
        return 0.0;
    return std::fabs(D * R - D) / 2.0 / slope;
}

TShaftModel BuildShaftModel(const TViewProject& p)
{
    TShaftModel m;
    const double D = p.DSTART;
    const double L = SceneShaftLength(p);
    const double Lt = p.TOPLENG;
    const double Lb = p.BS;
    m.Belled = p.RATIO > 0.0 && p.BELANGL > 0.0;
    m.BellHeight = m.Belled ? SceneBellHeight(D, p.RATIO, p.BELANGL) : 0.0;
    m.EffectiveLength = L - Lt - Lb - m.BellHeight;
    const TRgba ignored =
        m.Belled ? TRgba{0.25F, 0.25F, 0.0F, 1.0F} : TRgba{0.5F, 0.5F, 0.0F, 1.0F};

    m.Discs.push_back({0.0, D, true});
    m.Rings.push_back({0.0, D});
    if (Lt > 0.0) {
        m.Rings.push_back({-Lt, D});
        m.Surfaces.push_back({0.0, -Lt, D, D, ignored});
    }
    const double effectiveBottom = -(Lt + m.EffectiveLength);
    m.Surfaces.push_back({-Lt, effectiveBottom, D, D, ShaftGrey});
    if (Lb > 0.0) {
        m.Rings.push_back({effectiveBottom, D});
        m.Surfaces.push_back({effectiveBottom, effectiveBottom - Lb, D, D, ignored});
    }
    if (m.Belled) {
        const double bellTop = -L + m.BellHeight;
        const double base = p.RATIO * D;
        m.Surfaces.push_back({bellTop, -L, D, base, ShaftGrey});
        m.Discs.push_back({-L, base, false});
        m.Rings.push_back({-L, base});
        m.Rings.push_back({bellTop, D});
    } else {
        m.Discs.push_back({-L, D, false});
        m.Rings.push_back({-L, D});
    }
    return m;
}

std::vector<TVec3> CircleVertices(double diameter, double z, int sides)
{
    std::vector<TVec3> vertices;
    vertices.reserve(static_cast<std::size_t>(sides));
    for (int i = 0; i < sides; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / sides;
        vertices.push_back({diameter / 2.0 * std::cos(angle), diameter / 2.0 * std::sin(angle), z});
    }
    return vertices;
}

std::vector<TPrimitive> SideSurfacePrimitives(const TShaftSurface& s)
{
    const std::vector<TVec3> top = CircleVertices(s.DiameterTop, s.ZTop);
    const std::vector<TVec3> bottom = CircleVertices(s.DiameterBottom, s.ZBottom);
    std::vector<TPrimitive> faces;
    const std::size_t n = top.size();
    // A side face of no height has nothing to show.
    if (s.ZTop == s.ZBottom)
        return faces;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        std::vector<TVec3> face{bottom[i], bottom[j], top[j], top[i]};
        const TVec3 axis{0.0, 0.0, (s.ZTop + s.ZBottom) / 2.0};
        faces.push_back(Fan(std::move(face), axis, s.Colour));
    }
    return faces;
}

TVec3 PolygonNormal(const std::vector<TVec3>& polygon)
{
    // Newell's method: robust for any planar polygon whatever its first corners.
    TVec3 n;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const TVec3& a = polygon[i];
        const TVec3& b = polygon[(i + 1) % polygon.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

void OrientOutward(std::vector<TVec3>& polygon, const TVec3& inside)
{
    if (polygon.empty())
        return;
    TVec3 centre;
    for (const TVec3& v : polygon) {
        centre.x += v.x / static_cast<double>(polygon.size());
        centre.y += v.y / static_cast<double>(polygon.size());
        centre.z += v.z / static_cast<double>(polygon.size());
    }
    if (Dot(PolygonNormal(polygon), Minus(centre, inside)) < 0.0)
        std::reverse(polygon.begin() + 1, polygon.end());
}

TSceneList BuildSoilList(const TViewProject& p, const TSceneShowFlags& show,
                         const TSceneExtent& extent)
{
    TSceneList list;
    const double G = extent.G;
    const double D = p.DSTART;

    if (show.SoilLayers) {
        double top = 0.0;
        for (std::size_t r = 0; r < p.Layers.size(); ++r) {
            const double bottom = p.Layers[r].Bottom;
            const double zt = -top;
            const double zb = -bottom;
            const TRgba colour = SoilLayerColour(r);
            const TVec3 inside{0.0, 0.0, (zt + zb) / 2.0};
            const std::array<TVec3, 8> c{{{-G, -G, zb},
                                          {G, -G, zb},
                                          {G, G, zb},
                                          {-G, G, zb},
                                          {-G, -G, zt},
                                          {G, -G, zt},
                                          {G, G, zt},
                                          {-G, G, zt}}};
            // Faces: bottom, top, and the four sides. Where two layers meet, the boundary is
            // drawn by the edges only: a translucent face there would stack with every layer
            // below it, hiding the shaft from any raised view and multiplying the fill work.
            static constexpr std::array<std::array<int, 4>, 6> faces{{{0, 1, 2, 3},
                                                                      {4, 5, 6, 7},
                                                                      {0, 1, 5, 4},
                                                                      {1, 2, 6, 5},
                                                                      {2, 3, 7, 6},
                                                                      {3, 0, 4, 7}}};
            const bool deepest = r + 1 == p.Layers.size();
            if (bottom != top)
                for (std::size_t f = 0; f < faces.size(); ++f) {
                    if ((f == 0 && !deepest) || (f == 1 && r != 0))
                        continue;
                    const auto& face = faces[f];
                    list.Primitives.push_back(Fan({c[face[0]], c[face[1]], c[face[2]], c[face[3]]},
                                                  inside, WithAlpha(colour, SoilFaceAlpha)));
                }
            static constexpr std::array<std::array<int, 2>, 12> edges{{{0, 1},
                                                                       {1, 2},
                                                                       {2, 3},
                                                                       {3, 0},
                                                                       {4, 5},
                                                                       {5, 6},
                                                                       {6, 7},
                                                                       {7, 4},
                                                                       {0, 4},
                                                                       {1, 5},
                                                                       {2, 6},
                                                                       {3, 7}}};
            TPrimitive lines{TPrimitiveKind::Lines, WithAlpha(colour, 1.0F), {}};
            for (const auto& e : edges) {
                lines.Vertices.push_back(c[e[0]]);
                lines.Vertices.push_back(c[e[1]]);
            }
            list.Primitives.push_back(std::move(lines));

            if (show.LayerDepths) {
                list.Labels.push_back({{-G, -G, -top}, SceneNumberLabel(top)});
                if (r + 1 == p.Layers.size())
                    list.Labels.push_back({{-G, -G, -bottom}, SceneNumberLabel(bottom)});
            }
            if (show.LayerLabels)
                list.Labels.push_back(
                    {{G, G, -(top + bottom) / 2.0}, SceneLayerName(p.Layers[r].Kind, r)});
            top = bottom;
        }
    }

    if (show.WaterLevel) {
        const double zw = -p.WTD;
        std::vector<TVec3> plane{{-G, -G, zw}, {G, -G, zw}, {G, G, zw}, {-G, G, zw}};
        list.Primitives.push_back(
            Fan(plane, {0.0, 0.0, zw - 1.0}, WithAlpha(WaterBlue, WaterPlaneAlpha)));
        list.Primitives.push_back({TPrimitiveKind::LineLoop, WaterBlue, plane});
        // 5 x 5 inverted square pyramids: base D/2 x D/2 at D/2 above the plane, apex on it.
        const double h = D / 4.0;
        const double zb = zw + D / 2.0;
        for (int i = 0; i < 5; ++i)
            for (int j = 0; j < 5; ++j) {
                const double cx = -G + D / 2.0 + i * (2.0 * G - D) / 4.0;
                const double cy = -G + D / 2.0 + j * (2.0 * G - D) / 4.0;
                const TVec3 apex{cx, cy, zw};
                const std::array<TVec3, 4> base{{{cx - h, cy - h, zb},
                                                 {cx + h, cy - h, zb},
                                                 {cx + h, cy + h, zb},
                                                 {cx - h, cy + h, zb}}};
                const TVec3 inside{cx, cy, (zw + zb) / 2.0};
                const TRgba fill = WithAlpha(WaterBlue, WaterSymbolAlpha);
                if (D > 0.0) {
                    list.Primitives.push_back(
                        Fan({base[0], base[1], base[2], base[3]}, inside, fill));
                    for (std::size_t k = 0; k < 4; ++k)
                        list.Primitives.push_back(
                            Fan({apex, base[k], base[(k + 1) % 4]}, inside, fill));
                }
                list.Primitives.push_back(
                    {TPrimitiveKind::LineLoop, WaterBlue, {base[0], base[1], base[2], base[3]}});
                TPrimitive flanks{TPrimitiveKind::Lines, WaterBlue, {}};
                for (const TVec3& corner : base) {
                    flanks.Vertices.push_back(apex);
                    flanks.Vertices.push_back(corner);
                }
                list.Primitives.push_back(std::move(flanks));
            }
    }
    return list;
}

TSceneList BuildShaftList(const TViewProject& project, const TSceneShowFlags& show)
{
    TSceneList list;
    if (!show.Shaft)
        return list;
    const TShaftModel model = BuildShaftModel(project);
    for (const TShaftSurface& surface : model.Surfaces)
        for (TPrimitive& face : SideSurfacePrimitives(surface))
            list.Primitives.push_back(std::move(face));
    for (const TShaftDisc& disc : model.Discs) {
        std::vector<TVec3> polygon = CircleVertices(disc.Diameter, disc.Z);
        if (disc.Diameter > 0.0)
            list.Primitives.push_back(Fan(std::move(polygon),
                                          {0.0, 0.0, disc.FacingUp ? disc.Z - 1.0 : disc.Z + 1.0},
                                          ShaftGrey));
    }
    for (const TShaftRing& ring : model.Rings)
        AddRing(list, ring.Diameter, ring.Z);
    return list;
}

TSceneList BuildAxes(double length)
{
    TSceneList list;
    const TVec3 origin;
    const TRgba blue{0.0F, 0.0F, 1.0F, 1.0F};
    const TRgba green{0.0F, 1.0F, 0.0F, 1.0F};
    const TRgba red{1.0F, 0.0F, 0.0F, 1.0F};
    list.Primitives.push_back({TPrimitiveKind::Lines, blue, {origin, {length, 0.0, 0.0}}});
    list.Primitives.push_back({TPrimitiveKind::Lines, green, {origin, {0.0, length, 0.0}}});
    list.Primitives.push_back({TPrimitiveKind::Lines, red, {origin, {0.0, 0.0, -length}}});
    list.Labels.push_back({{length, 0.0, 0.0}, "X"});
    list.Labels.push_back({{0.0, length, 0.0}, "Y"});
    list.Labels.push_back({{0.0, 0.0, -length}, "D"});
    return list;
}

} // namespace korva::gui
