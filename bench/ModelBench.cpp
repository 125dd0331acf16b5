// Drawing a model of about 100,000 triangles with the mesh effect's own model code, one
// frame per iteration, against its peer, the built-in torus drawn as the effect draws its
// shapes, in the same run and the same OpenGL context (a hidden SDL window; under Xvfb,
// Mesa's software renderer). Each frame ends with glFinish, so the time includes the
// driver's; Google Benchmark's CPU time is the process's, the renderer's threads included.
// Read the model's time over the torus's, and the model's against 16.7 ms (60 fps).
#include "effects/MeshShapes.h"
#include "effects/ModelDrawing.h"

#include <vornex/Texture.h>

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The host the model code asks for textures; the bench model has none.
class BenchHost : public DemoHost {
public:
    int walk(ScriptNode*) override { return 0; }
    bool seeking() override { return false; }
    float time() override { return 0.0f; }
    float width() override { return 640.0f; }
    float height() override { return 480.0f; }
    int pluginCount() override { return 0; }
    uint32_t effectCount() override { return 0; }
    Effect* effect(uint32_t) override { return nullptr; }
    Texture* loadTexture(const char*) override { return nullptr; }
    Camera* getCamera(const char*) override { return nullptr; }
    Texture* createTexture(int, int, int, bool, const char*) override { return nullptr; }
    Image* loadImage(const char*) override { return nullptr; }
    int32_t syncTrack(const char*) override { return -1; }
    float syncValue(int32_t) override { return 0.0f; }
};

// A wavy sheet of `columns` x `rows` cells, two triangles each, as an OBJ file.
std::string sheetObj(int columns, int rows) {
    std::string out;
    char line[96];
    for (int y = 0; y <= rows; ++y)
        for (int x = 0; x <= columns; ++x) {
            const float s = float(x) / columns, t = float(y) / rows;
            std::snprintf(line, sizeof line, "v %.5f %.5f %.5f\n", s * 4 - 2, t * 4 - 2,
                          0.2f * std::sin(s * 20.0f) * std::cos(t * 15.0f));
            out += line;
        }
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x) {
            const int a = y * (columns + 1) + x + 1, b = a + 1, c = a + columns + 2, d = c - 1;
            std::snprintf(line, sizeof line, "f %d %d %d\nf %d %d %d\n", a, b, c, a, c, d);
            out += line;
        }
    return out;
}

class GLContext {
public:
    GLContext() {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) return;
        window_ = SDL_CreateWindow("bench", 0, 0, 640, 480, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        if (window_) context_ = SDL_GL_CreateContext(window_);
    }
    ~GLContext() {
        if (context_) SDL_GL_DeleteContext(context_);
        if (window_) SDL_DestroyWindow(window_);
        SDL_Quit();
    }
    bool ready() const { return context_ != nullptr; }

private:
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
};

// The effect's state around a draw: camera, light, depth test.
void beginFrame() {
    glViewport(0, 0, 640, 480);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(50.0, 640.0 / 480.0, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, 5, 0, 0, 0, 0, 1, 0);
    const GLfloat direction[4] = {0.5f, 1.0f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_NORMALIZE);
    glEnable(GL_DEPTH_TEST);
}

void BM_ModelFrame(benchmark::State& state) {
    GLContext gl;
    if (!gl.ready()) return state.SkipWithError("no OpenGL window (run under xvfb-run)");
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "vornex-model-bench";
    fs::create_directories(folder / "data/models");
    std::ofstream(folder / "data/models/sheet.obj") << sheetObj(224, 224);
    const fs::path back = fs::current_path();
    fs::current_path(folder);
    BenchHost host;
    ModelDrawing model;
    const bool loaded = model.load(host, "bench", "sheet.obj");
    fs::current_path(back);
    fs::remove_all(folder);
    if (!loaded) return state.SkipWithError("the model was not read");
    const Vec4 white = {1, 1, 1, 1};
    for (auto _ : state) {
        beginFrame();
        model.draw(1.0, white);
        glFinish();
    }
    state.counters["triangles"] = 224.0 * 224.0 * 2.0;
}

void BM_PeerTorusFrame(benchmark::State& state) {
    GLContext gl;
    if (!gl.ready()) return state.SkipWithError("no OpenGL window (run under xvfb-run)");
    std::vector<MeshVertex> torus;
    buildShape(MeshShape::Torus, torus);
    for (auto _ : state) {
        beginFrame();
        glColor4f(1, 1, 1, 1);
        glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
        glInterleavedArrays(GL_T2F_N3F_V3F, 0, torus.data());
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(torus.size()));
        glPopClientAttrib();
        glFinish();
    }
    state.counters["triangles"] = double(torus.size() / 3);
}

} // namespace

BENCHMARK(BM_ModelFrame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_PeerTorusFrame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK_MAIN();
