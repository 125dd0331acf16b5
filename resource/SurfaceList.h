// The registry's surface list: named surfaces in creation order, owned by the list. A
// surface is a name only, unless it was declared as a render target: then the list also
// owns its RenderTarget, whose front buffer is the surface's texture.
#pragma once

#include "resource/FramebufferCalls.h"
#include "resource/RenderTarget.h"
#include "resource/Surface.h"

#include <cstddef>
#include <memory>
#include <vector>

struct ScriptNode;

class SurfaceList {
public:
    static constexpr size_t kMaxTargets = 16;

    SurfaceList() = default;
    ~SurfaceList();
    SurfaceList(const SurfaceList&) = delete;
    SurfaceList& operator=(const SurfaceList&) = delete;

    // Appends a new surface; duplicates are not checked, lookups find the earliest. Null only
    // when memory runs out.
    Surface* createSurface(const char* name);
    // First surface with that name (any case), created when there is none.
    Surface* findSurface(const char* name);
    // Gives `surface` a render target of that size (0: the window's). -1 with a log line
    // when kMaxTargets are made already.
    int createTarget(Surface& surface, int width, int height, const FramebufferCalls& calls);
    // The render target of `surface`; null for a plain surface.
    RenderTarget* findTarget(const Surface* surface) const;
    // The first render-target surface of that name (any case); never creates one.
    Surface* findTargetSurface(const char* name) const;

    size_t count() const { return entries_.size(); }
    Surface* at(size_t index) const { return entries_[index]; }

private:
    struct Target {
        Surface* surface;
        std::unique_ptr<RenderTarget> target;
    };

    std::vector<Surface*> entries_;
    std::vector<Target> targets_;
};

// True when the `surface` element asks for a render target (target="1").
bool declaresTarget(const ScriptNode& element);

// The script's `surface` element. Mode "create" (any case) with a name creates the surface
// `name`. A plain surface needs a positive `width` and `height`, which are not kept. A
// render target (target="1") takes sizes of 0 or more, 0 following the window, and gets
// its buffers when `framebuffers` is given; without them it stays a plain surface.
// Anything else is ignored. Returns -1 only when no surface could be made. The caller
// prints the element's announcement line.
int defineSurface(SurfaceList& surfaces, const ScriptNode& element,
                  const FramebufferCalls* framebuffers);
