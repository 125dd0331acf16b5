// The entry points of the extension loader, one X(type, name) per slot, in one file per
// extension family: the window system's, the core versions', then the ARB, EXT, ATI and NV
// extensions'. The lists are kept by hand rather than generated from glext.h: several
// depart from the header's blocks (the 1.4 list leaves out glPointParameteri and
// glPointParameteriv, ATI_vertex_streams its one-component forms, NV_half_float is loaded
// in parts, ARB_program is shared by two extensions), and the window-system and
// NV_element_array types are in no header on Linux.
#pragma once

#include "platform/ExtensionEntryPointsArb.h"
#include "platform/ExtensionEntryPointsAti.h"
#include "platform/ExtensionEntryPointsExt.h"
#include "platform/ExtensionEntryPointsGLCore.h"
#include "platform/ExtensionEntryPointsNV.h"
#include "platform/ExtensionEntryPointsWgl.h"

// Every slot once.
// clang-format off
#define ENTRY_POINTS_ALL(X) \
    ENTRY_POINTS_WGL(X) \
    ENTRY_POINTS_GL_CORE(X) \
    ENTRY_POINTS_ARB(X) \
    ENTRY_POINTS_EXT(X) \
    ENTRY_POINTS_ATI(X) \
    ENTRY_POINTS_NV(X)
// clang-format on
