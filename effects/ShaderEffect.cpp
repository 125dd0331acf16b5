// shader: a GLSL fragment shader from the data tree over the whole viewport, with uniforms
// for the demo time, the viewport size, the mouse, four textures and a camera. A shader
// that does not compile or link has its messages logged line by line, and printed as
// file:line: messages on standard output; the program built before it (if any) stays, so
// an edit that breaks a shader under a running demo leaves the last good one drawing.
#include "ShaderCalls.h"
#include "StockEffect.h"
#include "StockEffects.h"
#include "ViewportDrawing.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kTextureUnits = 4;
// Larger files are refused: a fragment shader of this size is a mistake.
constexpr long kMaxSourceBytes = 1 << 20;

const char* const kSamplerNames[kTextureUnits] = {"uTexture0", "uTexture1", "uTexture2",
                                                  "uTexture3"};
const char* const kTextureParams[kTextureUnits] = {"texture0", "texture1", "texture2", "texture3"};

class ShaderEffect : public StockEffect {
public:
    ShaderEffect() : StockEffect("Shader") {
        addFile("file", file_);
        for (int i = 0; i < kTextureUnits; ++i) addTexture(kTextureParams[i], textures_[i]);
        addCamera("camera", camera_);
    }

    ~ShaderEffect() override { release(); }

    int prepare() override {
        if (!file_.name[0]) release();
        return build();
    }

    int unload() override {
        release();
        return 0;
    }

    void changed(const ParamRecord& param) override {
        if (param.target == &file_ && loaded()) prepare();
    }

    void mouse(uint32_t, uint32_t, float* now, float*) override {
        mouse_[0] = now[0];
        mouse_[1] = now[1];
    }

    void draw() override {
        const ShaderCalls* gl = shaderCalls();
        if (!program_ || !gl) return;
        GLint box[4];
        glGetIntegerv(GL_VIEWPORT, box);
        gl->useProgram(program_);
        if (time_ >= 0) gl->uniform1f(time_, host->time());
        if (resolution_ >= 0)
            gl->uniform2f(resolution_, static_cast<float>(box[2]), static_cast<float>(box[3]));
        if (mouseLocation_ >= 0) gl->uniform2f(mouseLocation_, mouse_[0], mouse_[1]);
        Vec3 eye = {0.0f, 0.0f, 5.0f};
        Vec3 target = {0.0f, 0.0f, 0.0f};
        float fov = 50.0f;
        if (const Camera* camera = camera_.camera) {
            eye = camera->pos;
            target = camera->lookat;
            fov = camera->fov;
        }
        if (cameraPos_ >= 0) gl->uniform3f(cameraPos_, eye.x, eye.y, eye.z);
        if (cameraLookAt_ >= 0) gl->uniform3f(cameraLookAt_, target.x, target.y, target.z);
        if (cameraFov_ >= 0) gl->uniform1f(cameraFov_, fov);
        for (int i = 0; i < kTextureUnits; ++i) {
            if (samplers_[i] < 0 || !textures_[i].texture) continue;
            gl->activeTexture(GL_TEXTURE0 + i);
            textures_[i].texture->texture.bind();
            gl->uniform1i(samplers_[i], i);
        }
        gl->activeTexture(GL_TEXTURE0);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
        glDisable(GL_LIGHTING);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        drawViewportRect(0.0f, 0.0f, 1.0f, 1.0f);
        gl->useProgram(0);
    }

private:
    // Reads the file as "data/" + name: shaders have no folder of their own.
    bool readSource(std::vector<char>& source) {
        char path[FileSlot::kSize + 8];
        std::snprintf(path, sizeof path, "data/%s", file_.name);
        FILE* file = std::fopen(path, "rb");
        if (!file) {
            hostLog("%s: shader %s not found", name, path);
            return false;
        }
        bool ok = std::fseek(file, 0, SEEK_END) == 0;
        const long size = ok ? std::ftell(file) : -1;
        ok = ok && size >= 0 && size <= kMaxSourceBytes && std::fseek(file, 0, SEEK_SET) == 0;
        if (ok) {
            source.resize(static_cast<size_t>(size) + 1);
            ok = std::fread(source.data(), 1, static_cast<size_t>(size), file) ==
                 static_cast<size_t>(size);
            source[static_cast<size_t>(size)] = '\0';
        }
        std::fclose(file);
        if (!ok)
            hostLog("%s: shader %s could not be read (at most %li bytes)", name, path,
                    kMaxSourceBytes);
        return ok;
    }

