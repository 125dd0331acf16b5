#include "render/RenderSession.h"

#include "audio/AudioDevice.h"
#include "demo/Demo.h"
#include "log/Log.h"
#include "platform/WindowSettings.h"
#include "platform/native/Native.h"
#include "render/RenderProgress.h"
#include "render/RenderSignals.h"
#include <vornex/ScriptNode.h>

#include <GL/gl.h>
#include <cstdarg>
#include <cstdio>

namespace {
constexpr uint32_t kProgressMilliseconds = 250;
} // namespace

int RenderSession::checkTarget(const char* path, char* message, size_t messageSize) {
    return VideoEncoder::checkContainer(path, message, messageSize);
}

RenderSession::RenderSession(const Options& options)
    : options_(options), clock_(options.fps > 0 ? options.fps : 1, kSampleRate) {
    sound_.reset(new float[2 * static_cast<size_t>(clock_.maxSamplesOfPicture())]);
    if (options_.duration > 0.0)
        totalFrames_ = RenderClock::framesIn(options_.duration, options_.fps);
}

RenderSession::~RenderSession() {
    renderSignals::restore();
    audio::setRenderMode(false);
}

int RenderSession::begin() {
    char message[256];
    if (file_.create(options_.path, message, sizeof message) != 0) {
        Log::instance().print("render: %s: %s", options_.path, message);
        std::printf("render: %s: %s\n", options_.path, message);
        return -1;
    }
    renderSignals::install();
    renderSignals::setFileToRemove(file_.path().c_str());
    audio::setRenderMode(true);
    startTick_ = native::getTickCount();
    lastShownTick_ = startTick_;
    begun_ = true;
    return 0;
}

void RenderSession::adjustWindow(WindowSettings& settings) {
    if (options_.width > 0 && options_.height > 0) {
        settings.width = options_.width;
        settings.height = options_.height;
    }
    settings.fullscreen = false;
    settings.vsync = false;
    settings.flags |= WF_HIDDEN;
    clock_.newDemo();
}

double RenderSession::frameTime(double now) {
    return clock_.nextPictureTime(now);
}

bool RenderSession::openFile(Demo& demo, int windowWidth, int windowHeight) {
    VideoEncoder::Settings settings = {};
    // The encoder's colour format halves the size in both directions: sizes are even.
    settings.width = (options_.width > 0 ? options_.width : windowWidth) & ~1;
    settings.height = (options_.height > 0 ? options_.height : windowHeight) & ~1;
    settings.fps = options_.fps;
    settings.sampleRate = kSampleRate;
    char message[256];
    if (encoder_.open(file_.utf8Path().c_str(), options_.path, settings, message, sizeof message) !=
        0) {
        say("render: %s: %s", options_.path, message);
        failed_ = true;
        stop(demo);
        return false;
    }
    opened_ = true;
    if (totalFrames_ == 0) totalFrames_ = framesUntilExit(demo);
    Log::instance().print("render: %s, %dx%d at %d frames a second", options_.path, settings.width,
                          settings.height, settings.fps);
    return true;
}

int64_t RenderSession::framesUntilExit(Demo& demo) const {
    float earliest = -1.0f;
    for (uint32_t i = 0; i < demo.events().count(); ++i) {
        const Event& event = demo.events()[i];
        if (event.time < 0.0f || !event.element) continue;
        for (const ScriptNode* child : event.element->children)
            if (child->is("exit") && (earliest < 0.0f || event.time < earliest))
                earliest = event.time;
    }
    return earliest < 0.0f ? 0 : clock_.framesUntilExitAt(earliest);
}

void RenderSession::abandonFile() {
    encoder_.close();
    file_.abandon();
}

void RenderSession::stop(Demo& demo) {
    done_ = true;
    demo.close();
}

