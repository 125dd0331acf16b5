#include "demo/ScriptCheck.h"

#include "demo/Diagnostics.h"
#include "demo/EffectPlugin.h"
#include "demo/NameHint.h"
#include "demo/NumberText.h"
#include "demo/PartStart.h"
#include "demo/ScriptVocabulary.h"
#include "image/ReadImage.h"
#include "io/DataLocator.h"
#include "resource/MusicTexture.h"
#include "resource/SurfaceList.h"
#include "resource/TextureRules.h"
#include "script/ScriptDocument.h"
#include "sync/MusicTrackNames.h"
#include "sync/TrackFileList.h"
#include "sync/TrackFileName.h"
#include <vornex/Effect.h>
#include <vornex/EffectParamTable.h>
#include <vornex/ScriptValue.h>
#include <vornex/plugin.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <strings.h>
#include <sys/stat.h>

namespace {

constexpr size_t kMaxEffectNameLength = 15;

std::string quoted(const char* text) {
    return std::string("'") + text + "'";
}

std::string lineOf(const ScriptDocument& document, const void* record) {
    const SourcePosition* at = document.positionOf(record);
    return at ? "line " + std::to_string(at->line) : "later";
}

bool dataFileExists(const char* name, std::string& path) {
    char resolved[DataLocator::kPathSize];
    if (!DataLocator::resolve(name, resolved)) return false;
    path = resolved;
    struct stat info;
    return name[0] && stat(resolved, &info) == 0 && S_ISREG(info.st_mode);
}

// The closest name among the files of the folder the locator looked in, as a hint.
std::string nearbyFile(const char* name, const std::string& path) {
    const std::filesystem::path looked(path);
    const std::string written = std::filesystem::path(name).parent_path().generic_string();
    const std::string prefix = written.empty() ? "" : written + "/";
    std::vector<std::string> names;
    std::error_code error;
    for (auto entry = std::filesystem::directory_iterator(looked.parent_path(), error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error))
        if (entry->is_regular_file(error))
            names.push_back(prefix + entry->path().filename().string());
    std::sort(names.begin(), names.end());
    return didYouMean(name, names);
}

const char* textureFaultText(TextureFault fault) {
    switch (fault) {
    case TextureFault::Depth:
        return "textures take 24 or 32 bits a pixel";
    case TextureFault::Size:
        return "texture sides run from 8 to 2048";
    case TextureFault::WidthNotPowerOfTwo:
        return "its width is not a power of two";
    case TextureFault::HeightNotPowerOfTwo:
        return "its height is not a power of two";
    case TextureFault::None:
        break;
    }
    return "";
}

// "12.5 s": a demo time as messages show it, always absolute.
std::string seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g s", value);
    return text;
}

// " (at 12.5 s)" for a timed event, its parts' starts included.
std::string eventTimeNote(const ScriptNode& event) {
    const ScriptAttribute* time = event.findAttribute("time");
    if (!time || event.findAttribute("key")) return "";
    return " (at " + seconds(partStart(event) + static_cast<double>(scriptFloat(time->value))) +
           ")";
}

std::string numberMistake(const char* value, const char* wanted) {
    std::string text = quoted(value) + " is not " + wanted;
    const bool single = std::strcmp(wanted, "a number") == 0;
    if (!single && std::strcmp(wanted, "a whole number") != 0) return text;
    // What the player makes of it, read as it reads numbers.
    char reading[32];
    if (single)
        std::snprintf(reading, sizeof reading, "%g", static_cast<double>(scriptFloat(value)));
    else
        std::snprintf(reading, sizeof reading, "%d", scriptInt(value));
    text += std::string(" (it reads as ") + reading + ")";
    if (single && std::strchr(value, ',')) text += "; decimals take a point, as in 0.5";
    return text;
}

} // namespace

struct ScriptCheck::Plugin {
    const ScriptNode* element;
    std::string file;
    EffectPlugin library;
    bool opened = false;
};

struct ScriptCheck::AddedEffect {
    std::string name;
    std::string type;
    Effect* instance = nullptr; // owned; made by its plugin, never loaded
    const ScriptNode* element = nullptr;
    ~AddedEffect() { delete instance; }
};

ScriptCheck::ScriptCheck(const ScriptDocument& document, Diagnostics& out)
    : document_(document), out_(out) {}

ScriptCheck::~ScriptCheck() {
    releaseDemo();
}

