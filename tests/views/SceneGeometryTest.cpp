#include "gui/views/SceneGeometry.h"
#include "gui/views/ViewNumberText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korva::gui;

namespace {

TViewProject BelledShaft()
{
    TViewProject p;
    p.METHOD = 2;
    p.DSTART = 3.0;
    p.PD = 40.0;
    p.TOPLENG = 5.0;
    p.BS = 2.0;
    p.RATIO = 2.0;
    p.BELANGL = 30.0;
    p.WTD = 10.0;
    p.Layers = {{2, 15.0}, {1, 50.0}};
    return p;
}

double Dot(const TVec3& a, const TVec3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

TVec3 Centroid(const std::vector<TVec3>& polygon)
{
    TVec3 c;
    for (const TVec3& v : polygon) {
        c.x += v.x / polygon.size();
        c.y += v.y / polygon.size();
        c.z += v.z / polygon.size();
    }
    return c;
}

TEST(SceneGeometry, BellHeightOfTheThreeDimensionalView)
{
    // |6 - 3| / 2 / tan(30 x 3.14 / 180)
    EXPECT_NEAR(SceneBellHeight(3.0, 2.0, 30.0), 2.60, 0.005);
    EXPECT_NEAR(SceneBellHeight(3.0, 2.0, 30.0), 1.5 / std::tan(30.0 * 3.14 / 180.0), 1e-12);
    // A narrowing "bell" (R < 1) has the height of its flank too.
    EXPECT_NEAR(SceneBellHeight(3.0, 0.5, 30.0), 0.75 / std::tan(30.0 * 3.14 / 180.0), 1e-12);
}

TEST(SceneGeometry, BelledShaftPartsRingsAndDiscs)
{
    const TShaftModel m = BuildShaftModel(BelledShaft());
    ASSERT_TRUE(m.Belled);
    const double hb = SceneBellHeight(3.0, 2.0, 30.0);
    EXPECT_NEAR(m.EffectiveLength, 40.0 - 5.0 - 2.0 - hb, 1e-12);
    ASSERT_EQ(m.Surfaces.size(), 4u);
    const TRgba ignored{0.25F, 0.25F, 0.0F, 1.0F};
    const TRgba grey{0.25F, 0.25F, 0.25F, 1.0F};
    EXPECT_EQ(m.Surfaces[0].ZTop, 0.0);
    EXPECT_EQ(m.Surfaces[0].ZBottom, -5.0);
    EXPECT_EQ(m.Surfaces[0].Colour, ignored);
    EXPECT_EQ(m.Surfaces[1].ZTop, -5.0);
    EXPECT_NEAR(m.Surfaces[1].ZBottom, -(40.0 - 2.0 - hb), 1e-12);
    EXPECT_EQ(m.Surfaces[1].Colour, grey);
    EXPECT_NEAR(m.Surfaces[2].ZBottom, -(40.0 - hb), 1e-12);
    EXPECT_EQ(m.Surfaces[2].Colour, ignored);
    EXPECT_NEAR(m.Surfaces[3].ZTop, -40.0 + hb, 1e-12);
    EXPECT_EQ(m.Surfaces[3].ZBottom, -40.0);
    EXPECT_EQ(m.Surfaces[3].DiameterTop, 3.0);
    EXPECT_EQ(m.Surfaces[3].DiameterBottom, 6.0);
    ASSERT_EQ(m.Discs.size(), 2u);
    EXPECT_TRUE(m.Discs[0].FacingUp);
    EXPECT_EQ(m.Discs[1].Z, -40.0);
    EXPECT_EQ(m.Discs[1].Diameter, 6.0);
    // Rings: head, top portion's foot, bottom portion's top, base (R x D), bell top (D).
    ASSERT_EQ(m.Rings.size(), 5u);
    EXPECT_EQ(m.Rings[3].Diameter, 6.0);
    EXPECT_NEAR(m.Rings[4].Z, -40.0 + hb, 1e-12);
    EXPECT_EQ(m.Rings[4].Diameter, 3.0);

    // Straight shaft without ignored portions: head and base only, lighter ignored colour.
    TViewProject straight = BelledShaft();
    straight.RATIO = 0.0;
    straight.TOPLENG = 0.0;
    straight.BS = 3.0;
    const TShaftModel s = BuildShaftModel(straight);
    EXPECT_FALSE(s.Belled);
    ASSERT_EQ(s.Surfaces.size(), 2u);
    EXPECT_EQ(s.Surfaces[0].ZTop, 0.0);
    EXPECT_EQ(s.Surfaces[0].ZBottom, -37.0);
    EXPECT_EQ(s.Surfaces[1].Colour, (TRgba{0.5F, 0.5F, 0.0F, 1.0F}));
    EXPECT_EQ(s.Discs[1].Diameter, 3.0);
    EXPECT_EQ(s.Rings.size(), 3u);
}

TEST(SceneGeometry, DesignLoadProjectDrawsToTheLastLayerWhateverPdHolds)
{
    TViewProject p = BelledShaft();
    p.METHOD = 1;
    p.PD = 12.0;
    EXPECT_EQ(SceneShaftLength(p), 50.0);
    EXPECT_EQ(BuildShaftModel(p).Discs.back().Z, -50.0);
    p.METHOD = 2;
    EXPECT_EQ(SceneShaftLength(p), 12.0);
}

TEST(SceneGeometry, ExtentFitZoomAndWaterPlane)
{
    TViewProject p = BelledShaft();
    TSceneExtent e = SceneExtentOf(p);
    EXPECT_EQ(e.Zmax, 50.0);
    EXPECT_EQ(e.G, 37.5);
    EXPECT_EQ(e.M, 100.0);
    EXPECT_EQ(e.Wx, 75.0);
    EXPECT_EQ(e.zc, -25.0);
    EXPECT_DOUBLE_EQ(FitZoom(800, 600, e, 1.0), std::min(750.0 / 75.0, 550.0 / 100.0));
    // No room for the margin: the scene fills the window rather than turn over.
    EXPECT_DOUBLE_EQ(FitZoom(40, 40, e, 1.0), 40.0 / 100.0);
    EXPECT_DOUBLE_EQ(FitZoom(0, 0, e, 3.0), 3.0);

    // A water table deeper than 12.5 D widens the blocks to 2 WTD.
    p.WTD = 60.0;
    e = SceneExtentOf(p);
    EXPECT_EQ(e.G, 60.0);
    EXPECT_EQ(e.M, 100.0);
    const TSceneList list = BuildSoilList(p, TSceneShowFlags{}, e);
    double widest = 0.0;
    for (const TPrimitive& primitive : list.Primitives)
        for (const TVec3& v : primitive.Vertices)
            widest = std::max(widest, std::fabs(v.x));
    EXPECT_EQ(widest, 60.0);

    // WTD = 0: the plane lies at the ground surface, filled in translucent blue, facing up.
    p.WTD = 0.0;
    TSceneShowFlags waterOnly;
    waterOnly.SoilLayers = false;
    const TSceneList water = BuildSoilList(p, waterOnly, SceneExtentOf(p));
    ASSERT_FALSE(water.Primitives.empty());
    const TPrimitive& plane = water.Primitives.front();
    EXPECT_EQ(plane.Kind, TPrimitiveKind::TriangleFan);
    EXPECT_EQ(plane.Colour, (TRgba{0.0F, 0.0F, 1.0F, 0.75F}));
    for (const TVec3& v : plane.Vertices)
        EXPECT_EQ(v.z, 0.0);
    EXPECT_GT(PolygonNormal(plane.Vertices).z, 0.0);
    // 25 water symbols: base 1.5 x 1.5 at 1.5 above the plane, the first centred at -G + D/2.
    int symbolBases = 0;
    for (const TPrimitive& primitive : water.Primitives)
        if (primitive.Kind == TPrimitiveKind::LineLoop && primitive.Vertices.size() == 4 &&
            primitive.Vertices[0].z == 1.5)
            ++symbolBases;
    EXPECT_EQ(symbolBases, 25);
}

TEST(SceneGeometry, FacesFaceOutwardsForBackFaceCulling)
{
    const TViewProject p = BelledShaft();
    const TSceneExtent e = SceneExtentOf(p);
    TSceneShowFlags soilOnly;
    soilOnly.WaterLevel = false;
    const TSceneList soil = BuildSoilList(p, soilOnly, e);
    int faces = 0;
    for (const TPrimitive& primitive : soil.Primitives) {
        if (primitive.Kind != TPrimitiveKind::TriangleFan)
            continue;
        ++faces;
        const TVec3 c = Centroid(primitive.Vertices);
        EXPECT_EQ(primitive.Colour.a, 0.5F);
        const TVec3 n = PolygonNormal(primitive.Vertices);
        // Outward: each face's normal points away from the middle of its block.
        const TRgba first = SoilLayerColour(0);
        const double blockMiddle =
            primitive.Colour == TRgba{first.r, first.g, first.b, 0.5F} ? -7.5 : -32.5;
        EXPECT_GT(Dot(n, {c.x, c.y, c.z - blockMiddle}), 0.0);
    }
    // Four sides each, the ground surface on top and the deepest bottom; the boundary between
    // the two layers has no face.
    EXPECT_EQ(faces, 10);

    for (const TPrimitive& face : SideSurfacePrimitives({-5.0, -20.0, 3.0, 3.0, {}})) {
        const TVec3 c = Centroid(face.Vertices);
        EXPECT_GT(Dot(PolygonNormal(face.Vertices), {c.x, c.y, 0.0}), 0.0);
    }
    EXPECT_EQ(SideSurfacePrimitives({-5.0, -20.0, 3.0, 3.0, {}}).size(), 20u);
    const auto circle = CircleVertices(3.0, -7.0);
    ASSERT_EQ(circle.size(), 20u);
    for (const TVec3& v : circle) {
        EXPECT_NEAR(std::hypot(v.x, v.y), 1.5, 1e-12);
        EXPECT_EQ(v.z, -7.0);
    }
    // The base disc faces down, the head disc up.
    TSceneShowFlags shaftOnly;
    const TSceneList shaft = BuildShaftList(p, shaftOnly);
    int up = 0, down = 0;
    for (const TPrimitive& primitive : shaft.Primitives)
        if (primitive.Kind == TPrimitiveKind::TriangleFan && primitive.Vertices.size() == 20) {
            const double nz = PolygonNormal(primitive.Vertices).z;
            (nz > 0 ? up : down) += 1;
        }
    EXPECT_EQ(up, 1);
    EXPECT_EQ(down, 1);
    shaftOnly.Shaft = false;
    EXPECT_TRUE(BuildShaftList(p, shaftOnly).Primitives.empty());
}

TEST(SceneGeometry, LayerLabelsAndDepthLabels)
{
    TViewProject p = BelledShaft();
    p.Layers.push_back({12, 60.0});
    const TSceneExtent e = SceneExtentOf(p);
    TSceneShowFlags flags;
    flags.LayerDepths = true;
    flags.LayerLabels = true;
    const TSceneList list = BuildSoilList(p, flags, e);
    std::vector<std::string> texts;
    for (const TSceneLabel& label : list.Labels)
        texts.push_back(label.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"0.000E+00", "Clay", "15.000", "Sand", "50.000",
                                               "60.000", "Layer 3"}));
    EXPECT_EQ(list.Labels[0].Position, (TVec3{-e.G, -e.G, 0.0}));
    EXPECT_EQ(list.Labels[1].Position, (TVec3{e.G, e.G, -7.5}));
    EXPECT_EQ(list.Labels[5].Position, (TVec3{-e.G, -e.G, -60.0}));
    EXPECT_EQ(SceneLayerName(4, 0), "Strong Rock(FHWA)");
    EXPECT_EQ(SceneLayerName(5, 0), "Decomposed Rock");
}

