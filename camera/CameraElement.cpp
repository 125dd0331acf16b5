#include "camera/CameraElement.h"
#include "camera/CameraList.h"
#include <vornex/ScriptNode.h>
#include <vornex/ScriptValue.h>

#include <strings.h>

namespace {
bool named(const ScriptAttribute& attribute, const char* name) {
    return strcasecmp(attribute.name, name) == 0;
}

void applyAttribute(Camera& camera, const ScriptAttribute& attribute) {
    const char* value = attribute.value;
    if (named(attribute, "viewport")) {
        scriptValue(value, camera.viewport);
    } else if (named(attribute, "pos")) {
        scriptValue(value, camera.pos);
    } else if (named(attribute, "rot")) {
        scriptValue(value, camera.rot);
    } else if (named(attribute, "lookat")) {
        scriptValue(value, camera.lookat);
    } else if (named(attribute, "fov")) {
        camera.fov = scriptFloat(value);
    } else if (named(attribute, "znear")) {
        camera.znear = scriptFloat(value);
    } else if (named(attribute, "zfar")) {
        camera.zfar = scriptFloat(value);
    } else if (named(attribute, "speed")) {
        camera.speed = scriptFloat(value);
    } else if (named(attribute, "loopstart")) {
        camera.loopstart = scriptFloat(value);
    } else if (named(attribute, "loopend")) {
        camera.loopend = scriptFloat(value);
    } else if (named(attribute, "loopMode")) {
        camera.loopMode = scriptInt(value);
    } else if (named(attribute, "frame")) {
        camera.frame = scriptFloat(value);
    } else if (named(attribute, "direction")) {
        camera.direction = scriptFloat(value);
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
