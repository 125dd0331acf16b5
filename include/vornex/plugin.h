// Everything an effect plugin builds against: the effect base and its render state, the
// parameter table, the host interface, the two exports, and the records the player hands
// over (script elements, cameras, textures, images, vectors) and the music and log calls.
#pragma once

#include "Api.h"
#include "Audio.h"
#include "Camera.h"
#include "CameraKey.h"
#include "DemoHost.h"
#include "Effect.h"
#include "EffectExports.h"
#include "EffectParam.h"
#include "EffectParamTable.h"
#include "EffectRenderState.h"
#include "GLTexture.h"
#include "HostLog.h"
#include "Image.h"
#include "ScriptNode.h"
#include "Texture.h"
#include "Vec3.h"
#include "Vec4.h"