void ScriptCheck::releaseDemo() {
    // Effects go before the libraries that hold their code.
    effects_.clear();
    plugins_.clear();
    pluginsLoaded_ = 0;
    adds_.clear();
    addsPassed_ = 0;
    textures_.clear();
    surfaces_.clear();
    cameras_.clear();
    cameraUses_.clear();
    targetSurfaces_.clear();
    events_.clear();
    effectsLoaded_ = 0;
    sawLoad_ = false;
}

void ScriptCheck::run() {
    // The script and its includes come first.
    for (const std::string& name : document_.fileNames()) {
        std::string path;
        if (dataFileExists(name.c_str(), path)) useDataFile(path);
    }
    for (const ScriptNode* element : document_.children) {
        if (element->is("demo"))
            checkDemo(*element);
        else
            out_.warning(element, "top-level <" + std::string(element->name) +
                                      "> is not a <demo> and is skipped");
    }
}

void ScriptCheck::checkDemo(const ScriptNode& demo) {
    releaseDemo();
    for (const ScriptNode* child : demo.children) {
        if (child->is("add")) adds_.push_back(child);
        if (!child->is("loadplugin")) continue;
        const ScriptAttribute* file = nullptr;
        for (const ScriptAttribute* attribute : child->attributes)
            if (strcasecmp(attribute->name, "file") == 0) file = attribute;
        std::unique_ptr<Plugin> plugin(new Plugin);
        plugin->element = child;
        plugin->file = file ? file->value : "";
        plugin->opened = file && plugin->library.open(file->value) == 0;
        plugins_.push_back(std::move(plugin));
    }
    checkAttributes(demo, nullptr, true);
    const ScriptNode* run = nullptr;
    for (const ScriptNode* child : demo.children) {
        if (run && child->is("event") && !findEffect(child->name))
            out_.warning(child, "<event> after the <run> at " + lineOf(document_, run) +
                                    " is defined only once the demo has ended; it never fires" +
                                    eventTimeNote(*child));
        dispatch(*child);
        if (addsPassed_ < adds_.size() && adds_[addsPassed_] == child) ++addsPassed_;
        if (!run && child->is("run") && !findEffect(child->name)) run = child;
    }
    if (!run) out_.warning(&demo, "<demo> has no <run>, so it never plays");
    if (sawLoad_)
        for (size_t i = effectsLoaded_; i < effects_.size(); ++i)
            out_.warning(effects_[i]->element, "effect " + quoted(effects_[i]->name.c_str()) +
                                                   " is added after the last <load> and is "
                                                   "never loaded");
    // Events run their children when they fire, once every effect has been added.
    for (size_t i = 0; i < events_.size(); ++i)
        for (const ScriptNode* child : events_[i]->children) dispatch(*child);
    checkCamerasDeclared();
    releaseDemo();
}

void ScriptCheck::dispatch(const ScriptNode& child) {
    if (const AddedEffect* effect = findEffect(child.name)) {
        checkEffectElement(*effect, child);
        return;
    }
    const Keyword* keyword = findKeyword(child.name);
    if (!keyword) {
        unknownElement(child);
        return;
    }
    checkAttributes(child, &keyword->rule, keyword->check == KeywordCheck::Event);
    switch (keyword->check) {
    case KeywordCheck::Add:
        checkAdd(child);
        break;
    case KeywordCheck::LoadPlugin:
        checkLoadPlugin(child);
        break;
    case KeywordCheck::DrawOrder:
        checkDrawOrder(child);
        break;
    case KeywordCheck::Load:
        checkLoad(child);
        break;
    case KeywordCheck::Camera:
        checkCamera(child);
        break;
    case KeywordCheck::Event:
        checkEventKey(child);
        checkEventTime(child);
        events_.push_back(&child);
        break;
    case KeywordCheck::Texture:
    case KeywordCheck::Surface: {
        const ScriptAttribute* name = child.findAttribute("name");
        if (!name) name = child.findAttribute("filename");
        if (name)
            (keyword->check == KeywordCheck::Texture ? textures_ : surfaces_)
                .push_back(name->value);
        const ScriptAttribute* file = child.findAttribute("filename");
        std::string path;
        if (keyword->check == KeywordCheck::Texture && file && dataFileExists(file->value, path))
            checkTexturePicture(*file);
        if (name && keyword->check == KeywordCheck::Surface && declaresTarget(child))
            targetSurfaces_.push_back(name->value);
        break;
    }
    case KeywordCheck::Sync: {
        const ScriptAttribute* base = child.findAttribute("base");
        if (base && base->value[0] && !trackBaseUsable(base->value))
            out_.error(base, "track file base " + quoted(base->value) +
                                 " would lead out of data/ (no leading '/', no '\\' or ':', "
                                 "no empty, '.' or '..' part)");
        else if (base)
            for (const std::string& path : trackFilesOfBase(base->value)) useDataFile(path);
        break;
    }
    case KeywordCheck::Drive:
        checkDrive(child);
        break;
    case KeywordCheck::Part:
        for (const ScriptNode* inner : child.children) dispatch(*inner);
        break;
    case KeywordCheck::None:
        break;
    }
}

