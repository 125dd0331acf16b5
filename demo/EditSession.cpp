#include "demo/EditSession.h"

#include "audio/AudioDevice.h"
#include "audio/Mixer.h"
#include "demo/Demo.h"
#include "demo/ProcessSettings.h"
#include "demo/ResourceRegistry.h"
#include "image/ReadImage.h"
#include "io/DataLocator.h"
#include "log/Log.h"
#include "platform/native/FileWatch.h"
#include "platform/native/Native.h"
#include "script/ScriptDocument.h"
#include "sync/SyncTrackSet.h"
#include "sync/TrackFile.h"
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
    // A pause kept from before a reload holds the new demo's music too.
    if (paused_) hold(true);
    watchTextures(demo);
    watchedTracks_ = 0;
    watchTracks(demo);
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

void EditSession::watchTracks(Demo& demo) {
    // Tracks can be made at any time (a drive in an event): the new ones are watched as
    // they appear, which is rare, so the frames that follow allocate nothing.
    SyncTrackSet& tracks = demo.sync().tracks();
    for (; watchedTracks_ < tracks.count(); ++watchedTracks_) {
        char binaryPath[DataLocator::kPathSize];
        char textPath[DataLocator::kPathSize];
        if (!trackFilePaths(tracks.base(),
                            tracks.track(static_cast<int32_t>(watchedTracks_))->name(), binaryPath,
                            textPath))
            continue;
        native::addWatchedFile(watch_, binaryPath);
        native::addWatchedFile(watch_, textPath);
    }
}

void EditSession::beforeFrame(Demo& demo) {
    settleAtExit(demo);
    if (watch_) watchTracks(demo);
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
    reloadTracks(demo, path);
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

void EditSession::reloadTracks(Demo& demo, const char* path) {
    SyncTrackSet& tracks = demo.sync().tracks();
    for (uint32_t i = 0; i < tracks.count(); ++i) {
        SyncTrack& track = *tracks.track(static_cast<int32_t>(i));
        char binaryPath[DataLocator::kPathSize];
        char textPath[DataLocator::kPathSize];
        if (!trackFilePaths(tracks.base(), track.name(), binaryPath, textPath) ||
            (std::strcmp(binaryPath, path) != 0 && std::strcmp(textPath, path) != 0))
            continue;
        if (loadTrackFile(tracks.base(), track) == 0)
            std::printf("edit: track %s read again\n", track.name());
        else
            std::printf("edit: %s changed but cannot be read; track %s stays as it was\n", path,
                        track.name());
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

void EditSession::exitReached(Demo& demo, double exitTime) {
    if (!atExit_ || exitTime != exitTime_) {
        std::printf("edit: the exit at %.2f s holds the demo; Pause plays on, Escape quits\n",
                    exitTime);
        Log::instance().print("edit: paused at the exit at %.2f s", exitTime);
    }
    atExit_ = true;
    exitPending_ = true;
    exitTime_ = exitTime;
    paused_ = true;
    hold(true);
    updateTitle(demo);
}

void EditSession::settleAtExit(Demo& demo) {
    if (!exitPending_) return;
    exitPending_ = false;
    // The jump fires the exit once more, at its own time, which leaves nothing to settle.
    if (demo.exactTime() > exitTime_) demo.jumpTo(exitTime_);
    exitPending_ = false;
}

void EditSession::hold(bool paused) {
    audio::MixerLock lock;
    lock.mixer().hold(paused);
}

void EditSession::demoEnded() {
    uses_.clear();
    // A reload keeps the pause; whether it is an exit's, the new demo's events tell again
    // as its start jump fires them. Another demo of the script starts afresh.
    if (!restart_) paused_ = false;
    atExit_ = false;
    exitPending_ = false;
    watchedTracks_ = 0;
    // The next demo's window starts with its plain title.
    title_[0] = '\0';
    hold(false);
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
        atExit_ = false;
        hold(paused_);
    } else if (virtualKey == native::VK_LEFT) {
        demo.jumpBy(-seek);
    } else if (virtualKey == native::VK_RIGHT) {
        demo.jumpBy(seek);
    } else {
        demo.jumpBy(-demo.exactTime());
    }
    settleAtExit(demo);
    if (demo.exactTime() < exitTime_) atExit_ = false;
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
    const char* pause = !paused_ ? "" : atExit_ ? " | paused at the exit" : " | paused";
    std::snprintf(title, sizeof title, "%s | %.1f s | bank %d%s", demo.settings().title,
                  demo.exactTime(), demo.currentBank(), pause);
    // Only when the text changes: the system copies the caption each time.
    if (std::strcmp(title, title_) == 0) return;
    std::memcpy(title_, title, sizeof title_);
    native::setWindowText(demo.handle(), title_);
}
