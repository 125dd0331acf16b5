// The demo's cameras, in creation order; the list owns them and deletes them when it is
// destroyed. Lookups compare names without regard to ASCII case and take the first match.
// Cameras are never removed before teardown.
#pragma once

#include <vornex/Camera.h>

#include <vector>

class CameraList {
public:
    CameraList();
    ~CameraList();
    CameraList(const CameraList&) = delete;
    CameraList& operator=(const CameraList&) = delete;

    // Appends a camera with the defaults even when one of that name exists (a later lookup
    // finds the earlier one). Null only when memory runs out.
    Camera* createCamera(const char* name);
    // The first camera of that name; a missing one is created, so the result is null only
    // when memory runs out.
    Camera* findCamera(const char* name);
    // Moves every camera along its path by one frame step, in list order.
    void updateCameras(float step);

    int count() const { return static_cast<int>(cameras.size()); }
    Camera* at(int index) const { return cameras[index]; }

private:
    std::vector<Camera*> cameras;
};
