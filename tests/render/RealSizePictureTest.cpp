#include "render/RealSizePicture.h"

#include <gtest/gtest.h>

namespace tagler::render {
namespace {

TEST(ScaleBar, ShowsOneTwoOrFiveTimesAPowerOfTenThatFits)
{
    const std::pair<double, double> cases[] = {
        {1, 1},   {1.9, 1},   {2, 2},       {4.99, 2},    {5, 5},     {9.99, 5},
        {10, 10}, {0.3, 0.2}, {0.07, 0.05}, {3700, 2000}, {1e6, 1e6},
    };
    for (const auto& [longest, shown] : cases)
        EXPECT_DOUBLE_EQ(scaleBarLength(longest), shown) << longest;
}

TEST(ZoomAndPan, TheDrawingPointUnderTheMouseStaysUnderIt)
{
    Extent sheet;
    sheet.add(Point{-50, 20});
    sheet.add(Point{350, 180});
    const QRectF area(4, 4, 512, 392);
    const DrawingView whole(sheet, area);
    const struct {
        QPointF mouse;
        double factor;
    } wheel[] = {{{260, 200}, 1.25}, {{10, 390}, 1.25 * 1.25}, {{500, 12}, 0.8}, {{123.5, 77.25}, 8}};
    for (const auto& c : wheel) {
        const Point under = whole.unmap(c.mouse);
        const DrawingView zoomed(zoomAbout(whole, c.mouse, c.factor), area);
        EXPECT_NEAR(zoomed.map(under).x(), c.mouse.x(), 1e-9) << c.factor;
        EXPECT_NEAR(zoomed.map(under).y(), c.mouse.y(), 1e-9) << c.factor;
        EXPECT_DOUBLE_EQ(zoomed.scale(), whole.scale() * c.factor);
    }
    // A drag carries the point under the mouse along, y down on the device and up in the drawing.
    const QPointF from(100, 100), to(160, 40);
    const Point grabbed = whole.unmap(from);
    const DrawingView dragged(panBy(whole, to - from), area);
    EXPECT_NEAR(dragged.map(grabbed).x(), to.x(), 1e-9);
    EXPECT_NEAR(dragged.map(grabbed).y(), to.y(), 1e-9);
    EXPECT_GT(grabbed.y, whole.unmap(QPointF(100, 200)).y);
}

TEST(ZoomAndPan, TheAnnotationFillsThePictureAndNothingFitsNoAnnotation)
{
    RealSizeScene scene;
    EXPECT_FALSE(annotationPlace(scene, QRectF(0, 0, 520, 400)));
    Drawing records;
    records.shapes.push_back(Stroke{std::vector<Point>{{10, 10}, {30, 20}}, false, Qt::black, 1});
    scene.records = std::make_shared<const Drawing>(std::move(records));
    const auto place = annotationPlace(scene, QRectF(0, 0, 520, 400));
    ASSERT_TRUE(place);
    EXPECT_DOUBLE_EQ(place->centre.x, 20);
    EXPECT_DOUBLE_EQ(place->centre.y, 15);
    const DrawingView view(*place, drawingArea(QRectF(0, 0, 520, 400)));
    EXPECT_GT(view.map({10, 10}).x(), 4);
    EXPECT_LT(view.map({30, 20}).x(), 516);
    EXPECT_GT(view.map({30, 20}).x() - view.map({10, 10}).x(), 400); // the width fills most of the picture
}

} // namespace
} // namespace tagler::render
