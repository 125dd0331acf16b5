#include "demo/Demo.h"

#include "camera/CameraElement.h"
#include "demo/EditSession.h"
#include "demo/EffectParamLog.h"
#include "demo/FrameDriver.h"
#include "demo/FramebufferSupport.h"
#include "demo/KeyBank.h"
#include "demo/ProcessSettings.h"
#include "demo/ResourceRegistry.h"
#include "demo/ScriptVocabulary.h"
#include "demo/TriggerKey.h"
#include "image/ReadImage.h"
#include "log/Log.h"
#include "platform/ExtensionLoader.h"
#include <vornex/Effect.h>
#include <vornex/ScriptNode.h>
#include <vornex/ScriptValue.h>
#include <vornex/plugin.h>

#include <GL/gl.h>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <strings.h>

namespace {

// Every attribute group of OpenGL 1.1 (GL_ALL_ATTRIB_BITS sets all 32 bits, which later
// versions give meanings such as multisample state).
constexpr GLbitfield kLoaderAttributeMask = 0xFFFFF;

bool named(const ScriptAttribute& attribute, const char* name) {
    return strcasecmp(attribute.name, name) == 0;
}

void copyName(char* field, const char* name) {
    std::strncpy(field, name, Effect::kNameSize - 1);
    field[Effect::kNameSize - 1] = '\0';
}

// No exception may leave a walk: one raised by an effect, or running out of memory, ends
// the element it came from with a log line, and the demo goes on with the next.
template <typename Work> void guarded(const ScriptNode& element, Work work) {
    try {
        work();
    } catch (const std::bad_alloc&) {
        Log::instance().print("Out of memory: element [%s] abandoned", element.name);
    } catch (const std::exception& error) {
        Log::instance().print("Exception in element [%s]: %s", element.name, error.what());
    } catch (...) {
        Log::instance().print("Exception in element [%s]", element.name);
    }
}

} // namespace

Demo::Demo() : registry_(new ResourceRegistry), sync_(*this) {}

Demo::~Demo() {
    if (edit) edit->demoEnded();
    for (uint32_t i = 0; i < effectCount_; ++i) {
        effects[i]->unload();
        delete effects[i];
        effects[i] = nullptr;
    }
    drawOrder_.forgetEffects();
    effectCount_ = 0;
    loader_ = nullptr;
    events_.clear();
    // Only now: the code of the effects' destructors lives in these libraries.
    for (uint32_t i = 0; i < pluginCount_; ++i) plugins[i].close();
    pluginCount_ = 0;
    delete registry_;
    registry_ = nullptr;
}

int Demo::walk(ScriptNode* element) {
    if (!element) return 0;
    if (walkDepth >= kMaxWalkDepth) {
        Log::instance().print("Walk nested deeper than %i levels: element [%s] skipped",
                              kMaxWalkDepth, element->name);
        return 0;
    }
    ++walkDepth;
    guarded(*element, [&] {
        for (const ScriptAttribute* attribute : element->attributes) applyAttribute(*attribute);
        // Once only: a walk after the window has closed must not open another one.
        if (!windowCreated) createWindow();
    });
    for (ScriptNode* child : element->children) guarded(*child, [&] { dispatch(*child); });
    --walkDepth;
    return 0;
}

void Demo::applyAttribute(const ScriptAttribute& attribute) {
    ProcessSettings& process = processSettings();
    const char* value = attribute.value;
    if (named(attribute, "name")) {
        if (std::strlen(value) >= WindowSettings::kTitleSize) {
            Log::instance().print("Demo name longer than %u characters: [%s] ignored",
                                  WindowSettings::kTitleSize - 1, value);
            return;
        }
        std::strcpy(settings_.title, value);
    } else if (named(attribute, "width")) {
        settings_.width = scriptInt(value);
    } else if (named(attribute, "height")) {
        settings_.height = scriptInt(value);
    } else if (named(attribute, "bpp")) {
        settings_.bpp = scriptInt(value);
    } else if (named(attribute, "vsync")) {
        settings_.vsync = scriptInt(value) != 0;
    } else if (named(attribute, "fullscreen")) {
        settings_.fullscreen = scriptInt(value) != 0;
    } else if (named(attribute, "vhs")) {
        process.vhs = scriptInt(value) != 0;
    } else if (named(attribute, "showfps")) {
        process.showfps = scriptInt(value) != 0;
    } else if (named(attribute, "lockfps")) {
        process.lockfps = scriptInt(value);
    } else if (named(attribute, "keylog")) {
        process.keylog = scriptInt(value) != 0;
    } else if (named(attribute, "mouse")) {
        process.mouse = scriptInt(value) != 0;
    } else if (named(attribute, "trigger")) {
        key(triggerKeyCode(value[0]), 1);
    }
}

