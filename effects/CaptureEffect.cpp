// capture: reads back every frame it sees and writes it as frame_NNNNN.png into a folder.
// With a fixed frame step the files are a frame-exact image sequence of the demo. The
// pixel buffer is sized for the whole window once (and again only when the window
// changes size), never per frame.
#include "PngFile.h"
#include "StockEffect.h"
#include "StockEffects.h"

#include <GL/gl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#ifdef _WIN32
#include <direct.h>
#endif

namespace {

int makeFolder(const char* path) {
#ifdef _WIN32
    return _mkdir(path);
#else
    return mkdir(path, 0755);
#endif
}

// Creates the folder and the folders above it; true when it exists afterwards.
bool makeFolders(const char* path) {
    char partial[FileSlot::kSize];
    std::snprintf(partial, sizeof partial, "%s", path);
    for (char* cursor = partial + 1; *cursor; ++cursor) {
        if (*cursor != '/') continue;
        *cursor = '\0';
        if (makeFolder(partial) != 0 && errno != EEXIST) return false;
        *cursor = '/';
    }
    if (makeFolder(partial) != 0 && errno != EEXIST) return false;
    struct stat status;
    return stat(partial, &status) == 0 && S_ISDIR(status.st_mode);
}

class CaptureEffect : public StockEffect {
public:
    CaptureEffect() : StockEffect("Capture") {
        std::snprintf(folder_.name, sizeof folder_.name, "capture");
        addFile("folder", folder_);
        addNumber("start", start_);
        addNumber("end", end_);
        addInteger("every", every_);
        addInteger("limit", limit_);
    }

    ~CaptureEffect() override { delete[] pixels_; }

    int prepare() override {
        allocate(static_cast<int>(host->width()), static_cast<int>(host->height()));
        return 0;
    }

    void resize(int width, int height) override {
        if (loaded()) allocate(width, height);
    }

    void changed(const ParamRecord& param) override {
        if (param.target == &folder_) folderReady_ = false;
    }

    void draw() override {
        // The frame in which an exit closed the window draws without a context.
        if (!pixels_ || failed_ || !glGetString(GL_VERSION)) return;
        const float time = host->time();
        if (time < start_ || (end_ >= 0.0f && time > end_)) return;
        if (limit_ > 0 && written_ >= limit_) return;
        const int every = every_ > 1 ? every_ : 1;
        if (seen_++ % every != 0) return;
        GLint box[4];
        glGetIntegerv(GL_VIEWPORT, box);
        int width = box[2] < capacityWidth_ ? box[2] : capacityWidth_;
        int height = box[3] < capacityHeight_ ? box[3] : capacityHeight_;
        if (width <= 0 || height <= 0) return;
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(box[0], box[1], width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels_);
        if (!folderReady_ && !openFolder()) return;
        char path[FileSlot::kSize + 32];
        std::snprintf(path, sizeof path, "%s/frame_%05d.png", folder_.name, written_);
        if (writePng(path, pixels_, width, height) != 0) {
            hostLog("%s: %s could not be written; capture stopped", name, path);
            failed_ = true;
            return;
        }
        if (written_ == 0)
            hostLog("%s: writing frames to %s/ (%ix%i)", name, folder_.name, width, height);
        ++written_;
    }

private:
    bool openFolder() {
        if (!makeFolders(folder_.name)) {
            hostLog("%s: folder %s could not be made; capture stopped", name, folder_.name);
            failed_ = true;
            return false;
        }
        folderReady_ = true;
        return true;
    }

    void allocate(int width, int height) {
        if (width <= 0 || height <= 0) return;
        delete[] pixels_;
        pixels_ = new uint8_t[static_cast<size_t>(width) * static_cast<size_t>(height) * 3];
        capacityWidth_ = width;
        capacityHeight_ = height;
    }

    FileSlot folder_;
    float start_ = 0.0f;
    float end_ = -1.0f;
    int every_ = 1;
    int limit_ = 0;
    uint8_t* pixels_ = nullptr;
    int capacityWidth_ = 0;
    int capacityHeight_ = 0;
    int seen_ = 0;
    int written_ = 0;
    bool folderReady_ = false;
    bool failed_ = false;
};

} // namespace

Effect* makeCaptureEffect() {
    return new CaptureEffect;
}
