// The files a model may open, for Assimp: names relative to the models folder of the data
// tree ("data/models/"), as the model file and the files it names (a .gltf's buffers, an
// .obj's .mtl) are given. Absolute names and names that climb out of the folder ("..") are
// refused, so nothing outside the data tree is opened.
#pragma once

#include <assimp/IOSystem.hpp>

#include <string>

class ModelFiles : public Assimp::IOSystem {
public:
    // `folder` ends with a separator; the player's is kModelFolder.
    explicit ModelFiles(const char* folder) : folder_(folder) {}

    static constexpr const char* kModelFolder = "data/models/";

    bool Exists(const char* name) const override;
    char getOsSeparator() const override { return '/'; }
    Assimp::IOStream* Open(const char* name, const char* mode) override;
    void Close(Assimp::IOStream* stream) override;

    // The path a name stands for, or "" when the name is refused.
    std::string pathFor(const char* name) const;

private:
    std::string folder_;
};
