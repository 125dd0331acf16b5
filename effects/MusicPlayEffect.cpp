// musicplay: plays a music file in step with the demo clock. Every update compares the
// music's position with the demo time (less `start`) and sets it when they differ by more
// than a frame, so seeking, a fixed frame step and slow frames all keep the music where
// the picture is. Whenever it starts its music it names it for the music analysis, so the
// last musicplay to start is the one the `music` texture and tracks follow. Draws nothing.
#include "StockEffect.h"
#include "StockEffects.h"

#include <cmath>

namespace {

// The sound output mixes in blocks of about 23 ms, so the position it reports moves in
// steps of that size; a smaller tolerance would set the position over and over.
constexpr double kMinimumDrift = 0.05;

class MusicPlayEffect : public StockEffect {
public:
    MusicPlayEffect() : StockEffect("MusicPlay") {
        addFile("file", file_);
        addNumber("start", start_);
        addNumber("volume", volume_);
    }

    ~MusicPlayEffect() override { closeMusic(); }

    int prepare() override {
        closeMusic();
        return openMusic();
    }

    int unload() override {
        if (music_)
            hostLog("%s: %s stopped at %.3f s, demo time %.3f s", name, file_.name,
                    musicGetPosition(music_), static_cast<double>(host->time()));
        closeMusic();
        return 0;
    }

    void changed(const ParamRecord& param) override {
        if (param.target == &volume_ && music_) musicSetVolume(music_, volume_);
        if (param.target == &start_ && musicIsPlaying(music_) == 1) musicAnalyse(music_, start_);
        if (param.target == &file_ && loaded()) prepare();
    }

    void enabledChanged() override {
        if (!enabled && music_) musicPause(music_);
    }

    // Also called while seeking when the effect is not drawn, so the music jumps with the
    // demo time wherever it is.
    void update(float delta) override {
        if (!music_ || !enabled) return;
        const double target = static_cast<double>(host->time()) - static_cast<double>(start_);
        if (target < 0.0 || target >= length_) {
            if (musicIsPlaying(music_) == 1) musicPause(music_);
            return;
        }
        const double frame = std::fabs(static_cast<double>(delta)) * 0.01;
        const double tolerance = frame > kMinimumDrift ? frame : kMinimumDrift;
        if (musicIsPlaying(music_) != 1) {
            musicSetPosition(music_, target);
            musicPlay(music_);
            musicAnalyse(music_, start_);
        } else if (host->seeking() || std::fabs(musicGetPosition(music_) - target) > tolerance) {
            musicSetPosition(music_, target);
        }
    }

private:
    int openMusic() {
        if (!file_.name[0]) return 0;
        music_ = musicOpen(file_.name);
        if (!music_) {
            hostLog("%s: music %s could not be opened; staying silent", name, file_.name);
            return -1;
        }
        length_ = musicGetLength(music_);
        musicSetVolume(music_, volume_);
        return 0;
    }

    void closeMusic() {
        if (music_) musicClose(music_);
        music_ = 0;
    }

    FileSlot file_;
    float start_ = 0.0f;
    float volume_ = 1.0f;
    MusicHandle music_ = 0;
    double length_ = 0.0;
};

} // namespace

Effect* makeMusicPlayEffect() {
    return new MusicPlayEffect;
}
