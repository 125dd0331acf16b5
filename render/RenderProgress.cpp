#include "render/RenderProgress.h"

#include <cstdio>

namespace {
constexpr int kBarWidth = 30;
} // namespace

void formatRenderProgress(const RenderProgress& progress, char* out, size_t size) {
    char bar[kBarWidth + 3] = "";
    char left[32] = "";
    if (progress.totalFrames > 0) {
        const int64_t done =
            progress.frames < progress.totalFrames ? progress.frames : progress.totalFrames;
        const int filled = static_cast<int>(done * kBarWidth / progress.totalFrames);
        bar[0] = '[';
        for (int i = 0; i < kBarWidth; ++i) bar[1 + i] = i < filled ? '#' : '.';
        bar[kBarWidth + 1] = ']';
        bar[kBarWidth + 2] = '\0';
        if (progress.framesPerSecond > 0.0) {
            const int seconds = static_cast<int>(
                static_cast<double>(progress.totalFrames - done) / progress.framesPerSecond + 0.5);
            std::snprintf(left, sizeof left, "  %d:%02d left", seconds / 60, seconds % 60);
        }
    }
    char total[24] = "";
    if (progress.totalFrames > 0)
        std::snprintf(total, sizeof total, "/%lld", static_cast<long long>(progress.totalFrames));
    std::snprintf(out, size, "%s%s%lld%s frames  %.2f s  %.1f fps%s", bar, bar[0] ? " " : "",
                  static_cast<long long>(progress.frames), total, progress.demoSeconds,
                  progress.framesPerSecond, left);
}
