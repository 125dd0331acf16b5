#include "camera/CameraElement.h"
#include "camera/CameraList.h"
#include "camera/ScriptValue.h"
#include <vornex/ScriptNode.h>

#include <cstdlib>
#include <strings.h>

namespace {
bool named(const ScriptAttribute& attribute, const char* name) {
    return strcasecmp(attribute.name, name) == 0;
}

float number(const ScriptAttribute& attribute) {
    return static_cast<float>(std::atof(attribute.value));
}

void applyAttribute(Camera& camera, const ScriptAttribute& attribute) {
    const char* value = attribute.value;
    if (named(attribute, "viewport")) {
        readVec4(value, camera.viewport);
    } else if (named(attribute, "pos")) {
        readVec3(value, camera.pos);
    } else if (named(attribute, "rot")) {
        readVec3(value, camera.rot);
    } else if (named(attribute, "lookat")) {
        readVec3(value, camera.lookat);
    } else if (named(attribute, "fov")) {
        camera.fov = number(attribute);
    } else if (named(attribute, "znear")) {
        camera.znear = number(attribute);
    } else if (named(attribute, "zfar")) {
        camera.zfar = number(attribute);
    } else if (named(attribute, "speed")) {
        camera.speed = number(attribute);
    } else if (named(attribute, "loopstart")) {
        camera.loopstart = number(attribute);
    } else if (named(attribute, "loopend")) {
        camera.loopend = number(attribute);
    } else if (named(attribute, "loopMode")) {
        camera.loopMode = std::atoi(value);
    } else if (named(attribute, "frame")) {
        camera.frame = number(attribute);
    } else if (named(attribute, "direction")) {
        camera.direction = number(attribute);
    }
}
} // namespace

int defineCamera(CameraList& cameras, const ScriptNode& element) {
    const char* mode = nullptr;
    const char* name = nullptr;
    element.getString("mode", mode);
    element.getString("name", name);
    if (!name) return 0;

    if (mode && strcasecmp(mode, "create") == 0) {
        if (!cameras.createCamera(name)) return -1;
    } else if (mode && strcasecmp(mode, "keyframe") == 0) {
        Camera* camera = cameras.findCamera(name);
        if (!camera) return -1;
        for (const ScriptNode* child : element.children) {
            if (child->is("key")) camera->addKey(*child);
        }
    }

    Camera* camera = cameras.findCamera(name);
    if (!camera) return -1;
    for (const ScriptAttribute* attribute : element.attributes) applyAttribute(*camera, *attribute);
    return 0;
}