void ScriptCheck::unknownElement(const ScriptNode& element) {
    // An add already passed made no effect (its own error says why); a later one comes too
    // late. Events run after every add, so for their children all adds have passed.
    for (size_t i = 0; i < adds_.size(); ++i) {
        const ScriptAttribute* name = adds_[i]->findAttribute("name");
        if (!name || strcasecmp(name->value, element.name) != 0) continue;
        const std::string added =
            "effect " + quoted(name->value) + " at " + lineOf(document_, adds_[i]);
        if (i < addsPassed_)
            out_.error(&element, "<" + std::string(element.name) +
                                     "> configures nothing: the <add> of " + added +
                                     " made no effect");
        else
            out_.error(&element, "<" + std::string(element.name) + "> comes before the <add> of " +
                                     added + ", so it configures nothing");
        return;
    }
    std::vector<std::string> candidates;
    for (size_t i = 0; i < keywordCount(); ++i) candidates.push_back(keywordAt(i)->rule.name);
    for (const auto& effect : effects_) candidates.push_back(effect->name);
    out_.error(&element, "unknown element <" + std::string(element.name) +
                             ">: neither a keyword nor an effect name" +
                             didYouMean(element.name, candidates));
}

void ScriptCheck::checkAttributes(const ScriptNode& element, const ElementRule* rule, bool walked) {
    for (const ScriptAttribute* attribute : element.attributes) {
        const AttributeRule* known = rule ? findAttribute(*rule, attribute->name) : nullptr;
        if (!known && walked) known = findSetting(attribute->name);
        if (known) {
            checkValue(*attribute, static_cast<int>(known->kind));
            continue;
        }
        std::vector<std::string> candidates;
        for (size_t i = 0; rule && i < rule->attributeCount; ++i)
            candidates.push_back(rule->attributes[i].name);
        for (size_t i = 0; walked && i < settingCount(); ++i)
            candidates.push_back(settingAt(i)->name);
        out_.error(attribute, "unknown attribute " + quoted(attribute->name) + " of <" +
                                  element.name + ">" + didYouMean(attribute->name, candidates));
    }
}

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

void ScriptCheck::useDataFile(const std::string& path) {
    if (std::find(dataFiles_.begin(), dataFiles_.end(), path) == dataFiles_.end())
        dataFiles_.push_back(path);
}

void ScriptCheck::checkLoadPlugin(const ScriptNode& element) {
    for (size_t i = pluginsLoaded_; i < plugins_.size(); ++i) {
        if (plugins_[i]->element != &element) continue;
        pluginsLoaded_ = i + 1;
        const Plugin& plugin = *plugins_[i];
        if (plugin.opened &&
            std::find(pluginFiles_.begin(), pluginFiles_.end(), plugin.file) == pluginFiles_.end())
            pluginFiles_.push_back(plugin.file);
        if (plugin.opened || plugin.file.empty()) return;
        const char* reason = plugin.library.failure();
        const uint32_t version = plugin.library.refusedSdkVersion();
        std::string why = reason[0] != '\0' ? reason : "not found";
        if (version)
            why = "built for SDK " + std::to_string(sdkVersionMajor(version)) + "." +
                  std::to_string(sdkVersionMinor(version)) + ", the player has " +
                  std::to_string(kSdkVersionMajor) + "." + std::to_string(kSdkVersionMinor);
        out_.error(element.findAttribute("file"),
                   "plugin " + quoted(plugin.file.c_str()) + " cannot be loaded: " + why);
        return;
    }
}

