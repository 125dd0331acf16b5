// ScriptCheck's walk: the demo's elements in the order the player meets them, each
// handed to the check of its keyword or its effect.
#include "demo/ScriptCheck.h"

#include "demo/CheckMessages.h"
#include "demo/DataFileSearch.h"
#include "demo/Diagnostics.h"
#include "demo/NameHint.h"
#include "demo/ScriptCheckRecords.h"
#include "demo/ScriptVocabulary.h"
#include "resource/MusicTexture.h"
#include "resource/SurfaceList.h"
#include "script/ScriptDocument.h"
#include "sync/TrackFileList.h"
#include "sync/TrackFileName.h"

#include <algorithm>
#include <strings.h>

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

void ScriptCheck::useDataFile(const std::string& path) {
    if (std::find(dataFiles_.begin(), dataFiles_.end(), path) == dataFiles_.end())
        dataFiles_.push_back(path);
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
