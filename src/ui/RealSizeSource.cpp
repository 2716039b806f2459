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
    const CompletionPreview preview = previewCompletion(inputs);
    RealSizePicture picture;
    picture.scene.selection = handOver->selection;
    picture.scene.points = handOver->points;
    picture.scene.message = QString::fromUtf8(preview.message);
    picture.scene.records = render::buildDrawing(preview.records, handOver->sheet);
    picture.handOver = std::move(handOver);
    return picture;
}

void RealSizeSource::refresh()
{
    RealSizePicture picture = makeRealSizePicture(completionInputs(session_), handOver_);
    handOver_ = std::move(picture.handOver);
    scene_ = std::move(picture.scene);
}

} // namespace tagler
