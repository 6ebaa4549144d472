#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>

#include <optional>

namespace tervox::ui::testing {

// A point of `within` whose 7 x 7 neighbourhood lies wholly inside (or wholly
// outside) the region: well away from any edge, so the point's side is unambiguous.
inline std::optional<QPoint> PointWellInside(const QRegion& region, const QRect& within, bool inside) {
    for (int y = within.top() + 3; y <= within.bottom() - 3; ++y)
        for (int x = within.left() + 3; x <= within.right() - 3; ++x) {
            const QRect square(x - 3, y - 3, 7, 7);
            // QRegion::contains(QRect) accepts a partial overlap; intersect instead.
            const bool all = inside ? (region & square) == QRegion(square) : !region.intersects(square);
            if (all)
                return QPoint(x, y);
        }
    return std::nullopt;
}

} // namespace tervox::ui::testing
