#pragma once

// Reading screenshots: counting, locating and comparing the pixels of a region.
#include <QImage>
#include <QRect>

#include <functional>
#include <string>
#include <vector>

namespace pixels {

// Counts the pixels of a region (window coordinates) that pass a test.
inline int count(const QImage& shot, QPoint origin, QRect region,
                 const std::function<bool(QRgb)>& test) {
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            n += test(shot.pixel(origin + QPoint(x, y))) ? 1 : 0;
    return n;
}

inline bool banana(QRgb c) {
    return qRed(c) > 180 && qGreen(c) > 140 && qBlue(c) < 120;
}
inline bool notBlack(QRgb c) {
    return qRed(c) + qGreen(c) + qBlue(c) > 60;
}
// Gorvan's teal suit.
inline bool teal(QRgb c) {
    return qGreen(c) > 140 && qBlue(c) > 110 && qRed(c) < 110;
}
inline bool bulletColour(QRgb c) {
    return qRed(c) > 230 && qGreen(c) > 190 && qBlue(c) < 200;
}
// The targets' red and violet.
inline bool hazard(QRgb c) {
    return (qRed(c) > 180 && qGreen(c) < 100) || (qBlue(c) > 180 && qGreen(c) < 150);
}

// Mean x of the matching pixels of a region, -1 when there are none.
inline double meanX(const QImage& shot, QPoint origin, QRect region,
                    const std::function<bool(QRgb)>& test) {
    double sum = 0;
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (test(shot.pixel(origin + QPoint(x, y)))) {
                sum += x;
                ++n;
            }
    return n ? sum / n : -1;
}

// Bounding boxes of the connected patches of matching pixels (at least 30 pixels each).
inline std::vector<QRect> blobs(const QImage& shot, QPoint origin, QRect region,
                                const std::function<bool(QRgb)>& test) {
    std::vector<char> seen(region.width() * region.height(), 0);
    auto index = [&](QPoint p) {
        return (p.y() - region.top()) * region.width() + p.x() - region.left();
    };
    std::vector<QRect> found;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const QPoint start(x, y);
            if (seen[index(start)] || !test(shot.pixel(origin + start)))
                continue;
            QRect box(start, start);
            int size = 0;
            std::vector<QPoint> stack{start};
            seen[index(start)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++size;
                box = box.united(QRect(p, p));
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx) {
                        const QPoint q = p + QPoint(dx, dy);
                        if (region.contains(q) && !seen[index(q)] && test(shot.pixel(origin + q))) {
                            seen[index(q)] = 1;
                            stack.push_back(q);
                        }
                    }
            }
            if (size >= 30)
                found.push_back(box);
        }
    return found;
}

// True when every patch of one picture stands within a few pixels of a patch of the other.
inline bool samePlaces(const std::vector<QRect>& a, const std::vector<QRect>& b) {
    auto covered = [](const std::vector<QRect>& from, const std::vector<QRect>& in) {
        for (const QRect& r : from) {
            bool near = false;
            for (const QRect& s : in)
                near = near || (r.center() - s.center()).manhattanLength() <= 6;
            if (!near)
                return false;
        }
        return true;
    };
    return covered(a, b) && covered(b, a);
}

inline std::string describe(const std::vector<QRect>& boxes) {
    std::string text;
    for (const QRect& r : boxes)
        text += "[" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
                std::to_string(r.width()) + "x" + std::to_string(r.height()) + "]";
    return text;
}

} // namespace pixels
