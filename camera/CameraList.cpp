#include "camera/CameraList.h"

#include <new>
#include <strings.h>

namespace {
constexpr size_t kInitialCapacity = 32;
}

CameraList::CameraList() {
    cameras.reserve(kInitialCapacity);
}

CameraList::~CameraList() {
    for (Camera* camera : cameras) delete camera;
}

Camera* CameraList::createCamera(const char* name) {
    Camera* camera = new (std::nothrow) Camera(name);
    if (!camera) return nullptr;
    try {
        cameras.push_back(camera);
    } catch (const std::bad_alloc&) {
        delete camera;
        return nullptr;
    }
    return camera;
}

Camera* CameraList::findCamera(const char* name) {
    for (Camera* camera : cameras) {
        // Stored names are cut to the field, so a longer name is compared as cut.
        if (strncasecmp(camera->name, name, Camera::kNameSize - 1) == 0) return camera;
    }
    return createCamera(name);
}

void CameraList::updateCameras(float step) {
    for (Camera* camera : cameras) camera->update(step);
}
