// A model file read by Assimp into what the mesh effect draws, with Assimp's own scene
// dropped once read: triangle meshes (texture coordinate, normal, position; vertex colours
// when the file has them), materials (base colour, and the base colour texture as a file
// name or embedded pixels), the node hierarchy with its transforms, and the node
// animations. Normals are generated where the file has none. Holds no OpenGL objects, so
// it can be read, and posed, without a window.
#pragma once

#include "MeshShapes.h"

#include <assimp/anim.h>
#include <assimp/matrix4x4.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Assimp {
class IOSystem;
}

struct ModelMesh {
    std::vector<MeshVertex> vertices;
    std::vector<float> colours; // RGBA per vertex; empty when the file has none
    std::vector<uint32_t> indices;
    unsigned material = 0;
};

// A texture inside the model file: either texels (BGRA, bottom row first) or the bytes of a
// compressed picture, with Assimp's format hint ("png", "jpg", ...).
struct ModelEmbeddedTexture {
    int width = 0;
    int height = 0; // 0: `bytes` is a compressed picture
    std::string formatHint;
    std::vector<uint8_t> bytes;
};

struct ModelMaterial {
    float colour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    std::string textureFile;  // the picture's file name as the model names it; "" for none
    int embeddedTexture = -1; // index into embeddedTextures; -1 for none
};

// Nodes are kept parents first, so a pass in order poses each after its parent.
struct ModelNode {
    int parent = -1;
    aiVector3D scaling{1.0f, 1.0f, 1.0f};
    aiQuaternion rotation;
    aiVector3D position;
    aiMatrix4x4 local;
    std::vector<unsigned> meshes;
};

struct ModelChannel {
    unsigned node = 0;
    std::vector<aiVectorKey> positions;
    std::vector<aiQuatKey> rotations;
    std::vector<aiVectorKey> scalings;
};

struct ModelAnimation {
    std::string name;
    double duration = 0.0;        // ticks
    double ticksPerSecond = 25.0; // Assimp's default when the file gives none
    std::vector<ModelChannel> channels;
};

class ModelScene {
public:
    // Files larger than this many triangles are refused: the drawing copies them each frame.
    static constexpr size_t kMaxTriangles = 4u << 20;
    static constexpr size_t kMaxNodes = 1u << 16;

    // Reads `fileName` through `files`, which the reader takes over (Assimp deletes it).
    // False with Assimp's reason, or ours, in `reason`; the scene is then empty.
    bool read(Assimp::IOSystem* files, const char* fileName, std::string& reason);

    // The world matrix of every node (`world` has one per node) at `seconds` into
    // `animation` (the clip loops); -1 or no clips: the file's own transforms. Allocates
    // nothing.
    void pose(int animation, double seconds, std::vector<aiMatrix4x4>& world) const;

    // The clip of that name; "" names the first. -1 when there is none.
    int findAnimation(const char* name) const;

    size_t triangleCount() const;

    std::vector<ModelMesh> meshes;
    std::vector<ModelMaterial> materials;
    std::vector<ModelEmbeddedTexture> embeddedTextures;
    std::vector<ModelNode> nodes;
    std::vector<ModelAnimation> animations;
};