void RenderSession::say(const char* format, ...) {
    char line[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    Log::instance().print("%s", line);
    std::printf("%s\n", line);
}

void RenderSession::frameDrawn(Demo& demo) {
    if (done_) {
        demo.close();
        return;
    }
    if (renderSignals::caught()) {
        stop(demo);
        return;
    }
    // An `exit` fired in this frame: its picture was never finished.
    if (demo.closed()) return;
    const int width = demo.Window::width();
    const int height = demo.Window::height();
    if (width <= 0 || height <= 0) return;
    if (!opened_ && !openFile(demo, width, height)) return;

    const size_t needed = static_cast<size_t>(width) * static_cast<size_t>(height) * 3;
    if (needed > pixelCapacity_) {
        // Only when a later demo's window is larger than any before.
        pixels_.reset(new uint8_t[needed]);
        pixelCapacity_ = needed;
    }
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels_.get());

    const int64_t frame = clock_.frames();
    const uint32_t samples = clock_.pictureWritten();
    audio::renderMix(sound_.get(), samples);
    if (encoder_.writePicture(pixels_.get(), width, height) != 0 ||
        encoder_.writeSound(sound_.get(), samples) != 0 || encoder_.writeError() != 0) {
        // After the progress line, which has no line end of its own.
        std::fprintf(stderr, "\n");
        std::fflush(stderr);
        say("render: writing %s failed at frame %lld (a full disk or a file size limit); "
            "nothing was written to it",
            options_.path, static_cast<long long>(frame));
        failed_ = true;
        stop(demo);
        return;
    }
    lastDemoSeconds_ = demo.exactTime();
    showProgress(false);
    if (options_.duration > 0.0 && clock_.frames() >= totalFrames_) stop(demo);
}

void RenderSession::showProgress(bool last) {
    const uint32_t now = native::getTickCount();
    if (!last && now - lastShownTick_ < kProgressMilliseconds) return;
    lastShownTick_ = now;
    const double seconds = (now - startTick_) / 1000.0;
    RenderProgress progress = {clock_.frames(), totalFrames_, lastDemoSeconds_,
                               seconds > 0.0 ? clock_.frames() / seconds : 0.0};
    char line[160];
    formatRenderProgress(progress, line, sizeof line);
    std::fprintf(stderr, "\r%-100s%s", line, last ? "\n" : "");
    // Windows' C library buffers standard error when it is not a console.
    std::fflush(stderr);
}

RenderSession::Outcome RenderSession::stopped(int signal) {
    stopSignal_ = signal;
    abandonFile();
    renderSignals::restore();
    std::fprintf(stderr, "\n");
    std::fflush(stderr);
    say("render: stopped by %s; nothing was written to %s", renderSignals::name(signal),
        options_.path);
    return Outcome::Stopped;
}

RenderSession::Outcome RenderSession::finish() {
    if (!begun_) return Outcome::Failed;
    if (const int signal = stopSignal_ ? stopSignal_ : renderSignals::caught())
        return stopped(signal);
    if (failed_) {
        abandonFile();
        return Outcome::Failed;
    }
    if (clock_.frames() == 0) {
        abandonFile();
        say("render: no frame was drawn; %s not written", options_.path);
        return Outcome::Failed;
    }
    showProgress(true);
    char message[256] = "";
    if (encoder_.finish() != 0) {
        std::snprintf(message, sizeof message, "writing the end of the file failed");
        abandonFile();
    } else if (file_.commit(message, sizeof message) == 0) {
        renderSignals::restore();
        const double seconds = (native::getTickCount() - startTick_) / 1000.0;
        const long long frames = static_cast<long long>(clock_.frames());
        Log::instance().print("render: %s: %lld frames, %.3f s of sound, %.1f s to render",
                              options_.path, frames,
                              static_cast<double>(clock_.soundSamples()) / kSampleRate, seconds);
        std::printf("render: %s: %lld frames in %.1f s (%.1f frames a second)\n", options_.path,
                    frames, seconds, seconds > 0.0 ? frames / seconds : 0.0);
        return Outcome::Written;
    }
    // A signal that came while the file was being completed removed it.
    if (const int signal = renderSignals::caught()) return stopped(signal);
    say("render: %s: %s; nothing was written to it", options_.path, message);
    return Outcome::Failed;
}