void Demo::createWindow() {
    windowCreated = true;
    if (frameDriver) frameDriver->adjustWindow(settings_);
    GLWindow::create(settings_);
    ext::initExtensions();
    if (ext::wglSwapIntervalEXT) ext::wglSwapIntervalEXT(settings_.vsync ? 1 : 0);
    native::showCursor(processSettings().mouse);
    init();
    musicTexture.create(registry_->textures);
    clock().reset();
}

void Demo::dispatch(ScriptNode& child) {
    if (Effect* effect = findEffect(child.name)) {
        if (edit) edit->configured(*effect, child);
        effect->configure(&child);
        return;
    }
    if (const Keyword* keyword = findKeyword(child.name)) (this->*keyword->handler)(child);
}

void Demo::selectBank(ScriptNode& element) {
    currentBank_ = selectKeyBank(element, currentBank_);
}

void Demo::replaceDrawOrder(ScriptNode& element) {
    uint32_t items = 0;
    for (const ScriptAttribute* attribute : element.attributes)
        if (named(*attribute, "effect") || named(*attribute, "surface")) ++items;
    if (items > DrawOrder::kCapacity) {
        Log::instance().print("Draw order of %u items refused (at most %u)", items,
                              DrawOrder::kCapacity);
        return;
    }
    drawOrder_.clear();
    for (const ScriptAttribute* attribute : element.attributes) {
        if (named(*attribute, "effect")) {
            if (Effect* effect = findEffect(attribute->value))
                drawOrder_.append({DrawOrderItem::kEffect, effect, nullptr});
            else
                // Compared by scripts and tests: keep the text exactly.
                Log::instance().print("XML Error: DrawOrder");
        } else if (named(*attribute, "surface")) {
            if (strcasecmp(attribute->value, "main") == 0) {
                drawOrder_.append({DrawOrderItem::kSurface, nullptr, nullptr});
            } else if (Surface* surface = registry_->surfaces.findSurface(attribute->value)) {
                drawOrder_.append({DrawOrderItem::kSurface, nullptr, surface});
            } else {
                // Compared by scripts and tests: keep the text exactly.
                Log::instance().print("XML Error: DrawOrder");
            }
        }
    }
}

void Demo::addEffect(ScriptNode& element) {
    const char* type = "";
    const char* name = "";
    if (const ScriptAttribute* attribute = element.findAttribute("type")) type = attribute->value;
    if (const ScriptAttribute* attribute = element.findAttribute("name")) name = attribute->value;
    // A cut name could silently match another effect, so long names are refused.
    if (std::strlen(type) > kMaxEffectNameLength || std::strlen(name) > kMaxEffectNameLength) {
        Log::instance().print("Effect [%s] of type [%s] refused: names have at most %u characters",
                              name, type, static_cast<unsigned>(kMaxEffectNameLength));
        return;
    }
    if (effectCount_ >= kMaxEffects) {
        Log::instance().print("Effect [%s] refused: at most %u effects", name, kMaxEffects);
        return;
    }
    Effect* effect = nullptr;
    for (uint32_t i = 0; i < pluginCount_ && !effect; ++i) effect = plugins[i].createEffect(type);
    if (!effect) {
        // Compared by scripts and tests: keep the text exactly.
        Log::instance().print("could not find effect: %s", name);
        return;
    }
    adoptEffect(effect, type, name);
}

int Demo::adoptEffect(Effect* effect, const char* type, const char* name) {
    if (effectCount_ >= kMaxEffects) {
        Log::instance().print("Effect [%s] refused: at most %u effects", name, kMaxEffects);
        delete effect;
        return -1;
    }
    effect->host = this;
    copyName(effect->name, name);
    copyName(effect->type, type);
    if (EffectParamTable* table = effect->params()) logEffectParams(*table);
    effects[effectCount_++] = effect;
    return 0;
}

void Demo::defineTexture(ScriptNode& element) {
    ::defineTexture(registry_->textures, element);
}

void Demo::defineCamera(ScriptNode& element) {
    ::defineCamera(registry_->cameras, element);
}

void Demo::defineSurface(ScriptNode& element) {
    // Compared by scripts and tests: keep the text exactly.
    std::printf("weeeeeee surface!!\n");
    const FramebufferCalls* framebuffers = declaresTarget(element) ? framebufferCalls() : nullptr;
    if (declaresTarget(element) && !framebuffers && !framebuffersMissingLogged) {
        framebuffersMissingLogged = true;
        Log::instance().print("The driver offers no framebuffer objects: surfaces are no render "
                              "targets, their effects draw to the window");
    }
    ::defineSurface(registry_->surfaces, element, framebuffers);
}

void Demo::defineEvent(ScriptNode& element) {
    events_.define(element);
}

