#include "ModelScene.h"

#include <assimp/IOStream.hpp>
#include <assimp/IOSystem.hpp>
#include <assimp/Importer.hpp>
#include <assimp/config.h>
#include <assimp/material.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <strings.h>
#include <unordered_map>

namespace {

constexpr unsigned kReadSteps = aiProcess_Triangulate | aiProcess_GenSmoothNormals |
                                aiProcess_JoinIdenticalVertices | aiProcess_SortByPType |
                                aiProcess_ValidateDataStructure;

bool copyMesh(const aiMesh& source, ModelMesh& mesh) {
    mesh.material = source.mMaterialIndex;
    mesh.vertices.resize(source.mNumVertices);
    const aiVector3D* uvs = source.mTextureCoords[0];
    for (unsigned i = 0; i < source.mNumVertices; ++i) {
        const aiVector3D& p = source.mVertices[i];
        const aiVector3D n = source.mNormals ? source.mNormals[i] : aiVector3D(0.0f, 0.0f, 1.0f);
        const aiVector3D uv = uvs ? uvs[i] : aiVector3D();
        mesh.vertices[i] = {uv.x, uv.y, n.x, n.y, n.z, p.x, p.y, p.z};
    }
    if (const aiColor4D* colours = source.mColors[0]) {
        mesh.colours.resize(static_cast<size_t>(source.mNumVertices) * 4);
        for (unsigned i = 0; i < source.mNumVertices; ++i) {
            const aiColor4D& c = colours[i];
            std::copy_n(&c.r, 4, &mesh.colours[static_cast<size_t>(i) * 4]);
        }
    }
    // Points and lines are left out: the effect draws surfaces.
    mesh.indices.reserve(static_cast<size_t>(source.mNumFaces) * 3);
    for (unsigned f = 0; f < source.mNumFaces; ++f) {
        const aiFace& face = source.mFaces[f];
        if (face.mNumIndices != 3) continue;
        for (unsigned k = 0; k < 3; ++k) {
            if (face.mIndices[k] >= source.mNumVertices) return false;
            mesh.indices.push_back(face.mIndices[k]);
        }
    }
    return true;
}

ModelMaterial copyMaterial(const aiScene& scene, const aiMaterial& source) {
    ModelMaterial material;
    aiColor4D colour;
    if (source.Get(AI_MATKEY_BASE_COLOR, colour) == AI_SUCCESS ||
        source.Get(AI_MATKEY_COLOR_DIFFUSE, colour) == AI_SUCCESS) {
        material.colour[0] = colour.r;
        material.colour[1] = colour.g;
        material.colour[2] = colour.b;
        material.colour[3] = colour.a;
    }
    float opacity = 1.0f;
    if (source.Get(AI_MATKEY_OPACITY, opacity) == AI_SUCCESS && opacity >= 0.0f && opacity < 1.0f)
        material.colour[3] *= opacity;
    aiString path;
    if (source.GetTexture(aiTextureType_BASE_COLOR, 0, &path) != AI_SUCCESS &&
        source.GetTexture(aiTextureType_DIFFUSE, 0, &path) != AI_SUCCESS)
        return material;
    if (const aiTexture* embedded = scene.GetEmbeddedTexture(path.C_Str())) {
        for (unsigned i = 0; i < scene.mNumTextures; ++i)
            if (scene.mTextures[i] == embedded) material.embeddedTexture = static_cast<int>(i);
    } else if (path.length > 0 && path.data[0] != '*') {
        material.textureFile = path.C_Str();
    }
    return material;
}

ModelEmbeddedTexture copyTexture(const aiTexture& source) {
    ModelEmbeddedTexture texture;
    texture.formatHint = source.achFormatHint;
    if (source.mHeight == 0) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(source.pcData);
        texture.bytes.assign(bytes, bytes + source.mWidth);
        return texture;
    }
    texture.width = static_cast<int>(source.mWidth);
    texture.height = static_cast<int>(source.mHeight);
    texture.bytes.resize(static_cast<size_t>(source.mWidth) * source.mHeight * 4);
    // Assimp's texels run from the top row; the player's pictures from the bottom one.
    for (unsigned row = 0; row < source.mHeight; ++row) {
        const aiTexel* from = source.pcData + static_cast<size_t>(row) * source.mWidth;
        uint8_t* to =
            &texture.bytes[static_cast<size_t>(source.mHeight - 1 - row) * source.mWidth * 4];
        for (unsigned x = 0; x < source.mWidth; ++x) {
            to[x * 4 + 0] = from[x].b;
            to[x * 4 + 1] = from[x].g;
            to[x * 4 + 2] = from[x].r;
            to[x * 4 + 3] = from[x].a;
        }
    }
    return texture;
}

