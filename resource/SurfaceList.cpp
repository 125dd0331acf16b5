#include "resource/SurfaceList.h"

#include "resource/ResourceName.h"
#include <vornex/ScriptNode.h>

#include <new>
#include <strings.h>

SurfaceList::~SurfaceList() {
    for (Surface* entry : entries_) delete entry;
}

Surface* SurfaceList::createSurface(const char* name) {
    Surface* entry = new (std::nothrow) Surface;
    if (!entry) return nullptr;
    copyResourceName(entry->name, Surface::kNameSize, name);
    try {
        entries_.push_back(entry);
    } catch (const std::bad_alloc&) {
        delete entry;
        return nullptr;
    }
    return entry;
}

Surface* SurfaceList::findSurface(const char* name) {
    for (Surface* entry : entries_)
        if (sameResourceName(entry->name, name)) return entry;
    return createSurface(name);
}

int defineSurface(SurfaceList& surfaces, const ScriptNode& element) {
    const char* mode = nullptr;
    const char* name = nullptr;
    int width = 0, height = 0;
    element.getString("mode", mode);
    element.getString("name", name);
    element.getInt("width", width);
    element.getInt("height", height);
    if (!mode || strcasecmp(mode, "create") != 0 || !name || width <= 0 || height <= 0) return 0;
    return surfaces.createSurface(name) ? 0 : -1;
}
