// mesh: a lit, textured cube, torus or sphere, or a model file, seen through a named camera
// (its position, look-at point, field of view and near and far planes; up is +y). One
// directional light plus an ambient term; depth tested. The rotation and a model's
// animation come from the demo time, so seeking shows the object as it is at that time.
#include "MeshShapes.h"
#include "ModelDrawing.h"
#include "StockEffect.h"
#include "StockEffects.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

// The view without a camera, and the fallbacks for a camera's unusable values.
constexpr float kDefaultFov = 50.0f;
constexpr float kDefaultNear = 0.1f;
constexpr float kDefaultFar = 100.0f;

class MeshEffect : public StockEffect {
public:
    MeshEffect() : StockEffect("Mesh") {
        shape_.words = kShapeWords;
        addChoice("shape", shape_);
        addCamera("camera", camera_);
        addTexture("texture", texture_);
        addColour("color", colour_);
        addVector("position", position_);
        addVector("rotation", rotation_);
        addVector("spin", spin_);
        addNumber("scale", scale_);
        addVector("light", light_);
        addNumber("ambient", ambient_);
        addFile("model", model_);
        addFile("animation", animation_);
        buildShape(static_cast<MeshShape>(shape_.index), vertices_);
    }

    void changed(const ParamRecord& param) override {
        if (param.target == &shape_) buildShape(static_cast<MeshShape>(shape_.index), vertices_);
        // A model named after load (by an event) is read at once, as a shader's file is.
        if (param.target == &model_ && loaded()) prepare();
        if (param.target == &animation_ && loaded())
            drawing_.selectAnimation(name, animation_.name);
    }

    int prepare() override {
        drawing_.clear();
        if (!model_.name[0]) return 0;
        if (drawing_.load(*host, name, model_.name))
            drawing_.selectAnimation(name, animation_.name);
        return 0;
    }

    void draw() override {
        // A model that could not be read draws nothing, rather than the shape.
        if (model_.name[0] && drawing_.empty()) return;
        GLint box[4];
        glGetIntegerv(GL_VIEWPORT, box);
        const double aspect = box[3] > 0 ? static_cast<double>(box[2]) / box[3] : 1.0;
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        setView(aspect);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        setLight();
        placeObject();
        drawSurface();
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
    }

private:
    // Projection into the current matrix, then the camera into the model-view matrix.
    void setView(double aspect) {
        Vec3 eye = {0.0f, 0.0f, 5.0f};
        Vec3 target = {0.0f, 0.0f, 0.0f};
        float fov = kDefaultFov;
        float zNear = kDefaultNear;
        float zFar = kDefaultFar;
        if (const Camera* camera = camera_.camera) {
            eye = camera->pos;
            target = camera->lookat;
            if (camera->fov > 0.0f && camera->fov < 180.0f) fov = camera->fov;
            if (camera->znear > 0.0f) zNear = camera->znear;
            zFar = camera->zfar > zNear ? camera->zfar : zNear * 1000.0f;
        }
        gluPerspective(fov, aspect, zNear, zFar);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, 0.0, 1.0, 0.0);
    }

    // The light is given in world space, so it is set after the camera, before the object.
    void setLight() {
        const GLfloat direction[4] = {light_.x, light_.y, light_.z, 0.0f};
        const GLfloat diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        const GLfloat none[4] = {0.0f, 0.0f, 0.0f, 1.0f};
        const GLfloat ambient[4] = {ambient_, ambient_, ambient_, 1.0f};
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glLightfv(GL_LIGHT0, GL_POSITION, direction);
        glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
        glLightfv(GL_LIGHT0, GL_AMBIENT, none);
        glLightfv(GL_LIGHT0, GL_SPECULAR, none);
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
        glEnable(GL_COLOR_MATERIAL);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
        glEnable(GL_NORMALIZE);
    }

    void placeObject() {
        const float time = host->time();
        glTranslatef(position_.x, position_.y, position_.z);
        glRotatef(rotation_.x + spin_.x * time, 1.0f, 0.0f, 0.0f);
        glRotatef(rotation_.y + spin_.y * time, 0.0f, 1.0f, 0.0f);
        glRotatef(rotation_.z + spin_.z * time, 0.0f, 0.0f, 1.0f);
        glScalef(scale_, scale_, scale_);
    }

    void drawSurface() {
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glDepthMask(GL_TRUE);
        glDisable(GL_CULL_FACE);
        // A model sets its own blending and textures, per material.
        if (model_.name[0]) {
            drawing_.draw(host->time(), colour_);
            return;
        }
        if (colour_.w < 1.0f) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        } else {
            glDisable(GL_BLEND);
        }
        if (texture_.texture) {
            texture_.texture->texture.bind();
            glEnable(GL_TEXTURE_2D);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
        glColor4f(colour_.x, colour_.y, colour_.z, colour_.w);
        glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
        glInterleavedArrays(GL_T2F_N3F_V3F, 0, vertices_.data());
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(vertices_.size()));
        glPopClientAttrib();
    }

    ChoiceSlot shape_;
    CameraSlot camera_;
    TextureSlot texture_;
    Vec4 colour_ = {1.0f, 1.0f, 1.0f, 1.0f};
    Vec3 position_ = {0.0f, 0.0f, 0.0f};
    Vec3 rotation_ = {0.0f, 0.0f, 0.0f};
    Vec3 spin_ = {0.0f, 0.0f, 0.0f};
    float scale_ = 1.0f;
    Vec3 light_ = {0.5f, 1.0f, 1.0f};
    float ambient_ = 0.25f;
    FileSlot model_;
    FileSlot animation_;
    std::vector<MeshVertex> vertices_;
    ModelDrawing drawing_;
};

} // namespace

Effect* makeMeshEffect() {
    return new MeshEffect;
}
