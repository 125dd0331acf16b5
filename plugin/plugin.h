// Everything an effect plugin builds against: the effect base and its render state, the
// parameter table, the host interface, the two exports, and the records the player hands
// over (script elements, vectors).
#pragma once

#include "DemoHost.h"
#include "Effect.h"
#include "EffectExports.h"
#include "EffectParam.h"
#include "EffectParamTable.h"
#include "EffectRenderState.h"
#include "ScriptNode.h"
#include "Vec3.h"
#include "Vec4.h"