TEST(SceneGeometry, NumberLabels)
{
    struct Case
    {
        double value;
        const char* text;
    };
    for (const Case c : {Case{0.0, "0.000E+00"}, Case{0.001, "1.000E-03"}, Case{-0.0016, "-0.002"},
                         Case{12.5, "12.500"}, Case{99999.9994, "99999.999"},
                         Case{100000.0, "1.000E+05"}, Case{-123456.0, "-1.235E+05"}})
        EXPECT_EQ(SceneNumberLabel(c.value), c.text) << c.value;
    EXPECT_EQ(FixedText(-0.04, 1), "0.0");
    EXPECT_EQ(FixedText(2.346, 2), "2.35");
}

TEST(SceneGeometry, AxesAreEightyPixelsLongAtAnyZoom)
{
    const TSceneList axes = BuildAxes(80.0 / (4.0 * 2.0));
    ASSERT_EQ(axes.Primitives.size(), 3u);
    EXPECT_EQ(axes.Primitives[0].Vertices[1], (TVec3{10.0, 0.0, 0.0}));
    EXPECT_EQ(axes.Primitives[2].Vertices[1], (TVec3{0.0, 0.0, -10.0}));
    EXPECT_EQ(axes.Primitives[2].Colour, (TRgba{1.0F, 0.0F, 0.0F, 1.0F}));
    EXPECT_EQ(axes.Labels[2].Text, "D");
}

} // namespace
