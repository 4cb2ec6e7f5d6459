#include "Palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

namespace draw {
namespace {

struct Entry {
    std::array<int, 3> c;
    long count;
};

struct Box {
    std::vector<Entry> entries;
    long population() const
    {
        long n = 0;
        for (const Entry& e : entries)
            n += e.count;
        return n;
    }
    // Which channel spreads widest, and how wide.
    std::pair<int, int> widest() const
    {
        int best = 0, bestRange = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const Entry& e : entries) {
                lo = std::min(lo, e.c[ch]);
                hi = std::max(hi, e.c[ch]);
            }
            if (hi - lo > bestRange) {
                bestRange = hi - lo;
                best = ch;
            }
        }
        return {best, bestRange};
    }
    QRgb mean() const
    {
        double sum[3] = {0, 0, 0};
        const double n = static_cast<double>(population());
        for (const Entry& e : entries)
            for (int ch = 0; ch < 3; ++ch)
                sum[ch] += static_cast<double>(e.c[ch]) * static_cast<double>(e.count);
        return qRgb(static_cast<int>(std::lround(sum[0] / n)), static_cast<int>(std::lround(sum[1] / n)),
                    static_cast<int>(std::lround(sum[2] / n)));
    }
};

// Perceptual weights: the eye forgives blue errors most.
int Distance(int r1, int g1, int b1, QRgb c)
{
    const int dr = r1 - qRed(c), dg = g1 - qGreen(c), db = b1 - qBlue(c);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int Nearest(const std::vector<QRgb>& palette, int r, int g, int b)
{
    int best = 0, bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const int d = Distance(r, g, b, palette[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace

std::vector<QRgb> MedianCutPalette(const QImage& source, int count, const std::vector<QRgb>& fixed, const QRect& region)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> palette = fixed;
    std::map<QRgb, long> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (!region.isNull() && !region.contains(x, y))
                continue;
            const QRgb c = row[x] | 0xff000000u;
            // Pixels a fixed colour already represents exactly need no box of their own.
            if (std::find(fixed.begin(), fixed.end(), c) != fixed.end())
                continue;
            ++histogram[c];
        }
    }
    const int wanted = count - static_cast<int>(fixed.size());
    if (wanted <= 0 || histogram.empty()) {
        while (static_cast<int>(palette.size()) < count)
            palette.push_back(qRgb(0, 0, 0));
        return palette;
    }
    std::vector<Box> boxes(1);
    for (const auto& [c, n] : histogram)
        boxes[0].entries.push_back({{qRed(c), qGreen(c), qBlue(c)}, n});
    while (static_cast<int>(boxes.size()) < wanted) {
        // Split the box whose population times spread is largest, at its median.
        int pick = -1;
        double pickScore = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].entries.size() < 2)
                continue;
            const double score =
                static_cast<double>(boxes[i].widest().second) * std::sqrt(static_cast<double>(boxes[i].population()));
            if (score > pickScore) {
                pickScore = score;
                pick = i;
            }
        }
        if (pick < 0)
            break;
        Box& box = boxes[pick];
        const int ch = box.widest().first;
        std::sort(box.entries.begin(), box.entries.end(),
                  [ch](const Entry& a, const Entry& b) { return a.c[ch] < b.c[ch]; });
        const long half = box.population() / 2;
        long running = 0;
        std::size_t cut = 1;
        for (; cut < box.entries.size(); ++cut) {
            running += box.entries[cut - 1].count;
            if (running >= half)
                break;
        }
        cut = std::clamp<std::size_t>(cut, 1, box.entries.size() - 1);
        Box upper;
        upper.entries.assign(box.entries.begin() + static_cast<long>(cut), box.entries.end());
        box.entries.resize(cut);
        boxes.push_back(std::move(upper));
    }
    for (const Box& b : boxes)
        palette.push_back(b.mean());
    while (static_cast<int>(palette.size()) < count)
        palette.push_back(palette.back());
    return palette;
}

IndexedImage MapToPalette(const QImage& source, const std::vector<QRgb>& palette, const QRect& ditherRegion)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    out.palette = palette;
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, 0);
    const int w = out.width;
    // Error rows carry the diffused error of the current and next row, per channel.
    std::vector<std::array<float, 3>> current(w + 2), next(w + 2);
    for (int y = 0; y < out.height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::fill(next.begin(), next.end(), std::array<float, 3>{0, 0, 0});
        const bool leftToRight = y % 2 == 0;
        for (int i = 0; i < w; ++i) {
            const int x = leftToRight ? i : w - 1 - i;
            const bool dither = !ditherRegion.isNull() && ditherRegion.contains(x, y);
            float want[3] = {static_cast<float>(qRed(row[x])), static_cast<float>(qGreen(row[x])),
                             static_cast<float>(qBlue(row[x]))};
            if (dither)
                for (int ch = 0; ch < 3; ++ch)
                    want[ch] = std::clamp(want[ch] + current[x + 1][ch], 0.0f, 255.0f);
            const int index = Nearest(palette, static_cast<int>(std::lround(want[0])),
                                      static_cast<int>(std::lround(want[1])), static_cast<int>(std::lround(want[2])));
            out.pixels[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(index);
            if (!dither)
                continue;
            const QRgb got = palette[index];
            const float error[3] = {want[0] - static_cast<float>(qRed(got)), want[1] - static_cast<float>(qGreen(got)),
                                    want[2] - static_cast<float>(qBlue(got))};
            const int ahead = leftToRight ? 1 : -1;
            for (int ch = 0; ch < 3; ++ch) {
                current[x + 1 + ahead][ch] += error[ch] * 7.0f / 16.0f;
                next[x + 1 - ahead][ch] += error[ch] * 3.0f / 16.0f;
                next[x + 1][ch] += error[ch] * 5.0f / 16.0f;
                next[x + 1 + ahead][ch] += error[ch] * 1.0f / 16.0f;
            }
        }
        std::swap(current, next);
    }
    return out;
}

} // namespace draw