void Demo::loadPlugin(ScriptNode& element) {
    const char* file = nullptr;
    for (const ScriptAttribute* attribute : element.attributes)
        if (named(*attribute, "file")) file = attribute->value;
    if (!file) return;
    if (std::strlen(file) > kMaxLibraryNameLength) {
        Log::instance().print("Plugin file name longer than %u characters: [%s] refused",
                              static_cast<unsigned>(kMaxLibraryNameLength), file);
        return;
    }
    if (pluginCount_ >= kMaxPlugins) {
        Log::instance().print("Plugin [%s] refused: at most %u plugins", file, kMaxPlugins);
        return;
    }
    if (plugins[pluginCount_].open(file) == 0) {
        ++pluginCount_;
        // Compared by scripts and tests: keep the text exactly.
        Log::instance().print("loadlibrary: %s", file);
    } else if (const uint32_t version = plugins[pluginCount_].refusedSdkVersion()) {
        // Compared by scripts and tests: keep the text exactly.
        Log::instance().print("ERROR loadlibrary: %s built for SDK %u.%u, the player has %u.%u",
                              file, sdkVersionMajor(version), sdkVersionMinor(version),
                              kSdkVersionMajor, kSdkVersionMinor);
    } else if (plugins[pluginCount_].refusedBuild()) {
        Log::instance().print("ERROR loadlibrary: %s", plugins[pluginCount_].failure());
    } else {
        // Compared by scripts and tests: keep the text exactly.
        Log::instance().print("ERROR loadlibrary: %s not found", file);
        // The file exists but is no plugin: say why, readably.
        if (plugins[pluginCount_].failure()[0] != '\0')
            Log::instance().print("  reason: %s", plugins[pluginCount_].failure());
    }
}

void Demo::loadAll(ScriptNode& element) {
    Log& log = Log::instance();
    for (const ScriptAttribute* attribute : element.attributes) {
        if (!named(*attribute, "effect")) continue;
        Effect* found = findEffect(attribute->value);
        if (!found) break;
        loader_ = found;
    }
    log.print("Loading.");
    if (loader_) loader_->load();
    showLoadingScreen();
    log.print("sorting event");
    events_.sort();
    log.print("done");
    for (uint32_t i = 0; i < effectCount_; ++i) {
        if (effects[i] != loader_) {
            // Compared by scripts and tests: keep the text exactly.
            log.print("Loading effect %2u:[%s][%s]", i, effects[i]->name, effects[i]->type);
            effects[i]->load();
            log.print("done.");
        }
        showLoadingScreen();
    }
}

void Demo::showLoadingScreen() {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (loader_) {
        glPushAttrib(kLoaderAttributeMask);
        loader_->update(1.0f);
        loader_->draw();
        glPopAttrib();
    }
    present();
}

void Demo::run(ScriptNode&) {
    // Without a window nothing could ever post the quit message.
    if (closed_) {
        Log::instance().print("run: no window");
        return;
    }
    clock().reset();
    // A run nested in an event goes on from where the demo is: jumping again would fire
    // that event again, and so on without end.
    if (!runBegun) {
        runBegun = true;
        if (startTime > 0.0) jumpTo(startTime);
    }
    if (edit) edit->runStarted(*this);
    // A run nested in an event may have taken the quit message: the closed window ends
    // every loop, not only the one that drained it.
    while (!drainMessages() && !closed_) frame();
}

void Demo::exit(ScriptNode&) {
    // Edit mode ends only by Escape: an exit reached while the demo plays holds it there.
    if (edit && !closed_) {
        const float eventTime = events_.firingTime();
        edit->exitReached(*this, eventTime >= 0.0f ? eventTime : exactTime());
        return;
    }
    close();
}

bool Demo::drainMessages() {
    bool quit = false;
    native::Message message;
    while (native::peekMessage(&message, nullptr, 0, 0, native::PM_REMOVE)) {
        if (message.message == native::WM_QUIT) {
            quit = true;
            continue;
        }
        native::translateMessage(&message);
        native::dispatchMessage(&message);
    }
    return quit;
}

Effect* Demo::findEffect(const char* name) const {
    for (uint32_t i = 0; i < effectCount_; ++i)
        if (strcasecmp(effects[i]->name, name) == 0) return effects[i];
    return nullptr;
}

Effect* Demo::effect(uint32_t index) {
    return index < effectCount_ ? effects[index] : nullptr;
}

Texture* Demo::loadTexture(const char* fileName) {
    if (!fileName) return nullptr;
    // A render target's name reads its pixels, so passes chain through any texture parameter.
    if (Surface* surface = registry_->surfaces.findTargetSurface(fileName)) return surface;
    return registry_->textures.loadTexture(fileName);
}

Camera* Demo::getCamera(const char* name) {
    return name ? registry_->cameras.findCamera(name) : nullptr;
}

Texture* Demo::createTexture(int textureWidth, int textureHeight, int bpp, bool surfaceKind,
                             const char* name) {
    return name ? registry_->textures.createTexture(textureWidth, textureHeight, bpp, surfaceKind,
                                                    name)
                : nullptr;
}

Image* Demo::loadImage(const char* fileName) {
    return fileName ? ::loadImage(fileName) : nullptr;
}
