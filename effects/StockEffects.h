// The stock effect types of stockfx.so, each made by its own factory.
#pragma once

#include <vornex/plugin.h>

Effect* makeClearEffect();
Effect* makePictureEffect();
Effect* makeFadeEffect();
Effect* makeMeshEffect();
Effect* makeShaderEffect();
Effect* makeLoaderEffect();
Effect* makeMusicPlayEffect();
Effect* makeCaptureEffect();
Effect* makeTextEffect();
