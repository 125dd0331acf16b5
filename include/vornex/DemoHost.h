// What an effect can ask of the demo it belongs to, through its `host` field. Calls are
// allowed only from inside the player's calls into the effect, on the main thread. The
// player keeps ownership of textures, surfaces and cameras; an image from loadImage()
// belongs to the caller. The order of the operations is part of the plugin contract:
// never reorder.
#pragma once

#include "Camera.h"
#include "Image.h"
#include "Texture.h"

#include <cstdint>

class Effect;
struct ScriptNode;

class DemoHost {
public:
    // Executes the element's attributes and children against the demo, as if the script
    // had them there. Always 0.
    virtual int walk(ScriptNode* element) = 0;
    // True while the current frame runs at a play speed other than 1 (fast forward or
    // rewind).
    virtual bool seeking() = 0;
    virtual float time() = 0;   // demo time in seconds
    virtual float width() = 0;  // client width in pixels
    virtual float height() = 0; // client height in pixels
    virtual int pluginCount() = 0;
    virtual uint32_t effectCount() = 0;
    // In order of addition; null when `index` is not below effectCount().
    virtual Effect* effect(uint32_t index) = 0;
    // The texture made from that file, loaded on first use.
    virtual Texture* loadTexture(const char* fileName) = 0;
    // The camera of that name, created when there is none yet.
    virtual Camera* getCamera(const char* name) = 0;
    // An empty named texture, or a surface when `surfaceKind` is true.
    virtual Texture* createTexture(int width, int height, int bpp, bool surfaceKind,
                                   const char* name) = 0;
    // A decoded image without a texture; the caller deletes it.
    virtual Image* loadImage(const char* fileName) = 0;

protected:
    ~DemoHost() = default; // the demo owns itself; effects never delete their host
};
