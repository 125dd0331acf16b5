#include "MeshShapes.h"

#include <cmath>

const char* const kShapeWords[] = {"cube", "torus", "sphere", nullptr};

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kRingSegments = 48;
constexpr int kTubeSegments = 24;
constexpr float kRingRadius = 1.0f;
constexpr float kTubeRadius = 0.4f;

// A grid of (columns + 1) x (rows + 1) points, given by `point` from (s, t) in 0..1,
// as two triangles per cell.
template <typename Point>
void buildGrid(int columns, int rows, Point point, std::vector<MeshVertex>& vertices) {
    vertices.reserve(static_cast<size_t>(columns) * rows * 6);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const float s0 = static_cast<float>(column) / columns;
            const float s1 = static_cast<float>(column + 1) / columns;
            const float t0 = static_cast<float>(row) / rows;
            const float t1 = static_cast<float>(row + 1) / rows;
            const MeshVertex a = point(s0, t0), b = point(s1, t0), c = point(s1, t1),
                             d = point(s0, t1);
            vertices.insert(vertices.end(), {a, b, c, a, c, d});
        }
    }
}

void buildCube(std::vector<MeshVertex>& vertices) {
    // Per face: the normal, and the directions of u and v across it.
    struct Face {
        float n[3], u[3], v[3];
    };
    static const Face kFaces[] = {
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},  {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
        {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
    };
    for (const Face& face : kFaces) {
        auto corner = [&face](float s, float t) {
            const float a = s * 2.0f - 1.0f;
            const float b = t * 2.0f - 1.0f;
            return MeshVertex{s,
                              t,
                              face.n[0],
                              face.n[1],
                              face.n[2],
                              face.n[0] + a * face.u[0] + b * face.v[0],
                              face.n[1] + a * face.u[1] + b * face.v[1],
                              face.n[2] + a * face.u[2] + b * face.v[2]};
        };
        const MeshVertex a = corner(0, 0), b = corner(1, 0), c = corner(1, 1), d = corner(0, 1);
        vertices.insert(vertices.end(), {a, b, c, a, c, d});
    }
}

MeshVertex torusPoint(float s, float t) {
    const float ring = s * 2.0f * kPi;
    const float tube = t * 2.0f * kPi;
    const float nx = std::cos(ring) * std::cos(tube);
    const float ny = std::sin(tube);
    const float nz = -std::sin(ring) * std::cos(tube);
    const float cx = std::cos(ring) * kRingRadius;
    const float cz = -std::sin(ring) * kRingRadius;
    return {
        s * 4.0f, t, nx, ny, nz, cx + nx * kTubeRadius, ny * kTubeRadius, cz + nz * kTubeRadius};
}

MeshVertex spherePoint(float s, float t) {
    const float longitude = s * 2.0f * kPi;
    const float latitude = (t - 0.5f) * kPi;
    const float nx = std::cos(latitude) * std::sin(longitude);
    const float ny = std::sin(latitude);
    const float nz = std::cos(latitude) * std::cos(longitude);
    return {s, t, nx, ny, nz, nx, ny, nz};
}

} // namespace

void buildShape(MeshShape shape, std::vector<MeshVertex>& vertices) {
    vertices.clear();
    switch (shape) {
    case MeshShape::Cube:
        buildCube(vertices);
        return;
    case MeshShape::Torus:
        buildGrid(kRingSegments, kTubeSegments, torusPoint, vertices);
        return;
    case MeshShape::Sphere:
        buildGrid(kRingSegments, kTubeSegments, spherePoint, vertices);
        return;
    }
}
