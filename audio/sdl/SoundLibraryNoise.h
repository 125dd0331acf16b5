// Keeps the system sound library quiet on the console. Without a sound card, ALSA reports
// every step of its failed device search on standard error (eight lines before SDL gives
// up); the output says in one line of its own that sound is off instead.
#pragma once

// Idempotent. Does nothing where the library is not installed.
void silenceSoundLibraryErrors();
