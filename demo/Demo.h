// The run-time object of one `demo` element: the window (through cDemo), the owner of
// everything the script declares (plugins, effects, events, draw order, resources) and
// the host effects talk to. walk() executes script elements against it: attributes as
// settings, then the window once, then the children through one dispatch table.
// Tables have fixed capacities; an element that would overflow one is refused with a
// log line.
#pragma once

#include "demo/DrawOrder.h"
#include "demo/DrawTarget.h"
#include "demo/EffectPlugin.h"
#include "demo/EventTable.h"
#include "demo/SyncLink.h"
#include "demo/cDemo.h"
#include "platform/WindowSettings.h"
#include "resource/MusicTexture.h"
#include <vornex/DemoHost.h>

#include <cstddef>
#include <cstdint>
#include <optional>

class EditSession;
class FrameDriver;
class ResourceRegistry;
struct ScriptAttribute;

class Demo : public cDemo, public DemoHost {
public:
    static constexpr uint32_t kMaxEffects = 48;
    static constexpr uint32_t kMaxPlugins = 16;
    static constexpr size_t kMaxLibraryNameLength = 63;
    static constexpr size_t kMaxEffectNameLength = 15;
    // Events that fire events (by simulated key presses) can loop; deeper walks are
    // refused instead of exhausting the stack.
    static constexpr int kMaxWalkDepth = 64;

    Demo();
    // Effects (unload, destroy), events, plugin libraries, resources, audio, window.
    ~Demo() override;

    // One frame: events, clock, cameras, draw pass, then present. Always false.
    bool frame() override;
    void resize(int32_t newWidth, int32_t newHeight) override;
    void key(uint32_t virtualKey, uint32_t pressed) override;
    void mouseMove(int32_t screenX, int32_t screenY) override;
    void mouseUp(uint32_t button) override;
    void mouseWheel(int32_t delta) override;

    int walk(ScriptNode* element) override;
    bool seeking() override { return seeking_; }
    float time() override { return static_cast<float>(exactTime()); }
    float width() override { return static_cast<float>(Window::width_); }
    float height() override { return static_cast<float>(Window::height_); }
    int pluginCount() override { return static_cast<int>(pluginCount_); }
    uint32_t effectCount() override { return effectCount_; }
    Effect* effect(uint32_t index) override;
    Texture* loadTexture(const char* fileName) override;
    Camera* getCamera(const char* name) override;
    Texture* createTexture(int textureWidth, int textureHeight, int bpp, bool surfaceKind,
                           const char* name) override;
    Image* loadImage(const char* fileName) override;
    int32_t syncTrack(const char* name) override;
    float syncValue(int32_t track) override;

    // First effect, in order of addition, of that instance name (any case); or null.
    Effect* findEffect(const char* name) const;
    // Takes ownership of an effect made by a plugin: host, names, parameter report,
    // append. -1 (the effect destroyed) when the table is full.
    int adoptEffect(Effect* effect, const char* type, const char* name);
    // The frame step with `delta` in hundredths of a second, without presenting.
    void step(float delta);
    // The frame step that ends exactly at demo time `end` (a renderer's picture), without
    // presenting; effects and cameras are told the difference.
    void stepTo(double end);
    // Moves the demo to `seconds` (0 at least) at once, through the seek path: musics
    // follow, cameras move by the difference, and every event up to there fires again in
    // table order; the events after it fire again as the demo plays on.
    void jumpTo(double seconds);
    void jumpBy(double seconds) { jumpTo(exactTime() + seconds); }

    const WindowSettings& settings() const { return settings_; }
    int32_t currentBank() const { return currentBank_; }
    const DrawOrder& drawOrder() const { return drawOrder_; }
    const EventTable& events() const { return events_; }
    ResourceRegistry& registry() { return *registry_; }
    SyncLink& sync() { return sync_; }
    // The loading-screen effect, one of the effects; or null.
    Effect* loader() const { return loader_; }

    // Where the first `run` begins, in seconds.
    void setStartTime(double seconds) { startTime = seconds; }
    // Edit mode's keys and reloads; null (the default) when off. Not owned.
    void setEditSession(EditSession* session) { edit = session; }
    // A renderer's clock and frame sink in place of the real-time ones; not owned.
    void setFrameDriver(FrameDriver* driver) { frameDriver = driver; }

private:
    // The keyword table of the dispatch names the handlers below.
    friend struct KeywordTable;

    void applyAttribute(const ScriptAttribute& attribute);
    void createWindow();
    void dispatch(ScriptNode& child);

    // Handlers of the dispatch table (demo/ScriptVocabulary.cpp).
    void selectBank(ScriptNode& element);
    void replaceDrawOrder(ScriptNode& element);
    void addEffect(ScriptNode& element);
    void defineTexture(ScriptNode& element);
    void defineCamera(ScriptNode& element);
    void defineSurface(ScriptNode& element);
    void defineEvent(ScriptNode& element);
    void loadPlugin(ScriptNode& element);
    void loadAll(ScriptNode& element);
    void run(ScriptNode& element);
    void exit(ScriptNode& element);
    void defineSync(ScriptNode& element);
    void defineDrive(ScriptNode& element);
    void walkPart(ScriptNode& element);

    // The step itself; `end`, when given, is where the demo time ends up exactly.
    void advance(float delta, std::optional<double> end);
    // The music analysis at the demo time into the music tracks and the `music` texture.
    void analyseMusic();
    void showLoadingScreen();
    // Translates pending messages to the window; true when the quit message was among them.
    bool drainMessages();

    MusicTexture musicTexture;
    WindowSettings settings_;
    double frameStartTime = 0.0; // demo time at the start of the current frame step
    int32_t currentBank_ = 0;
    bool seeking_ = false;
    Effect* effects[kMaxEffects] = {};
    uint32_t effectCount_ = 0;
    DrawOrder drawOrder_;
    DrawTarget drawTarget;
    ResourceRegistry* registry_;
    EventTable events_;
    Effect* loader_ = nullptr;
    EffectPlugin plugins[kMaxPlugins];
    uint32_t pluginCount_ = 0;
    double startTime = 0.0;
    EditSession* edit = nullptr;
    SyncLink sync_;
    FrameDriver* frameDriver = nullptr;

    int walkDepth = 0;
    // Set by the first `run`: the start time applies once, not to a run nested in an event.
    bool runBegun = false;
    // Set by the first attempt, whether or not it succeeded.
    bool windowCreated = false;
    // Render targets without framebuffer objects are reported once.
    bool framebuffersMissingLogged = false;
};