// Assimp's PLY reader (5.2) never returns from a header that lacks its end_header line, so a
// PLY file (one that starts with "ply", whatever its name) is refused without one. Reads
// until the line is found.
bool plyHeaderEnds(Assimp::IOSystem& files, const char* fileName) {
    Assimp::IOStream* stream = files.Open(fileName, "rb");
    if (!stream) return true; // Assimp says it cannot open the file
    constexpr char kEnd[] = "end_header";
    constexpr size_t kEndLength = sizeof kEnd - 1;
    char buffer[4096];
    std::string window;
    bool ply = false, ends = false, first = true;
    for (size_t got; !ends && (got = stream->Read(buffer, 1, sizeof buffer)) > 0; first = false) {
        if (first) {
            ply = got >= 3 && strncasecmp(buffer, "ply", 3) == 0;
            if (!ply) break;
        }
        // The end of the previous block is kept, for a line split between blocks.
        window.erase(0, window.size() > kEndLength ? window.size() - kEndLength : 0);
        window.append(buffer, got);
        ends = window.find(kEnd) != std::string::npos;
    }
    files.Close(stream);
    return !ply || ends;
}

template <typename Key> void copyKeys(const Key* keys, unsigned count, std::vector<Key>& to) {
    if (keys) to.assign(keys, keys + count);
}

// The value at `time` between the keys around it; before the first and after the last,
// that key's value.
aiVector3D sample(const std::vector<aiVectorKey>& keys, double time, const aiVector3D& none) {
    if (keys.empty()) return none;
    auto after = std::upper_bound(keys.begin(), keys.end(), time,
                                  [](double t, const aiVectorKey& key) { return t < key.mTime; });
    if (after == keys.begin()) return keys.front().mValue;
    if (after == keys.end()) return keys.back().mValue;
    const aiVectorKey& before = *(after - 1);
    const double span = after->mTime - before.mTime;
    const float f = span > 0.0 ? static_cast<float>((time - before.mTime) / span) : 0.0f;
    return before.mValue + (after->mValue - before.mValue) * f;
}

aiQuaternion sample(const std::vector<aiQuatKey>& keys, double time, const aiQuaternion& none) {
    if (keys.empty()) return none;
    auto after = std::upper_bound(keys.begin(), keys.end(), time,
                                  [](double t, const aiQuatKey& key) { return t < key.mTime; });
    if (after == keys.begin()) return keys.front().mValue;
    if (after == keys.end()) return keys.back().mValue;
    const aiQuatKey& before = *(after - 1);
    const double span = after->mTime - before.mTime;
    const float f = span > 0.0 ? static_cast<float>((time - before.mTime) / span) : 0.0f;
    aiQuaternion out;
    aiQuaternion::Interpolate(out, before.mValue, after->mValue, f);
    return out.Normalize();
}

} // namespace

#ifndef _WIN32
// Debian's Assimp is built with its internal checks on, and a failed one ends the process
// (a cut PLY file fails one). This definition takes the library's place (the library calls
// it through the dynamic linker, which finds the plugin's first) and throws instead, which
// Assimp's importer turns into a failed read.
namespace Assimp {
__attribute__((visibility("default"))) void aiAssertViolation(const char* expression,
                                                              const char* file, int line) {
    throw std::runtime_error(std::string("Assimp's own check failed: ") + expression + " (" + file +
                             ":" + std::to_string(line) + ")");
}
} // namespace Assimp
#endif

