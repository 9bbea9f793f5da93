#pragma once
// How far a drawn picture may stray from another drawing of it and still count as the same.

#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace testing {

// Antialiased edges and gradients come out a few levels apart from one Qt release to the next,
// because its rasteriser rounds edge coverage and gradient steps a little differently. Every
// drawing moved by 1/32 of a pixel changes no channel by more than 15; moved by a whole pixel, or
// with a colour changed by a visible step, some pixels change by far more. The 16-colour icon has
// hard edges, so nothing to round: a Qt update that changed them would need the icon drawn anew.
constexpr int kArtTolerance = 16;

// The largest difference of any channel of any pixel between two images of one size, compared
// premultiplied, as they look on screen: an almost transparent pixel's own colour means little.
inline int largestChannelDifference(const QImage& left, const QImage& right) {
    const QImage a = left.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = right.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        // as stored, premultiplied: QImage::pixel() would divide the alpha out again
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16, 24})
                largest = std::max(largest,
                                   std::abs(int(p[x] >> shift & 0xff) - int(q[x] >> shift & 0xff)));
    }
    return largest;
}

} // namespace testing
