// The solids of the mesh effect as triangle lists of interleaved vertices (texture
// coordinate, normal, position: OpenGL's T2F_N3F_V3F layout), centred on the origin.
#pragma once

#include <vector>

struct MeshVertex {
    float u, v;
    float nx, ny, nz;
    float x, y, z;
};

enum class MeshShape { Cube, Torus, Sphere };

// The words of MeshShape in order, for a choice parameter.
extern const char* const kShapeWords[];

// Replaces `vertices` with the shape: a cube of edge 2 (each face textured once), a torus
// of ring radius 1 and tube radius 0.4, or a sphere of radius 1 (texture wrapped once
// around, poles at +y and -y).
void buildShape(MeshShape shape, std::vector<MeshVertex>& vertices);