void ScriptCheck::checkAdd(const ScriptNode& element) {
    const ScriptAttribute* typeAttribute = element.findAttribute("type");
    const ScriptAttribute* nameAttribute = element.findAttribute("name");
    if (!typeAttribute || !nameAttribute) {
        out_.error(&element, "<add> needs both type= and name=");
        return;
    }
    const char* type = typeAttribute->value;
    const char* name = nameAttribute->value;
    if (std::strlen(name) > kMaxEffectNameLength || std::strlen(type) > kMaxEffectNameLength) {
        out_.error(&element, "effect and type names have at most 15 characters");
        return;
    }
    if (const Keyword* keyword = findKeyword(name))
        out_.warning(nameAttribute, "effect name " + quoted(name) + " takes over every later <" +
                                        keyword->rule.name + "> element of the demo");
    if (findEffect(name))
        out_.warning(nameAttribute, "an effect named " + quoted(name) +
                                        " exists already; elements of that name go to the first");
    Effect* instance = nullptr;
    for (size_t i = 0; i < pluginsLoaded_ && !instance; ++i)
        if (plugins_[i]->opened) instance = plugins_[i]->library.createEffect(type);
    if (!instance) {
        for (size_t i = pluginsLoaded_; i < plugins_.size(); ++i) {
            if (!plugins_[i]->opened) continue;
            if (Effect* later = plugins_[i]->library.createEffect(type)) {
                delete later;
                out_.error(typeAttribute, "effect type " + quoted(type) + " comes from plugin " +
                                              quoted(plugins_[i]->file.c_str()) +
                                              ", which is loaded only at " +
                                              lineOf(document_, plugins_[i]->element) +
                                              "; put its <loadplugin> before this <add>");
                return;
            }
        }
        out_.error(typeAttribute, "no loaded plugin offers effect type " + quoted(type) +
                                      " (offered: " + offeredTypes() + ")");
        return;
    }
    std::unique_ptr<AddedEffect> added(new AddedEffect);
    added->name = name;
    added->type = type;
    added->instance = instance;
    added->element = &element;
    effects_.push_back(std::move(added));
}

std::string ScriptCheck::offeredTypes() const {
    std::vector<std::string> types;
    for (size_t i = 0; i < pluginsLoaded_; ++i) {
        if (!plugins_[i]->opened) continue;
        const char* const* names = plugins_[i]->library.typeNames();
        if (!names) types.push_back("(" + plugins_[i]->file + " does not list its types)");
        for (; names && *names; ++names) types.push_back(*names);
    }
    return joinedNames(types);
}

void ScriptCheck::checkDrawOrder(const ScriptNode& element) {
    std::vector<std::string> names;
    for (const auto& effect : effects_) names.push_back(effect->name);
    for (const ScriptAttribute* attribute : element.attributes) {
        if (strcasecmp(attribute->name, "effect") == 0 && !findEffect(attribute->value))
            out_.error(attribute, "draw order names " + quoted(attribute->value) +
                                      ", which is no effect added so far" +
                                      didYouMean(attribute->value, names));
        if (strcasecmp(attribute->name, "surface") == 0 &&
            strcasecmp(attribute->value, "main") != 0 && !knowsSurface(attribute->value))
            out_.error(attribute, "draw order names surface " + quoted(attribute->value) +
                                      ", which is not created before it");
    }
}

void ScriptCheck::checkLoad(const ScriptNode& element) {
    for (const ScriptAttribute* attribute : element.attributes)
        if (strcasecmp(attribute->name, "effect") == 0 && !findEffect(attribute->value))
            out_.error(attribute, "<load> names " + quoted(attribute->value) +
                                      " as its loading screen, which is no effect added so far");
    sawLoad_ = true;
    effectsLoaded_ = effects_.size();
}

void ScriptCheck::checkDrive(const ScriptNode& element) {
    if (!element.findAttribute("param") || !element.findAttribute("tracks")) {
        out_.error(&element, "<drive> needs effect=, param= and tracks=");
        return;
    }
    const ScriptAttribute* effectName = element.findAttribute("effect");
    const AddedEffect* effect = effectName ? findEffect(effectName->value) : nullptr;
    if (!effect) {
        std::vector<std::string> names;
        for (const auto& added : effects_) names.push_back(added->name);
        out_.error(effectName ? static_cast<const void*>(effectName) : &element,
                   "<drive> names effect " + quoted(effectName ? effectName->value : "") +
                       ", which is no effect added so far" +
                       didYouMean(effectName ? effectName->value : "", names));
        return;
    }
    checkMusicTracks(*element.findAttribute("tracks"));
    const ScriptAttribute* param = element.findAttribute("param");
    const EffectParamTable* table = effect->instance->params();
    if (!table || !table->params) return;
    std::vector<std::string> names;
    for (uint32_t i = 0; i < table->count; ++i) {
        if (!table->params[i] || !table->params[i]->name) continue;
        if (strcasecmp(table->params[i]->name, param->value) == 0) return;
        names.push_back(table->params[i]->name);
    }
    out_.error(param, "effect " + quoted(effect->name.c_str()) + " (" + effect->type +
                          ") has no parameter " + quoted(param->value) +
                          didYouMean(param->value, names) + " (it takes " + joinedNames(names) +
                          ")");
}

