// The registry's surface list: named surfaces in creation order, owned by the list. A
// surface is a name only; it owns no OpenGL texture.
#pragma once

#include "resource/Surface.h"

#include <cstddef>
#include <vector>

struct ScriptNode;

class SurfaceList {
public:
    SurfaceList() = default;
    ~SurfaceList();
    SurfaceList(const SurfaceList&) = delete;
    SurfaceList& operator=(const SurfaceList&) = delete;

    // Appends a new surface; duplicates are not checked, lookups find the earliest. Null only
    // when memory runs out.
    Surface* createSurface(const char* name);
    // First surface with that name (any case), created when there is none.
    Surface* findSurface(const char* name);

    size_t count() const { return entries_.size(); }
    Surface* at(size_t index) const { return entries_[index]; }

private:
    std::vector<Surface*> entries_;
};

// The script's `surface` element: mode "create" (any case) with a positive `width` and
// `height` creates the surface `name`; anything else, and an element without a name, is
// ignored. The sizes are not kept. Returns -1 only when no surface could be made. The
// caller prints the element's announcement line.
int defineSurface(SurfaceList& surfaces, const ScriptNode& element);
