#include "render/RenderSession.h"

#include "audio/AudioDevice.h"
#include "demo/Demo.h"
#include "platform/Log.h"
#include "platform/WindowSettings.h"
#include "platform/native/Native.h"
#include "render/RenderProgress.h"
#include <vornex/ScriptNode.h>

#include <GL/gl.h>
#include <cmath>
#include <cstdio>

namespace {
constexpr uint32_t kProgressMilliseconds = 250;
} // namespace

RenderSession::RenderSession(const Options& options)
    : options_(options),
      // A frame's share of the sound, rounded up, with room for the carried remainder.
      soundCapacity_(static_cast<uint32_t>(kSampleRate / (options.fps > 0 ? options.fps : 1) + 2)) {
    sound_.reset(new float[2 * static_cast<size_t>(soundCapacity_)]);
    if (options_.duration > 0.0)
        totalFrames_ = static_cast<int64_t>(std::ceil(options_.duration * options_.fps));
}

RenderSession::~RenderSession() {
    audio::setRenderMode(false);
}

void RenderSession::begin() {
    audio::setRenderMode(true);
    startTick_ = native::getTickCount();
    lastShownTick_ = startTick_;
}

void RenderSession::adjustWindow(WindowSettings& settings) {
    if (options_.width > 0 && options_.height > 0) {
        settings.width = options_.width;
        settings.height = options_.height;
    }
    settings.fullscreen = false;
    settings.vsync = false;
    settings.flags |= WF_HIDDEN;
    firstFrameOfDemo_ = true;
}

float RenderSession::frameStep() {
    // The first picture shows demo time 0, picture k demo time k / fps.
    if (firstFrameOfDemo_) {
        firstFrameOfDemo_ = false;
        return 0.0f;
    }
    return 100.0f / static_cast<float>(options_.fps);
}

bool RenderSession::openFile(Demo& demo, int windowWidth, int windowHeight) {
    VideoEncoder::Settings settings = {};
    // The encoder's colour format halves the size in both directions: sizes are even.
    settings.width = (options_.width > 0 ? options_.width : windowWidth) & ~1;
    settings.height = (options_.height > 0 ? options_.height : windowHeight) & ~1;
    settings.fps = options_.fps;
    settings.sampleRate = kSampleRate;
    char message[256];
    if (encoder_.open(options_.path, settings, message, sizeof message) != 0) {
        Log::instance().print("render: %s: %s", options_.path, message);
        std::printf("render: %s: %s\n", options_.path, message);
        failed_ = true;
        demo.close();
        return false;
    }
    if (totalFrames_ == 0) totalFrames_ = framesUntilExit(demo);
    Log::instance().print("render: %s, %dx%d at %d frames a second", options_.path, settings.width,
                          settings.height, settings.fps);
    return true;
}

int64_t RenderSession::framesUntilExit(Demo& demo) const {
    double earliest = -1.0;
    for (uint32_t i = 0; i < demo.events.count(); ++i) {
        const Event& event = demo.events[i];
        if (event.time < 0.0f || !event.element) continue;
        for (const ScriptNode* child : event.element->children)
            if (child->is("exit") && (earliest < 0.0 || event.time < earliest))
                earliest = event.time;
    }
    // The event fires in the frame that starts at its time, one after the picture of it.
    return earliest < 0.0 ? 0 : static_cast<int64_t>(std::ceil(earliest * options_.fps)) + 1;
}

void RenderSession::frameDrawn(Demo& demo) {
    // An `exit` fired in this frame: its picture was never finished.
    if (demo.closed || failed_) return;
    const int width = demo.Window::width;
    const int height = demo.Window::height;
    if (width <= 0 || height <= 0) return;
    if (frames_ == 0 && !openFile(demo, width, height)) return;

    const size_t needed = static_cast<size_t>(width) * static_cast<size_t>(height) * 3;
    if (needed > pixelCapacity_) {
        // Only when a later demo's window is larger than any before.
        pixels_.reset(new uint8_t[needed]);
        pixelCapacity_ = needed;
    }
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels_.get());

    // The sound of this picture's stretch of demo time, to the sample: frame k ends at
    // sample (k + 1) * rate / fps.
    const int64_t soundEnd = (frames_ + 1) * kSampleRate / options_.fps;
    const uint32_t count = static_cast<uint32_t>(soundEnd - soundFrames_);
    audio::renderMix(sound_.get(), count);
    if (encoder_.writePicture(pixels_.get(), width, height) != 0 ||
        encoder_.writeSound(sound_.get(), count) != 0) {
        Log::instance().print("render: writing %s failed at frame %lld", options_.path,
                              static_cast<long long>(frames_));
        std::printf("render: writing %s failed at frame %lld\n", options_.path,
                    static_cast<long long>(frames_));
        failed_ = true;
        demo.close();
        return;
    }
    soundFrames_ = soundEnd;
    ++frames_;
    lastDemoSeconds_ = static_cast<double>(demo.time_);
    showProgress(false);
    if (options_.duration > 0.0 && frames_ >= totalFrames_) demo.close();
}

void RenderSession::showProgress(bool last) {
    const uint32_t now = native::getTickCount();
    if (!last && now - lastShownTick_ < kProgressMilliseconds) return;
    lastShownTick_ = now;
    const double seconds = (now - startTick_) / 1000.0;
    RenderProgress progress = {frames_, totalFrames_, lastDemoSeconds_,
                               seconds > 0.0 ? frames_ / seconds : 0.0};
    char line[160];
    formatRenderProgress(progress, line, sizeof line);
    std::fprintf(stderr, "\r%-100s%s", line, last ? "\n" : "");
}

int RenderSession::finish() {
    if (frames_ == 0 || failed_) {
        if (!failed_) {
            Log::instance().print("render: no frame was drawn; %s not written", options_.path);
            std::printf("render: no frame was drawn; %s not written\n", options_.path);
        }
        return -1;
    }
    showProgress(true);
    const int result = encoder_.finish();
    const double seconds = (native::getTickCount() - startTick_) / 1000.0;
    Log::instance().print("render: %s: %lld frames, %.3f s of sound, %.1f s to render%s",
                          options_.path, static_cast<long long>(frames_),
                          static_cast<double>(soundFrames_) / kSampleRate, seconds,
                          result == 0 ? "" : "; the file could not be completed");
    std::printf("render: %s: %lld frames in %.1f s (%.1f frames a second)\n", options_.path,
                static_cast<long long>(frames_), seconds, seconds > 0.0 ? frames_ / seconds : 0.0);
    return result;
}
