// Area-average resampling: each target pixel is the mean of the part of the
// source it covers, so a large photo shrinks without aliasing and a uniform
// area keeps its exact colour.
#include "Picture.h"

#include <algorithm>
#include <cmath>

namespace {

struct Contribution {
    int source;
    double weight;
};

struct Feed {
    int target;
    double weight;
};

// For each target index the source indices it covers with their covered
// fractions, the weights of one target adding up to 1.
std::vector<std::vector<Contribution>> contributions(int sourceLength, int targetLength)
{
    std::vector<std::vector<Contribution>> result(static_cast<std::size_t>(targetLength));
    const double scale = double(sourceLength) / targetLength;
    for (int t = 0; t < targetLength; ++t) {
        const double begin = t * scale;
        const double end = (t + 1) * scale;
        const int first = std::min(sourceLength - 1, static_cast<int>(std::floor(begin)));
        const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(end)) - 1);
        for (int s = first; s <= last; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(begin, double(s));
            if (covered > 0)
                result[static_cast<std::size_t>(t)].push_back({s, covered / scale});
        }
    }
    return result;
}

Colour toColour(const double* channels)
{
    // Halves to the even neighbour, as everywhere in the program.
    auto channel = [](double v) { return static_cast<int>(std::clamp(std::nearbyint(v), 0.0, 255.0)); };
    return rgb(channel(channels[0]), channel(channels[1]), channel(channels[2]));
}

} // namespace

Picture Picture::stretched(const Picture& source, int width, int height)
{
    Picture target(width, height, 24);
    if (target.isNull() || source.isNull())
        return target;
    const auto columns = contributions(source.width(), width);
    const auto rows = contributions(source.height(), height);

    // Which target rows each source row feeds, so the source is read once and
    // only the target rows are kept in floating point.
    std::vector<std::vector<Feed>> feeds(static_cast<std::size_t>(source.height()));
    for (int y = 0; y < height; ++y)
        for (const Contribution& c : rows[static_cast<std::size_t>(y)])
            feeds[static_cast<std::size_t>(c.source)].push_back({y, c.weight});

    const std::size_t rowValues = static_cast<std::size_t>(width) * 3;
    std::vector<double> sums(rowValues * static_cast<std::size_t>(height));
    std::vector<double> line(rowValues);
    for (int sy = 0; sy < source.height(); ++sy) {
        std::fill(line.begin(), line.end(), 0.0);
        const Colour* in = source.row(sy);
        for (int x = 0; x < width; ++x)
            for (const Contribution& c : columns[static_cast<std::size_t>(x)]) {
                const Colour colour = in[c.source];
                double* out = line.data() + static_cast<std::size_t>(x) * 3;
                out[0] += c.weight * redOf(colour);
                out[1] += c.weight * greenOf(colour);
                out[2] += c.weight * blueOf(colour);
            }
        for (const Feed& feed : feeds[static_cast<std::size_t>(sy)]) {
            double* sum = sums.data() + static_cast<std::size_t>(feed.target) * rowValues;
            for (std::size_t i = 0; i < rowValues; ++i)
                sum[i] += feed.weight * line[i];
        }
    }
    for (int y = 0; y < height; ++y) {
        Colour* out = target.row(y);
        const double* sum = sums.data() + static_cast<std::size_t>(y) * rowValues;
        for (int x = 0; x < width; ++x)
            out[x] = toColour(sum + static_cast<std::size_t>(x) * 3);
    }
    return target;
}
