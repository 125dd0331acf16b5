#include "demo/EditSession.h"

#include "audio/AudioDevice.h"
#include "audio/Mixer.h"
#include "demo/Demo.h"
#include "demo/ProcessSettings.h"
#include "demo/ResourceRegistry.h"
#include "image/ReadImage.h"
#include "io/DataLocator.h"
#include "platform/Log.h"
#include "platform/native/FileWatch.h"
#include "platform/native/Native.h"
#include "script/ScriptDocument.h"
#include <vornex/Effect.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <sys/stat.h>
#include <thread>

namespace {

constexpr float kShortSeek = 1.0f;
constexpr float kLongSeek = 10.0f;
constexpr size_t kChangesPerFrame = 16;
constexpr std::chrono::milliseconds kScriptWait(100);

bool isRegularFile(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

bool resolved(const char* name, char* path) {
    return DataLocator::resolve(name, path) && path[0];
}

} // namespace

EditSession::EditSession() : watch_(native::openFileWatch()) {}

EditSession::~EditSession() {
    native::closeFileWatch(watch_);
}

void EditSession::watchScript(const ScriptDocument& document) {
    played_ = false;
    for (const std::string& name : document.fileNames()) {
        char path[DataLocator::kPathSize];
        if (!resolved(name.c_str(), path)) continue;
        bool known = false;
        for (const std::string& script : scriptPaths_) known |= script == path;
        if (!known) scriptPaths_.push_back(path);
        native::addWatchedFile(watch_, path);
    }
}

bool EditSession::waitForScriptChange() {
    if (!watch_) return false;
    char path[DataLocator::kPathSize];
    for (;;) {
        while (native::readFileChange(watch_, path, sizeof path))
            for (const std::string& script : scriptPaths_)
                if (script == path) return true;
        std::this_thread::sleep_for(kScriptWait);
    }
}

void EditSession::runStarted(Demo& demo) {
    restart_ = false;
    played_ = true;
    processSettings().vhs = true;
    watchTextures(demo);
    if (!watch_) std::printf("edit: no file notifications here; files are not reloaded\n");
    updateTitle(demo);
}

void EditSession::watchTextures(Demo& demo) {
    const TextureList& textures = demo.registry().textures;
    for (size_t i = 0; i < textures.count(); ++i) {
        char path[DataLocator::kPathSize];
        if (resolved(textures.at(i)->name, path) && isRegularFile(path))
            native::addWatchedFile(watch_, path);
    }
}

void EditSession::beforeFrame(Demo& demo) {
    char path[DataLocator::kPathSize];
    // Bounded, so a stream of notifications cannot hold a frame back.
    for (size_t i = 0; i < kChangesPerFrame && !restart_; ++i) {
        if (!native::readFileChange(watch_, path, sizeof path)) break;
        fileChanged(demo, path);
    }
    updateTitle(demo);
}

void EditSession::fileChanged(Demo& demo, const char* path) {
    for (const std::string& script : scriptPaths_) {
        if (script != path) continue;
        std::printf("edit: %s changed; reading the script again at %.2f s\n", path,
                    demo.exactTime());
        restart_ = true;
        resumeTime_ = static_cast<float>(demo.exactTime());
        demo.close();
        return;
    }
    reloadTextures(demo, path);
    for (const FileUse& use : uses_) {
        if (use.path != path) continue;
        std::printf("edit: %s changed; configuring effect %s again\n", path, use.effect->name);
        ScriptNode element;
        std::snprintf(element.name, sizeof element.name, "%s", use.effect->name);
        ScriptAttribute* attribute = new ScriptAttribute;
        std::snprintf(attribute->name, sizeof attribute->name, "%s", use.attribute.c_str());
        std::snprintf(attribute->value, sizeof attribute->value, "%s", use.value.c_str());
        element.attributes.push_back(attribute);
        use.effect->configure(&element);
    }
}

void EditSession::reloadTextures(Demo& demo, const char* path) {
    TextureList& textures = demo.registry().textures;
    for (size_t i = 0; i < textures.count(); ++i) {
        Texture& texture = *textures.at(i);
        char texturePath[DataLocator::kPathSize];
        if (!resolved(texture.name, texturePath) || std::strcmp(texturePath, path) != 0) continue;
        // As the texture was first loaded: a GIF as its 32-bit first frame.
        cFormat* image = loadTextureImage(texture.name);
        if (!image) {
            std::printf("edit: %s changed but cannot be read; the texture stays as it was\n", path);
            continue;
        }
        if (replaceTexturePicture(texture, *image) == 0) {
            std::printf("edit: texture %s read again\n", texture.name);
        } else {
            std::printf("edit: %s changed but textures refuse the new picture; the texture stays "
                        "as it was\n",
                        path);
            Log::instance().print("edit: texture %s keeps its picture: the new one is %i x %i at "
                                  "%u bits, which textures refuse",
                                  texture.name, image->width(), image->height(),
                                  image->bitsPerPixel());
        }
        delete image;
    }
}

void EditSession::configured(Effect& effect, const ScriptNode& element) {
    for (const ScriptAttribute* attribute : element.attributes) {
        // Music is not reopened by a change: a music program writes a long file for a while,
        // and reopening a half-written one would leave the demo silent. Saving the script
        // reopens it.
        if (std::strcmp(DataLocator::folderFor(attribute->value), "music/") == 0) continue;
        bool known = false;
        for (FileUse& use : uses_) {
            if (use.effect != &effect || strcasecmp(use.attribute.c_str(), attribute->name) != 0)
                continue;
            known = true;
            if (use.value == attribute->value) break;
            char path[DataLocator::kPathSize];
            use.value = attribute->value;
            use.path = resolved(attribute->value, path) && isRegularFile(path) ? path : "";
            if (!use.path.empty()) native::addWatchedFile(watch_, path);
            break;
        }
        if (known) continue;
        char path[DataLocator::kPathSize];
        if (!resolved(attribute->value, path) || !isRegularFile(path)) continue;
        uses_.push_back({&effect, attribute->name, attribute->value, path});
        native::addWatchedFile(watch_, path);
    }
}

void EditSession::demoEnded() {
    uses_.clear();
    paused_ = false;
    audio::MixerLock lock;
    lock.mixer().hold(false);
}

bool EditSession::key(Demo& demo, uint32_t virtualKey, uint32_t pressed) {
    const bool editKey = virtualKey == native::VK_PAUSE || virtualKey == native::VK_LEFT ||
                         virtualKey == native::VK_RIGHT || virtualKey == native::VK_HOME;
    if (!editKey || !pressed) return editKey;
    uint8_t keyboard[256] = {};
    native::getKeyboardState(keyboard);
    const float seek = (keyboard[native::VK_SHIFT] & 0x80) ? kLongSeek : kShortSeek;
    if (virtualKey == native::VK_PAUSE) {
        paused_ = !paused_;
        audio::MixerLock lock;
        lock.mixer().hold(paused_);
    } else if (virtualKey == native::VK_LEFT) {
        demo.jumpBy(-seek);
    } else if (virtualKey == native::VK_RIGHT) {
        demo.jumpBy(seek);
    } else {
        demo.jumpBy(-demo.exactTime());
    }
    updateTitle(demo);
    return true;
}

bool EditSession::takeRestart(float& resumeTime) {
    if (!restart_) return false;
    restart_ = false;
    resumeTime = resumeTime_;
    return true;
}

void EditSession::updateTitle(Demo& demo) {
    char title[kTitleSize];
    std::snprintf(title, sizeof title, "%s | %.1f s | bank %d%s", demo.settings().title,
                  demo.exactTime(), demo.currentBank(), paused_ ? " | paused" : "");
    // Only when the text changes: the system copies the caption each time.
    if (std::strcmp(title, title_) == 0) return;
    std::memcpy(title_, title, sizeof title_);
    native::setWindowText(demo.handle, title_);
}
