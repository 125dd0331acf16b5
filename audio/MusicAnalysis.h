// The music analysis a demo shows: the music it follows (named through musicAnalyse of
// vornex/Audio.h), read at the demo time once a frame, and the latest results. Called from
// the player's thread only.
#pragma once

#include "audio/MusicAnalyser.h"
#include <vornex/Audio.h>

namespace audio {

// Analyses the followed music at `demoTime`; silence while no music is followed or the
// followed one is paused or stopped.
void analyseMusic(double demoTime);
const MusicAnalyser& musicAnalysis();
// Stops following `music` if it is the one followed (it is about to be closed); 0 stops
// following any.
void stopAnalysing(MusicHandle music);

} // namespace audio