void ScriptCheck::checkMusicTracks(const ScriptAttribute& tracks) {
    const std::vector<std::string> names(musicTracks::kNames,
                                         musicTracks::kNames + musicTracks::kCount);
    std::string list = tracks.value;
    for (size_t at = 0; at <= list.size();) {
        size_t stop = list.find(',', at);
        if (stop == std::string::npos) stop = list.size();
        std::string name = list.substr(at, stop - at);
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(' ') + 1);
        if (musicTracks::find(name.c_str()) == -2)
            out_.error(&tracks, "<drive> names track " + quoted(name.c_str()) +
                                    ", which is no music track" + didYouMean(name.c_str(), names) +
                                    " (they are " + joinedNames(names) + ")");
        at = stop + 1;
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

void ScriptCheck::checkEffectElement(const AddedEffect& effect, const ScriptNode& element) {
    declareParams(effect, element);
    const EffectParamTable* table = effect.instance->params();
    if (!table || !table->params) return;
    std::vector<std::string> names;
    for (uint32_t i = 0; i < table->count; ++i)
        if (table->params[i] && table->params[i]->name) names.push_back(table->params[i]->name);
    for (const ScriptAttribute* attribute : element.attributes) {
        const EffectParam* param = nullptr;
        for (uint32_t i = 0; i < table->count && !param; ++i)
            if (table->params[i] && table->params[i]->name &&
                strcasecmp(table->params[i]->name, attribute->name) == 0)
                param = table->params[i];
        if (param) {
            checkEffectValue(*attribute, param->type);
            continue;
        }
        out_.error(attribute, "effect " + quoted(effect.name.c_str()) + " (" + effect.type +
                                  ") has no parameter " + quoted(attribute->name) +
                                  didYouMean(attribute->name, names) + " (it takes " +
                                  joinedNames(names) + ")");
    }
}

void ScriptCheck::declareParams(const AddedEffect& effect, const ScriptNode& element) {
    const ScriptAttribute* declaration = element.findAttribute("uniforms");
    if (!declaration) return;
    const EffectParamTable* table = effect.instance->params();
    bool takesDeclarations = false;
    for (uint32_t i = 0; table && table->params && i < table->count; ++i)
        takesDeclarations =
            takesDeclarations || (table->params[i] && table->params[i]->name &&
                                  strcasecmp(table->params[i]->name, "uniforms") == 0);
    if (!takesDeclarations) return;
    // The effect is told only of the declaration: nothing else of it runs without a host.
    ScriptNode declaring;
    std::snprintf(declaring.name, ScriptNode::kNameSize, "%s", element.name);
    ScriptAttribute copy = *declaration;
    declaring.attributes.push_back(&copy);
    effect.instance->configure(&declaring);
    declaring.attributes.clear();
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

const ScriptCheck::AddedEffect* ScriptCheck::findEffect(const char* name) const {
    for (const auto& effect : effects_)
        if (strcasecmp(effect->name.c_str(), name) == 0) return effect.get();
    return nullptr;
}

bool ScriptCheck::knowsTexture(const char* name) const {
    // The player's own, in every demo.
    if (strcasecmp(name, MusicTexture::kName) == 0) return true;
    for (const std::string& texture : textures_)
        if (strcasecmp(texture.c_str(), name) == 0) return true;
    return false;
}

bool ScriptCheck::knowsTargetSurface(const char* name) const {
    for (const std::string& surface : targetSurfaces_)
        if (strcasecmp(surface.c_str(), name) == 0) return true;
    return false;
}

bool ScriptCheck::knowsSurface(const char* name) const {
    for (const std::string& surface : surfaces_)
        if (strcasecmp(surface.c_str(), name) == 0) return true;
    return false;
}
