#include "ui/RealSizeSource.h"

#include "app/CompletionPreview.h"
#include "app/DeriveSession.h"
#include "app/Session.h"
#include "base/CodePage.h"
#include "base/Error.h"
#include "render/HandOver.h"

namespace tagler {

RealSizeSource::RealSizeSource(const Session& session) : session_(session), sheet_(render::defaultHostSheet()) {}

void RealSizeSource::readHandOver()
{
    handOverRead_ = true;
    const ExchangeState& x = session_.exchange();
    if (const auto handOver = render::splitHandOver(x.exchangeLines)) {
        try {
            sheet_ = render::readHostSheet(handOver->header);
        } catch (const Error&) {
            // A header the program refused has said so at start-up; the
            // picture then shows the message completion would show.
        }
        scene_.selection =
            render::buildDrawing(handOver->selection, sheet_, static_cast<int>(handOver->header.size()) + 1);
    }
    try {
        for (const IndicatedPoint& p : indicatedPoints(x.header, session_.mode()))
            scene_.points.push_back({p.number, {p.at.x, p.at.y}});
    } catch (const Error&) {
        scene_.points.clear(); // unreadable points: the refresh shows why
    }
}

void RealSizeSource::refresh()
{
    if (!handOverRead_)
        readHandOver();
    const CompletionPreview preview = previewCompletion(session_);
    scene_.message = QString::fromUtf8(preview.message);
    scene_.records = render::buildDrawing(preview.records, sheet_);
}

} // namespace tagler
