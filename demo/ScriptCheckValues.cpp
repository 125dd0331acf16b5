// ScriptCheck's checks of values and files: numbers, data files, pictures read as textures,
// event keys and times, cameras, and the values of effect parameters by type code.
#include "demo/ScriptCheck.h"

#include "demo/CheckMessages.h"
#include "demo/DataFileSearch.h"
#include "demo/Diagnostics.h"
#include "demo/NameHint.h"
#include "demo/NumberText.h"
#include "demo/PartStart.h"
#include "demo/ScriptVocabulary.h"
#include "image/ReadImage.h"
#include "script/ScriptDocument.h"
#include <vornex/EffectParamTable.h>
#include <vornex/ScriptValue.h>

#include <cstring>
#include <memory>
#include <strings.h>

void ScriptCheck::checkValue(const ScriptAttribute& attribute, int kind) {
    const char* value = attribute.value;
    switch (static_cast<ValueKind>(kind)) {
    case ValueKind::Integer:
        if (!isIntegerText(value)) out_.error(&attribute, numberMistake(value, "a whole number"));
        break;
    case ValueKind::Number:
        if (!isNumberText(value)) out_.error(&attribute, numberMistake(value, "a number"));
        break;
    case ValueKind::Vec3:
        if (!isNumberListText(value, 3))
            out_.error(&attribute, numberMistake(value, "three numbers separated by commas"));
        break;
    case ValueKind::Vec4:
        if (!isNumberListText(value, 4))
            out_.error(&attribute, numberMistake(value, "four numbers separated by commas"));
        break;
    case ValueKind::DataFile:
        checkDataFile(attribute);
        break;
    case ValueKind::Text:
    case ValueKind::Plugin:
    case ValueKind::EffectName:
        break;
    }
}

void ScriptCheck::checkDataFile(const ScriptAttribute& attribute) {
    std::string path;
    if (dataFileExists(attribute.value, path))
        useDataFile(path);
    else
        out_.error(&attribute, "file " + quoted(attribute.value) + " not found" +
                                   (path.empty() ? "" : " (looked for " + path + ")") +
                                   (path.empty() ? "" : nearbyFile(attribute.value, path)));
}

void ScriptCheck::checkTexturePicture(const ScriptAttribute& attribute) {
    // Read as the player reads a texture: a GIF as the 32-bit picture of its first frame.
    std::unique_ptr<cFormat> image(loadTextureImage(attribute.value));
    if (!image) {
        out_.error(&attribute, "picture " + quoted(attribute.value) +
                                   " cannot be read as TGA, JPEG, BMP, PNG or GIF");
        return;
    }
    const TextureFault fault =
        textureFault(image->width(), image->height(), static_cast<int>(image->bitsPerPixel()));
    if (fault == TextureFault::None) return;
    out_.error(&attribute,
               "texture " + quoted(attribute.value) + " is " + std::to_string(image->width()) +
                   " x " + std::to_string(image->height()) + " at " +
                   std::to_string(image->bitsPerPixel()) + " bits, which the player refuses (" +
                   textureFaultText(fault) + "); it would be drawn as a plain colour");
}

void ScriptCheck::checkEventTime(const ScriptNode& element) {
    const ScriptAttribute* time = element.findAttribute("time");
    const double start = partStart(element);
    if (!time || element.findAttribute("key") || start == 0.0 || !isNumberText(time->value)) return;
    const double at = start + static_cast<double>(scriptFloat(time->value));
    if (at < 0.0)
        out_.error(time, "event time " + quoted(time->value) + " in a part starting at " +
                             seconds(start) + " is at " + seconds(at) +
                             ", before the demo begins; it never fires");
}

void ScriptCheck::checkEventKey(const ScriptNode& element) {
    const ScriptAttribute* key = element.findAttribute("key");
    if (!key || std::strlen(key->value) == 1) return;
    if (!key->value[0]) {
        out_.error(key, "key '' names no key; the event never fires");
        return;
    }
    out_.error(key, "key " + quoted(key->value) + " is more than one character; only " +
                        quoted(std::string(1, key->value[0]).c_str()) +
                        " is bound (a key event takes the one character a key types)");
}

void ScriptCheck::checkCamerasDeclared() {
    for (const ScriptAttribute* use : cameraUses_) {
        bool declared = false;
        for (const std::string& camera : cameras_)
            declared |= strcasecmp(camera.c_str(), use->value) == 0;
        if (declared) continue;
        out_.error(use, "camera " + quoted(use->value) +
                            " is never declared by a <camera>; the player makes an unmoving one "
                            "in its place" +
                            didYouMean(use->value, cameras_));
    }
}

void ScriptCheck::checkCamera(const ScriptNode& element) {
    if (const ScriptAttribute* name = element.findAttribute("name"))
        cameras_.push_back(name->value);
    for (const ScriptNode* child : element.children) {
        if (child->is("key"))
            checkAttributes(*child, &cameraKeyRule(), false);
        else
            out_.warning(child, "a <camera> takes only <key> elements; <" +
                                    std::string(child->name) + "> is skipped");
    }
}

void ScriptCheck::checkEffectValue(const ScriptAttribute& attribute, unsigned typeCode) {
    switch (typeCode) {
    case kParamTexture: {
        const char* value = attribute.value;
        if (!value[0] || knowsTexture(value) || knowsTargetSurface(value)) break;
        // The music's analysis is a texture of that name; `self` is a channel's own frame.
        if (strcasecmp(value, "music") == 0) break;
        if (strcasecmp(value, "self") == 0 && strncasecmp(attribute.name, "channel", 7) == 0) break;
        if (knowsSurface(value)) {
            out_.error(&attribute, "surface " + quoted(value) +
                                       " holds no pixels; declare it with target=\"1\" to "
                                       "read it as a texture");
            break;
        }
        std::string path;
        if (!dataFileExists(value, path))
            out_.error(&attribute, "texture " + quoted(value) +
                                       " is neither created by the script, a render-target "
                                       "surface nor a file (looked for " +
                                       path + ")" + (path.empty() ? "" : nearbyFile(value, path)));
        else {
            useDataFile(path);
            checkTexturePicture(attribute);
        }
        break;
    }
    case kParamNumbers:
        if (!isNumberListText(attribute.value, 1) && !isNumberListText(attribute.value, 2) &&
            !isNumberListText(attribute.value, 3) && !isNumberListText(attribute.value, 4))
            out_.error(&attribute,
                       numberMistake(attribute.value, "one to four numbers separated by commas"));
        break;
    case kParamVec4f:
        checkValue(attribute, static_cast<int>(ValueKind::Vec4));
        break;
    case kParamVec3f:
        checkValue(attribute, static_cast<int>(ValueKind::Vec3));
        break;
    case kParamInteger:
    case kParamBoolean:
        checkValue(attribute, static_cast<int>(ValueKind::Integer));
        break;
    case kParamFloat:
        checkValue(attribute, static_cast<int>(ValueKind::Number));
        break;
    case kParamCamera:
        if (attribute.value[0]) cameraUses_.push_back(&attribute);
        break;
    default:
        // Files have no type code of their own; by convention they are named `file`, or
        // `font` for the text effect's and `model` for the mesh effect's.
        if (strcasecmp(attribute.name, "file") == 0 || strcasecmp(attribute.name, "font") == 0 ||
            strcasecmp(attribute.name, "model") == 0)
            checkDataFile(attribute);
        break;
    }
}
