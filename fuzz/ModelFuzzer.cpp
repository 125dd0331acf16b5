// Model files from outside bytes, through the mesh effect's own reader (Assimp beneath it),
// then posed across their animations as a playing demo would. The first byte picks the file
// name's extension, which picks Assimp's importer; the rest is the file, and also whatever
// other file it names (a buffer, a material library). Allocations are capped (below) and
// the tests are timed out, so a hostile file that makes the reader grow or spin fails.
#include "effects/ModelScene.h"

#include <assimp/IOStream.hpp>
#include <assimp/IOSystem.hpp>
#include <assimp/MemoryIOWrapper.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

const char* const kExtensions[] = {"gltf", "glb", "obj", "ply", "3ds", "fbx"};

class FuzzFiles : public Assimp::IOSystem {
public:
    FuzzFiles(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Exists(const char*) const override { return true; }
    char getOsSeparator() const override { return '/'; }
    Assimp::IOStream* Open(const char*, const char*) override {
        return new Assimp::MemoryIOStream(data_, size_);
    }
    void Close(Assimp::IOStream* stream) override { delete stream; }

private:
    const uint8_t* data_;
    size_t size_;
};

} // namespace

extern "C" const char* __asan_default_options() {
    return "hard_rss_limit_mb=2048:malloc_limit_mb=2048";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const std::string name =
        std::string("model.") + kExtensions[data[0] % (sizeof kExtensions / sizeof *kExtensions)];
    ModelScene scene;
    std::string reason;
    if (!scene.read(new FuzzFiles(data + 1, size - 1), name.c_str(), reason)) return 0;
    std::vector<aiMatrix4x4> world(scene.nodes.size());
    for (int animation = -1; animation < static_cast<int>(scene.animations.size()); ++animation)
        for (double seconds = -1.0; seconds < 4.0; seconds += 0.75)
            scene.pose(animation, seconds, world);
    scene.findAnimation("");
    return 0;
}
