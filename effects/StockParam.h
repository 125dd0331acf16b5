// A parameter of a stock effect: the record the player lists in the log, extended with
// what the value is and where the effect keeps it, so one routine reads every effect's
// attributes.
#pragma once

#include <vornex/plugin.h>

enum class StockValue {
    Colour,
    Vector,
    Rectangle,
    Number,
    Integer,
    Boolean,
    Texture,
    Camera,
    File,
    Choice
};

// A texture parameter: the name as written, and the texture once it is resolved.
struct TextureSlot {
    char name[Texture::kNameSize] = {};
    Texture* texture = nullptr;
};

// A camera parameter: the name as written, and the camera once it is resolved.
struct CameraSlot {
    char name[Camera::kNameSize] = {};
    Camera* camera = nullptr;
};

// A file name in the data tree (or, for capture, a folder).
struct FileSlot {
    static constexpr int kSize = 256;
    char name[kSize] = {};
};

// One of a fixed list of words; `words` ends with a null pointer.
struct ChoiceSlot {
    const char* const* words = nullptr;
    int index = 0;
};

struct StockParam : EffectParam {
    StockValue value;
    void* target;
};

// The log's type code of a value; files and choices have none of their own.
uint32_t paramTypeOf(StockValue value);
