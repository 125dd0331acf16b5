#include "resource/SurfaceList.h"

#include "resource/ResourceName.h"
#include <vornex/HostLog.h>
#include <vornex/ScriptNode.h>

#include <new>
#include <strings.h>

SurfaceList::~SurfaceList() {
    // The targets own the surfaces' OpenGL textures, so they go first.
    targets_.clear();
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

int SurfaceList::createTarget(Surface& surface, int width, int height,
                              const FramebufferCalls& calls) {
    if (targets_.size() >= kMaxTargets) {
        hostLog("surface %s: at most %u render targets; what is drawn into it goes to the window",
                surface.name, static_cast<unsigned>(kMaxTargets));
        return -1;
    }
    targets_.push_back({&surface, std::make_unique<RenderTarget>(surface, width, height, calls)});
    return 0;
}

RenderTarget* SurfaceList::findTarget(const Surface* surface) const {
    for (const Target& entry : targets_)
        if (entry.surface == surface) return entry.target.get();
    return nullptr;
}

Surface* SurfaceList::findTargetSurface(const char* name) const {
    for (Surface* entry : entries_)
        if (sameResourceName(entry->name, name)) return findTarget(entry) ? entry : nullptr;
    return nullptr;
}

bool declaresTarget(const ScriptNode& element) {
    int target = 0;
    element.getInt("target", target);
    return target != 0;
}

int defineSurface(SurfaceList& surfaces, const ScriptNode& element,
                  const FramebufferCalls* framebuffers) {
    const char* mode = nullptr;
    const char* name = nullptr;
    int width = 0, height = 0;
    element.getString("mode", mode);
    element.getString("name", name);
    element.getInt("width", width);
    element.getInt("height", height);
    if (!mode || strcasecmp(mode, "create") != 0 || !name) return 0;
    const bool target = declaresTarget(element);
    if (!target && (width <= 0 || height <= 0)) return 0;
    if (target && (width < 0 || height < 0)) {
        hostLog("surface %s: width and height are 0 (the window's) or more; ignored", name);
        return 0;
    }
    Surface* surface = surfaces.createSurface(name);
    if (!surface) return -1;
    if (target && framebuffers) surfaces.createTarget(*surface, width, height, *framebuffers);
    return 0;
}