bool ModelScene::read(Assimp::IOSystem* files, const char* fileName, std::string& reason) {
    *this = ModelScene();
    Assimp::Importer importer;
    importer.SetIOHandler(files);
    // Normals made for a file without them are smooth across gentle bends but keep the
    // edges of a box sharp.
    importer.SetPropertyFloat(AI_CONFIG_PP_GSN_MAX_SMOOTHING_ANGLE, 80.0f);
    importer.SetPropertyInteger(AI_CONFIG_PP_SBP_REMOVE,
                                aiPrimitiveType_POINT | aiPrimitiveType_LINE);
    if (!plyHeaderEnds(*files, fileName)) {
        reason = "its PLY header has no end_header line";
        return false;
    }
    const aiScene* scene = importer.ReadFile(fileName, kReadSteps);
    if (!scene || !scene->mRootNode || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE)) {
        reason = scene ? "the file holds no complete scene" : importer.GetErrorString();
        if (reason.empty()) reason = "Assimp could not read it";
        return false;
    }

    size_t triangles = 0;
    for (unsigned i = 0; i < scene->mNumMeshes; ++i) triangles += scene->mMeshes[i]->mNumFaces;
    if (triangles > kMaxTriangles) {
        reason = "it has " + std::to_string(triangles) + " triangles, more than " +
                 std::to_string(kMaxTriangles);
        return false;
    }
    meshes.resize(scene->mNumMeshes);
    for (unsigned i = 0; i < scene->mNumMeshes; ++i) {
        if (!copyMesh(*scene->mMeshes[i], meshes[i])) {
            reason = "a face names a vertex the mesh does not have";
            *this = ModelScene();
            return false;
        }
    }
    for (unsigned i = 0; i < scene->mNumTextures; ++i)
        embeddedTextures.push_back(copyTexture(*scene->mTextures[i]));
    for (unsigned i = 0; i < scene->mNumMaterials; ++i)
        materials.push_back(copyMaterial(*scene, *scene->mMaterials[i]));
    if (materials.empty()) materials.emplace_back();
    for (ModelMesh& mesh : meshes)
        if (mesh.material >= materials.size()) mesh.material = 0;

    // Parents first: a node is stored before any node it holds.
    std::unordered_map<std::string, unsigned> nodeNames;
    std::vector<std::pair<const aiNode*, int>> pending = {{scene->mRootNode, -1}};
    while (!pending.empty()) {
        const auto [source, parent] = pending.back();
        pending.pop_back();
        if (nodes.size() >= kMaxNodes) {
            reason = "it has more than " + std::to_string(kMaxNodes) + " nodes";
            *this = ModelScene();
            return false;
        }
        const unsigned index = static_cast<unsigned>(nodes.size());
        ModelNode& node = nodes.emplace_back();
        node.parent = parent;
        node.local = source->mTransformation;
        node.local.Decompose(node.scaling, node.rotation, node.position);
        for (unsigned i = 0; i < source->mNumMeshes; ++i)
            if (source->mMeshes[i] < meshes.size()) node.meshes.push_back(source->mMeshes[i]);
        nodeNames.emplace(source->mName.C_Str(), index);
        for (unsigned i = 0; i < source->mNumChildren; ++i)
            if (source->mChildren[i])
                pending.push_back({source->mChildren[i], static_cast<int>(index)});
    }

    for (unsigned i = 0; i < scene->mNumAnimations; ++i) {
        const aiAnimation& source = *scene->mAnimations[i];
        ModelAnimation& animation = animations.emplace_back();
        animation.name = source.mName.C_Str();
        animation.duration = std::isfinite(source.mDuration) ? source.mDuration : 0.0;
        if (source.mTicksPerSecond > 0.0 && std::isfinite(source.mTicksPerSecond))
            animation.ticksPerSecond = source.mTicksPerSecond;
        for (unsigned c = 0; c < source.mNumChannels; ++c) {
            const aiNodeAnim& from = *source.mChannels[c];
            const auto node = nodeNames.find(from.mNodeName.C_Str());
            if (node == nodeNames.end()) continue;
            ModelChannel& channel = animation.channels.emplace_back();
            channel.node = node->second;
            copyKeys(from.mPositionKeys, from.mNumPositionKeys, channel.positions);
            copyKeys(from.mRotationKeys, from.mNumRotationKeys, channel.rotations);
            copyKeys(from.mScalingKeys, from.mNumScalingKeys, channel.scalings);
        }
    }
    return true;
}

void ModelScene::pose(int animation, double seconds, std::vector<aiMatrix4x4>& world) const {
    for (size_t i = 0; i < nodes.size() && i < world.size(); ++i) world[i] = nodes[i].local;
    if (animation >= 0 && static_cast<size_t>(animation) < animations.size()) {
        const ModelAnimation& clip = animations[static_cast<size_t>(animation)];
        double ticks = seconds * clip.ticksPerSecond;
        if (clip.duration > 0.0) {
            ticks = std::fmod(ticks, clip.duration);
            if (ticks < 0.0) ticks += clip.duration;
        }
        for (const ModelChannel& channel : clip.channels) {
            if (channel.node >= world.size()) continue;
            const ModelNode& node = nodes[channel.node];
            world[channel.node] = aiMatrix4x4(sample(channel.scalings, ticks, node.scaling),
                                              sample(channel.rotations, ticks, node.rotation),
                                              sample(channel.positions, ticks, node.position));
        }
    }
    for (size_t i = 0; i < nodes.size() && i < world.size(); ++i)
        if (nodes[i].parent >= 0) world[i] = world[static_cast<size_t>(nodes[i].parent)] * world[i];
}

int ModelScene::findAnimation(const char* name) const {
    if (animations.empty()) return -1;
    if (!name || !name[0]) return 0;
    for (size_t i = 0; i < animations.size(); ++i)
        if (animations[i].name == name) return static_cast<int>(i);
    return -1;
}

size_t ModelScene::triangleCount() const {
    size_t count = 0;
    for (const ModelMesh& mesh : meshes) count += mesh.indices.size() / 3;
    return count;
}
