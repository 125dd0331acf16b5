// A model of the mesh effect, ready to draw: the scene read from data/models/, its
// materials' textures, and room for one world matrix per node, so drawing allocates
// nothing. Each node's meshes are drawn under the node's world matrix, on top of the
// matrices the effect set (camera, placement); lighting and depth state are the effect's.
#pragma once

#include "ModelScene.h"

#include <vornex/DemoHost.h>
#include <vornex/Texture.h>
#include <vornex/Vec4.h>

#include <vector>

class ModelDrawing {
public:
    // Reads the file; false, with a log line naming the file and the reason, when it cannot
    // be read (the drawing is then empty).
    bool load(DemoHost& host, const char* effectName, const char* fileName);
    void clear();
    bool empty() const { return scene_.meshes.empty(); }

    // Picks the clip by name ("" the first one); a name the file lacks gets a log line and
    // the file's own transforms.
    void selectAnimation(const char* effectName, const char* clipName);

    // Draws the meshes at `seconds` of demo time. `colour` multiplies the material colours.
    void draw(double seconds, const Vec4& colour);

private:
    void drawMesh(const ModelMesh& mesh, const Vec4& colour);

    ModelScene scene_;
    std::vector<Texture*> textures_; // per material; null for none
    std::vector<aiMatrix4x4> world_;
    int animation_ = -1;
};
