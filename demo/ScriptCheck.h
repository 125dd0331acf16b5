// Check mode: goes through a read script the way the player's walk would, without a window,
// and reports what the player would silently skip or misread: unknown elements and
// attributes, numbers that do not read as numbers, effect names that take keywords over,
// effect types no loaded plugin offers, plugins loaded after the `add` that needs them,
// draw-order and drive names that match no effect, track file bases that leave the data
// folder, files the locator cannot find (with the folder's closest name), pictures textures
// would refuse, cameras used but never declared, key names of more than one character,
// attributes an effect's parameter list does not name, and events after `run` that never
// fire.
// It loads the plugins the script names (to ask for types and parameters) and makes one
// instance of each added effect, which it never loads.
#pragma once

#include <memory>
#include <string>
#include <vector>

class Diagnostics;
class Effect;
class EffectPlugin;
class ScriptDocument;
struct ElementRule;
struct ScriptAttribute;
struct ScriptNode;

class ScriptCheck {
public:
    ScriptCheck(const ScriptDocument& document, Diagnostics& out);
    ~ScriptCheck();
    ScriptCheck(const ScriptCheck&) = delete;
    ScriptCheck& operator=(const ScriptCheck&) = delete;

    // Every top-level element of the document.
    void run();

    // After run(): the data files the script names that exist, as found below the working
    // directory ("data/textures/logo.tga"), each once, in order of first use, with the
    // track files of every base a `sync` element sets.
    const std::vector<std::string>& dataFiles() const { return dataFiles_; }
    // After run(): the plugin files that loaded, as the script names them, each once.
    const std::vector<std::string>& pluginFiles() const { return pluginFiles_; }

private:
    struct Plugin;
    struct AddedEffect;

    void checkDemo(const ScriptNode& demo);
    // `walked`: the element's own attributes are demo settings (the demo, an event).
    void checkAttributes(const ScriptNode& element, const ElementRule* rule, bool walked);
    void checkValue(const ScriptAttribute& attribute, int kind);
    void dispatch(const ScriptNode& child);
    void checkAdd(const ScriptNode& element);
    void checkLoadPlugin(const ScriptNode& element);
    void checkDrawOrder(const ScriptNode& element);
    void checkLoad(const ScriptNode& element);
    void checkCamera(const ScriptNode& element);
    void checkDrive(const ScriptNode& element);
    // Names beginning "music." in a drive's tracks must be the music tracks.
    void checkMusicTracks(const ScriptAttribute& tracks);
    void checkEffectElement(const AddedEffect& effect, const ScriptNode& element);
    // An effect that takes `uniforms` learns the parameters declared there first, so they
    // are found in its table like the others.
    void declareParams(const AddedEffect& effect, const ScriptNode& element);
    void checkEffectValue(const ScriptAttribute& attribute, unsigned typeCode);
    void checkDataFile(const ScriptAttribute& attribute);
    // A picture file that exists: decoded, and measured against what textures take.
    void checkTexturePicture(const ScriptAttribute& attribute);
    void checkEventKey(const ScriptNode& element);
    // In a part: the time it fires at, from the demo's start.
    void checkEventTime(const ScriptNode& element);
    void checkCamerasDeclared();
    void unknownElement(const ScriptNode& element);
    void releaseDemo();

    const AddedEffect* findEffect(const char* name) const;
    bool knowsTexture(const char* name) const;
    bool knowsSurface(const char* name) const;
    bool knowsTargetSurface(const char* name) const;
    std::string offeredTypes() const;

    void useDataFile(const std::string& path);

    const ScriptDocument& document_;
    Diagnostics& out_;
    std::vector<std::string> dataFiles_;
    std::vector<std::string> pluginFiles_;

    // The demo being checked.
    std::vector<std::unique_ptr<Plugin>> plugins_; // every loadplugin, opened up front
    size_t pluginsLoaded_ = 0;                     // those whose element came already
    std::vector<std::unique_ptr<AddedEffect>> effects_;
    std::vector<const ScriptNode*> adds_; // every add of the demo, in order, for hints
    size_t addsPassed_ = 0;               // those whose element came already
    std::vector<std::string> textures_;
    std::vector<std::string> surfaces_;
    std::vector<std::string> cameras_;
    std::vector<const ScriptAttribute*> cameraUses_;
    std::vector<std::string> targetSurfaces_; // surfaces declared with target="1"
    std::vector<const ScriptNode*> events_;
    size_t effectsLoaded_ = 0; // effects added before the last `load`
    bool sawLoad_ = false;
};
