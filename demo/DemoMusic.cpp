// The music half of Demo: once a frame, before drives feed effects and effects draw, the
// music analysis at the demo time fills the music tracks and the `music` texture.
#include "demo/Demo.h"

#include "audio/MusicAnalysis.h"
#include "sync/MusicTrackNames.h"

static_assert(musicTracks::kCount == MusicAnalyser::kValueCount,
              "one music track for each value of the analysis, in the same order");

void Demo::analyseMusic() {
    audio::analyseMusic(exactTime());
    const MusicAnalyser& analysis = audio::musicAnalysis();
    for (uint32_t i = 0; i < musicTracks::kCount; ++i)
        sync_.tracks().setMusicValue(i, analysis.value(MusicAnalyser::Value(i)));
    musicTexture.update(analysis.spectrum(), analysis.waveform());
}
