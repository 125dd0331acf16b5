// The script's `camera` element: mode "create" appends a camera, mode "keyframe" appends
// the element's `key` children to the named camera's path; then the element's attributes
// are applied, in document order, to the first camera of that name.
#pragma once

class CameraList;
struct ScriptNode;

// 0, or -1 when no camera could be made (out of memory). Without `name` nothing happens.
int defineCamera(CameraList& cameras, const ScriptNode& element);
