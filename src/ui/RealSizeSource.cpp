#include "ui/RealSizeSource.h"

#include "app/DeriveSession.h"
#include "app/ExchangeStartup.h"
#include "base/Error.h"
#include "render/HandOver.h"

namespace tagler {

HandOverPicture readHandOverPicture(const ExchangeState& x, SessionMode mode)
{
    HandOverPicture picture;
    if (const auto handOver = render::splitHandOver(x.exchangeLines)) {
        try {
            picture.sheet = render::readHostSheet(handOver->header);
        } catch (const Error&) {
            // A header the program refused has said so at start-up; the
            // picture then shows the message completion would show.
        }
        picture.selection = std::make_shared<const render::Drawing>(
            render::buildDrawing(handOver->selection, picture.sheet, static_cast<int>(handOver->header.size()) + 1));
    }
    try {
        for (const IndicatedPoint& p : indicatedPoints(x.header, mode))
            picture.points.push_back({p.number, {p.at.x, p.at.y}});
    } catch (const Error&) {
        picture.points.clear(); // unreadable points: the picture's message says why
    }
    return picture;
}

RealSizePicture makeRealSizePicture(const CompletionInputs& inputs, std::shared_ptr<const HandOverPicture> handOver)
{
    if (!handOver)
        handOver = std::make_shared<const HandOverPicture>(readHandOverPicture(*inputs.exchange, inputs.mode));
    render::DrawingBuilder records(handOver->sheet);
    const CompletionPreview preview = previewCompletion(inputs, [&](std::string_view r) { records.read(r); });
    RealSizePicture picture;
    picture.scene.selection = handOver->selection;
    picture.scene.points = handOver->points;
    picture.scene.message = QString::fromUtf8(preview.message);
    // A failed run shows its message; what it wrote before is not the annotation.
    picture.scene.records =
        std::make_shared<const render::Drawing>(preview.message.empty() ? records.take() : render::Drawing());
    picture.handOver = std::move(handOver);
    return picture;
}

void RealSizeSource::refresh()
{
    scene_.records.reset(); // one picture's records alive at a time
    RealSizePicture picture = makeRealSizePicture(completionInputs(session_), handOver_);
    handOver_ = std::move(picture.handOver);
    scene_ = std::move(picture.scene);
}

} // namespace tagler
