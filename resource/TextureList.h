// The registry's texture list: named textures in creation order, owned by the list and
// destroyed with it. Textures are loaded from image files through the data locator and the
// format dispatch, or created empty. Needs a current OpenGL context for everything that
// makes or destroys a texture.
#pragma once

#include <vornex/Texture.h>

#include <cstddef>
#include <vector>

class cFormat;
struct ScriptNode;

class TextureList {
public:
    TextureList() = default;
    ~TextureList();
    TextureList(const TextureList&) = delete;
    TextureList& operator=(const TextureList&) = delete;

    // First entry with that name (any case), or null.
    Texture* findTexture(const char* name) const;
    // Find, or load the file and register it under `fileName` as given. A file that is
    // missing or that no reader loads gives an 8 x 8 BGR placeholder under that name, so the
    // file is tried once. Null only when memory runs out.
    Texture* loadTexture(const char* fileName);
    // Appends a new entry (a Surface when `surfaceKind`) and creates its OpenGL texture; the
    // entry is kept even when the creation is refused. Names are not checked for duplicates.
    Texture* createTexture(int width, int height, int bitsPerPixel, bool surfaceKind,
                           const char* name);

    // Takes an entry made elsewhere (a texture the player fills itself); false, the entry
    // destroyed, when memory runs out.
    bool append(Texture* entry);

    size_t count() const { return entries_.size(); }
    Texture* at(size_t index) const { return entries_[index]; }

private:
    std::vector<Texture*> entries_;
};

// Replaces the entry's picture by `image`, in a new OpenGL texture when the size or depth
// differ. -1, with the old picture kept, when textures refuse the image's size or depth
// (create prints why).
int replaceTexturePicture(Texture& entry, cFormat& image);

// The script's `texture` element: mode "load" with `filename`, or mode "create" with
// `name`, `width`, `height` and `bpp` (24 or 32). Anything else, and a create without a
// name, is ignored. Returns -1 only when no entry could be made.
int defineTexture(TextureList& textures, const ScriptNode& element);