    // Each line of the compiler's or linker's messages as its own log line, and on
    // standard output with the file's path and the line the compiler names.
    void logMessages(const char* what, std::vector<char>& messages) {
        hostLog("%s: shader %s did not %s:", name, file_.name, what);
        char* line = messages.data();
        while (line && *line) {
            char* next = std::strchr(line, '\n');
            if (next) *next++ = '\0';
            if (*line) {
                hostLog("%s: %s %s", name, file_.name, line);
                printMessage(line);
            }
            line = next;
        }
    }

    // Compilers write "0:12(5): error: ..." (Mesa) or "0(12) : error ..." (others).
    void printMessage(const char* line) {
        int sourceIndex = 0, lineNumber = 0, column = 0, consumed = 0;
        if (std::sscanf(line, "%d:%d(%d): %n", &sourceIndex, &lineNumber, &column, &consumed) ==
                3 &&
            consumed > 0) {
            std::printf("data/%s:%d:%d: %s\n", file_.name, lineNumber, column, line + consumed);
        } else if (std::sscanf(line, "%d(%d) : %n", &sourceIndex, &lineNumber, &consumed) == 2 &&
                   consumed > 0) {
            std::printf("data/%s:%d: %s\n", file_.name, lineNumber, line + consumed);
        } else {
            std::printf("data/%s: %s\n", file_.name, line);
        }
    }

    int build() {
        if (!file_.name[0]) return 0;
        const ShaderCalls* gl = shaderCalls();
        if (!gl) {
            hostLog("%s: OpenGL 2.0 shaders are not available; %s not drawn", name, file_.name);
            return -1;
        }
        std::vector<char> source;
        if (!readSource(source)) return -1;
        const GLuint shader = gl->createShader(GL_FRAGMENT_SHADER);
        const GLchar* text = source.data();
        gl->shaderSource(shader, 1, &text, nullptr);
        gl->compileShader(shader);
        GLint status = GL_FALSE;
        gl->getShaderiv(shader, GL_COMPILE_STATUS, &status);
        if (status != GL_TRUE) {
            GLint length = 0;
            gl->getShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
            std::vector<char> messages(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
            gl->getShaderInfoLog(shader, length, nullptr, messages.data());
            logMessages("compile", messages);
            gl->deleteShader(shader);
            return -1;
        }
        const GLuint program = gl->createProgram();
        gl->attachShader(program, shader);
        gl->linkProgram(program);
        gl->deleteShader(shader); // freed with the program
        gl->getProgramiv(program, GL_LINK_STATUS, &status);
        if (status != GL_TRUE) {
            GLint length = 0;
            gl->getProgramiv(program, GL_INFO_LOG_LENGTH, &length);
            std::vector<char> messages(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
            gl->getProgramInfoLog(program, length, nullptr, messages.data());
            logMessages("link", messages);
            gl->deleteProgram(program);
            return -1;
        }
        release();
        program_ = program;
        time_ = gl->getUniformLocation(program, "uTime");
        resolution_ = gl->getUniformLocation(program, "uResolution");
        mouseLocation_ = gl->getUniformLocation(program, "uMouse");
        cameraPos_ = gl->getUniformLocation(program, "uCameraPos");
        cameraLookAt_ = gl->getUniformLocation(program, "uCameraLookAt");
        cameraFov_ = gl->getUniformLocation(program, "uCameraFov");
        for (int i = 0; i < kTextureUnits; ++i)
            samplers_[i] = gl->getUniformLocation(program, kSamplerNames[i]);
        hostLog("%s: shader %s ready", name, file_.name);
        return 0;
    }

    void release() {
        const ShaderCalls* gl = program_ ? shaderCalls() : nullptr;
        // Without a context (after the window closed) the program went with it.
        if (gl && glGetString(GL_VERSION)) gl->deleteProgram(program_);
        program_ = 0;
    }

    FileSlot file_;
    TextureSlot textures_[kTextureUnits];
    CameraSlot camera_;
    GLuint program_ = 0;
    GLint time_ = -1;
    GLint resolution_ = -1;
    GLint mouseLocation_ = -1;
    GLint cameraPos_ = -1;
    GLint cameraLookAt_ = -1;
    GLint cameraFov_ = -1;
    GLint samplers_[kTextureUnits] = {-1, -1, -1, -1};
    float mouse_[2] = {0.5f, 0.5f};
};

} // namespace

Effect* makeShaderEffect() {
    return new ShaderEffect;
}
