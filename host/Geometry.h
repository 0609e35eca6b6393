// Points, vectors, boxes and matrices as the host exchanges them (millimetres on the sheet).
#pragma once

#include <algorithm>
#include <array>
#include <limits>

struct ZnsPoint3 {
    double x = 0, y = 0, z = 0;
    bool operator==(const ZnsPoint3&) const = default;
};

inline ZnsPoint3 operator+(ZnsPoint3 a, ZnsPoint3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline ZnsPoint3 operator-(ZnsPoint3 a, ZnsPoint3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline ZnsPoint3 operator*(ZnsPoint3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}

// An axis-aligned box; empty until a point is added.
struct ZnsBox3 {
    ZnsPoint3 min{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
                  std::numeric_limits<double>::max()};
    ZnsPoint3 max{-std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                  -std::numeric_limits<double>::max()};

    static ZnsBox3 Of(ZnsPoint3 a, ZnsPoint3 b) {
        ZnsBox3 box;
        box.Add(a);
        box.Add(b);
        return box;
    }
    bool IsEmpty() const { return min.x > max.x; }
    void Add(ZnsPoint3 p) {
        min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    }
    void Add(const ZnsBox3& other) {
        if (!other.IsEmpty()) {
            Add(other.min);
            Add(other.max);
        }
    }
    // Overlap in the drawing plane (z is not looked at).
    bool Intersects(const ZnsBox3& other) const {
        return !IsEmpty() && !other.IsEmpty() && min.x <= other.max.x && other.min.x <= max.x &&
               min.y <= other.max.y && other.min.y <= max.y;
    }
    double Width() const { return IsEmpty() ? 0 : max.x - min.x; }
    double Height() const { return IsEmpty() ? 0 : max.y - min.y; }
    bool operator==(const ZnsBox3&) const = default;
};

// A 4x4 transform, row-major, acting on column vectors.
struct ZnsMatrix {
    std::array<double, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    static ZnsMatrix Identity() { return {}; }
    ZnsPoint3 Apply(ZnsPoint3 p) const {
        return {m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3],
                m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
                m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]};
    }
    bool operator==(const ZnsMatrix&) const = default;
};
