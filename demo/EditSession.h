// Edit mode, for the person writing a demo: Pause holds the demo (clock and music; frames
// keep drawing), Left and Right seek by a second (ten with Shift), Home goes back to 0,
// all through the demo's seek path; the window title shows demo time, key bank and pause
// state; the vhs mouse seek is on. Files the demo uses are watched: a changed texture is
// read and uploaded again, an effect whose attribute names a changed file is configured
// with it again (a shader recompiles; music files are left alone), and a changed script
// file ends the demo so the driver can read the script again and resume at the same time.
// Edit mode never ends by itself: an exit, reached or passed by a seek, holds the demo at
// the exit's time instead (Pause plays on past it, Escape quits). The pause outlives a
// script reload. Track files are watched too and read again, keeping time and pause.
// One session lives for the whole edit run, across the demos it restarts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Demo;
class Effect;
class ScriptDocument;
struct ScriptNode;
namespace native {
struct FileWatch;
}

class EditSession {
public:
    static constexpr size_t kTitleSize = 128;

    EditSession();
    ~EditSession();
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;

    // Watches every file the document was read from; a change restarts the demo. Called
    // for every reading of the script, which has not played until a demo of it runs.
    void watchScript(const ScriptDocument& document);
    // True once a demo of the script read last has started its `run`.
    bool played() const { return played_; }
    // Sleeps until a script file changes; false when nothing can be watched.
    bool waitForScriptChange();

    // Hooks of the demo. runStarted comes after `run` has positioned the demo time.
    void runStarted(Demo& demo);
    void beforeFrame(Demo& demo);
    // True when the key is one of edit mode's, which the demo then ignores.
    bool key(Demo& demo, uint32_t virtualKey, uint32_t pressed);
    // An element handed to an effect: attributes naming data files are remembered.
    void configured(Effect& effect, const ScriptNode& element);
    // An `exit` fired while the demo runs: the demo pauses at `exitTime` (where it was
    // defined), going back there before the next frame if it had moved on past it.
    void exitReached(Demo& demo, double exitTime);
    // The demo is being destroyed: forget its effects. The pause is kept when the demo ends
    // for a reload.
    void demoEnded();

    bool paused() const { return paused_; }
    // After a script file changed: true once, with the time to resume at.
    bool takeRestart(float& resumeTime);
    bool restartWanted() const { return restart_; }

private:
    struct FileUse {
        Effect* effect;
        std::string attribute;
        std::string value;
        std::string path;
    };

    void fileChanged(Demo& demo, const char* path);
    void reloadTextures(Demo& demo, const char* path);
    void watchTextures(Demo& demo);
    void watchTracks(Demo& demo);
    void reloadTracks(Demo& demo, const char* path);
    // Moves the demo back to the exit it passed, if any, once the jump or step is over.
    void settleAtExit(Demo& demo);
    void hold(bool paused);
    void updateTitle(Demo& demo);

    native::FileWatch* watch_;
    std::vector<std::string> scriptPaths_;
    std::vector<FileUse> uses_;
    bool paused_ = false;
    bool restart_ = false;
    bool played_ = false;
    bool atExit_ = false;      // the pause is an exit's
    bool exitPending_ = false; // an exit fired; the demo may have to go back to it
    double exitTime_ = 0.0;
    uint32_t watchedTracks_ = 0; // of the running demo's tracks, those whose files are watched
    float resumeTime_ = 0.0f;
    char title_[kTitleSize] = {};
};
