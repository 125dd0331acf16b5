#include "ModelDrawing.h"

#include "ModelFiles.h"
#include "ModelTextures.h"

#include <vornex/HostLog.h>

#include <GL/gl.h>

#include <string>

bool ModelDrawing::load(DemoHost& host, const char* effectName, const char* fileName) {
    clear();
    std::string reason;
    if (!scene_.read(new ModelFiles(ModelFiles::kModelFolder), fileName, reason)) {
        hostLog("%s: model %s%s not read: %s", effectName, ModelFiles::kModelFolder, fileName,
                reason.c_str());
        clear();
        return false;
    }
    textures_.resize(scene_.materials.size(), nullptr);
    for (size_t i = 0; i < scene_.materials.size(); ++i) {
        reason.clear();
        textures_[i] = findModelTexture(host, scene_, scene_.materials[i], fileName, reason);
        if (!reason.empty())
            hostLog("%s: model %s: material %lu drawn without texture: %s", effectName, fileName,
                    static_cast<unsigned long>(i), reason.c_str());
    }
    world_.resize(scene_.nodes.size());
    // Counts as unsigned long: the Windows build checks formats against the system's printf,
    // which knows no %zu; the reader's limits keep every count far below 2^32.
    hostLog("%s: model %s: %lu meshes, %lu triangles, %lu nodes, %lu animations", effectName,
            fileName, static_cast<unsigned long>(scene_.meshes.size()),
            static_cast<unsigned long>(scene_.triangleCount()),
            static_cast<unsigned long>(scene_.nodes.size()),
            static_cast<unsigned long>(scene_.animations.size()));
    return true;
}

void ModelDrawing::clear() {
    scene_ = ModelScene();
    textures_.clear();
    world_.clear();
    animation_ = -1;
}

void ModelDrawing::selectAnimation(const char* effectName, const char* clipName) {
    animation_ = scene_.findAnimation(clipName);
    if (animation_ < 0 && clipName && clipName[0])
        hostLog("%s: the model has no animation %s; it is drawn still", effectName, clipName);
}

void ModelDrawing::draw(double seconds, const Vec4& colour) {
    scene_.pose(animation_, seconds, world_);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    for (size_t i = 0; i < scene_.nodes.size(); ++i) {
        if (scene_.nodes[i].meshes.empty()) continue;
        // Assimp's matrices are row-major; the transpose's rows are OpenGL's columns.
        aiMatrix4x4 columns = world_[i];
        columns.Transpose();
        glPushMatrix();
        glMultMatrixf(&columns.a1);
        for (unsigned mesh : scene_.nodes[i].meshes) drawMesh(scene_.meshes[mesh], colour);
        glPopMatrix();
    }
    glPopClientAttrib();
}

void ModelDrawing::drawMesh(const ModelMesh& mesh, const Vec4& colour) {
    if (mesh.indices.empty()) return;
    const ModelMaterial& material = scene_.materials[mesh.material];
    Texture* texture = textures_[mesh.material];
    if (texture && texture->texture.glName) {
        texture->texture.bind();
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    const float alpha = material.colour[3] * colour.w;
    if (alpha < 1.0f || !mesh.colours.empty()) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glDisable(GL_BLEND);
    }
    const MeshVertex* vertices = mesh.vertices.data();
    glTexCoordPointer(2, GL_FLOAT, sizeof(MeshVertex), &vertices->u);
    glNormalPointer(GL_FLOAT, sizeof(MeshVertex), &vertices->nx);
    glVertexPointer(3, GL_FLOAT, sizeof(MeshVertex), &vertices->x);
    if (mesh.colours.empty()) {
        glDisableClientState(GL_COLOR_ARRAY);
        glColor4f(material.colour[0] * colour.x, material.colour[1] * colour.y,
                  material.colour[2] * colour.z, alpha);
    } else {
        // Vertex colours take the place of the material colour and of `colour`.
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(4, GL_FLOAT, 0, mesh.colours.data());
    }
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(mesh.indices.size()), GL_UNSIGNED_INT,
                   mesh.indices.data());
}
