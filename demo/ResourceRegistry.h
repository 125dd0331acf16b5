// A demo's named resources: textures, cameras and surfaces, each an ordered list owned by
// the registry, searched front to back by name without regard to case. Nothing is removed
// before teardown, which destroys the textures first, then the cameras, then the surfaces.
#pragma once

#include "camera/CameraList.h"
#include "resource/SurfaceList.h"
#include "resource/TextureList.h"

class ResourceRegistry {
public:
    // Declared in reverse teardown order: members are destroyed last to first.
    SurfaceList surfaces;
    CameraList cameras;
    TextureList textures;
};
