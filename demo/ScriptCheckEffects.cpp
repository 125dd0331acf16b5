// ScriptCheck's checks of plugins and the effects they make: loadplugin, add, draworder,
// load, drive and the elements that configure an effect.
#include "demo/ScriptCheck.h"

#include "demo/CheckMessages.h"
#include "demo/Diagnostics.h"
#include "demo/NameHint.h"
#include "demo/ScriptCheckRecords.h"
#include "demo/ScriptVocabulary.h"
#include "script/ScriptDocument.h"
#include "sync/MusicTrackNames.h"
#include <vornex/EffectParamTable.h>
#include <vornex/plugin.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

constexpr size_t kMaxEffectNameLength = 15;

} // namespace

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
