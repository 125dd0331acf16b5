// A test plugin that appends every call it receives, with its arguments, to "calls.txt"
// in the working directory, one line per call, so tests can check what the player did
// and in which order.
//   types: "recorder" and "musicplay" record; "broken" is known but never made;
//          "shared" is also known to fillfx (which plugin answers first).
//   configure attributes: enabled (0/1), viewport "x,y,w,h", pop (0/1: the render state
//   asks for the attribute pop), nullstate (1: no render state), walk (1: hands the
//   element's children to the host's walk), camera (a camera name: every draw also
//   records that camera's position as "<name> camera x y z").
#include <vornex/plugin.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

void record(const char* format, ...) {
    FILE* file = std::fopen("calls.txt", "ab");
    if (!file) return;
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(file, format, arguments);
    va_end(arguments);
    std::fputc('\n', file);
    std::fclose(file);
}

class RecordingState : public EffectRenderState {
public:
    explicit RecordingState(const char* owner) : owner(owner) {}
    void apply() override { record("%s apply", owner); }

private:
    const char* owner;
};

EffectParam speedParam = {kParamFloat, "speed"};
EffectParam imageParam = {kParamTexture, "image"};
EffectParam oddParam = {9, "odd"};
EffectParam* paramList[] = {&speedParam, &imageParam, &oddParam};
EffectParamTable paramTable = {"Recorder", 3, paramList};

class Recorder : public Effect {
public:
    Recorder() : state(name) { renderState = &state; }
    ~Recorder() override { record("%s destroy", name); }

    int load() override {
        record("%s load", name);
        return 0;
    }
    int unload() override {
        record("%s unload", name);
        return 0;
    }
    void update(float delta) override {
        record("%s update %.4f time=%.4f seeking=%d", name, static_cast<double>(delta),
               static_cast<double>(host->time()), host->seeking() ? 1 : 0);
    }
    void draw() override {
        record("%s draw %.0fx%.0f", name, static_cast<double>(host->width()),
               static_cast<double>(host->height()));
        if (!cameraName[0]) return;
        const Camera* camera = host->getCamera(cameraName);
        record("%s camera %.4f %.4f %.4f", name, static_cast<double>(camera->pos.x),
               static_cast<double>(camera->pos.y), static_cast<double>(camera->pos.z));
    }
    void configure(ScriptNode* element) override {
        record("%s configure %s", name, element->name);
        for (const ScriptAttribute* attribute : element->attributes) {
            if (strcasecmp(attribute->name, "enabled") == 0)
                enabled = std::atoi(attribute->value) != 0;
            else if (strcasecmp(attribute->name, "viewport") == 0)
                std::sscanf(attribute->value, "%f,%f,%f,%f", &viewport.x, &viewport.y,
                            &viewport.width, &viewport.height);
            else if (strcasecmp(attribute->name, "pop") == 0)
                state.popAttributes = std::atoi(attribute->value) != 0;
            else if (strcasecmp(attribute->name, "nullstate") == 0)
                renderState = nullptr;
            else if (strcasecmp(attribute->name, "camera") == 0)
                std::snprintf(cameraName, sizeof cameraName, "%.63s", attribute->value);
            else if (strcasecmp(attribute->name, "walk") == 0)
                for (ScriptNode* child : element->children) host->walk(child);
        }
    }
    void resize(int width, int height) override { record("%s resize %d %d", name, width, height); }
    EffectParamTable* params() override {
        record("%s params plugins=%d effects=%u last=%s", name, host->pluginCount(),
               host->effectCount(), host->effect(host->effectCount()) ? "set" : "null");
        return &paramTable;
    }
    void mouse(uint32_t buttons, uint32_t released, float* now, float* before) override {
        record("%s mouse %u %u %.3f %.3f %.0f %.3f %.3f %.0f", name, buttons, released,
               static_cast<double>(now[0]), static_cast<double>(now[1]),
               static_cast<double>(now[2]), static_cast<double>(before[0]),
               static_cast<double>(before[1]), static_cast<double>(before[2]));
    }

private:
    RecordingState state;
    char cameraName[64] = "";
};

bool knows(const char* type) {
    return strcasecmp(type, "recorder") == 0 || strcasecmp(type, "musicplay") == 0 ||
           strcasecmp(type, "broken") == 0 || strcasecmp(type, "shared") == 0;
}

__attribute__((destructor)) void libraryUnloaded() {
    record("recorderfx unloaded");
}

} // namespace

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) {
    return knows(type);
}

VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type) {
    record("getFX %s", type);
    if (!knows(type) || strcasecmp(type, "broken") == 0) return nullptr;
    return new Recorder;
}
