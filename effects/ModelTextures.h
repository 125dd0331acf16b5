// The textures of a model's materials, as textures of the demo: a file the model names
// comes through the player's own texture path (by its bare file name, so from
// data/textures/, in every picture format the player reads); a texture embedded in the file
// is uploaded under a name made from the model's.
#pragma once

#include "ModelScene.h"

#include <vornex/DemoHost.h>
#include <vornex/Texture.h>

#include <string>

// The texture of `material`, or null when it has none. A texture that cannot be made gives
// null and its reason in `reason`.
Texture* findModelTexture(DemoHost& host, const ModelScene& scene, const ModelMaterial& material,
                          const char* modelName, std::string& reason);
