// shader: a GLSL fragment shader from the data tree over the whole viewport, with uniforms
// for the demo time, the viewport size, the mouse, four textures and a camera, the
// standard inputs of shared shaders (a file in the mainImage form is wrapped), four
// channels (a texture, a surface, `self` for the effect's own previous frame, or `music`),
// and the uniforms the script declares and sets as parameters. A shader that does not
// compile or link has its messages logged line by line, and printed as file:line:
// messages on standard output; the program built before it (if any) stays, so an edit
// that breaks a shader under a running demo leaves the last good one drawing.
#include "ShaderCalls.h"
#include "ShaderFrames.h"
#include "ShaderSource.h"
#include "StockEffect.h"
#include "StockEffects.h"
#include "ViewportDrawing.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr int kTextureUnits = 4;
// Larger files are refused: a fragment shader of this size is a mistake.
constexpr long kMaxSourceBytes = 1 << 20;

const char* const kSamplerNames[kTextureUnits] = {"uTexture0", "uTexture1", "uTexture2",
                                                  "uTexture3"};
const char* const kTextureParams[kTextureUnits] = {"texture0", "texture1", "texture2", "texture3"};
constexpr int kChannels = 4;
const char* const kChannelParams[kChannels] = {"channel0", "channel1", "channel2", "channel3"};
const char* const kChannelSamplers[kChannels] = {"iChannel0", "iChannel1", "iChannel2",
                                                 "iChannel3"};
constexpr int kMaxUniforms = 8;
constexpr int kUniformNameSize = 32;
// The rate shared shaders are told; the music layer does not say its own.
constexpr float kSampleRate = 44100.0f;

// A channel: a texture or surface by name, or the effect's own previous frame.
struct Channel {
    char name[Texture::kNameSize] = {};
    Texture* texture = nullptr;
    bool self = false;
};

// A uniform the script declared; its GLSL type, once the shader is built, decides how
// many of the value's components reach it.
struct DeclaredUniform {
    char name[kUniformNameSize] = {};
    Vec4 value = {0.0f, 0.0f, 0.0f, 0.0f};
    GLint location = -1;
    GLenum type = 0;
};

class ShaderEffect : public StockEffect {
public:
    ShaderEffect() : StockEffect("Shader") {
        addFile("file", file_);
        for (int i = 0; i < kTextureUnits; ++i) addTexture(kTextureParams[i], textures_[i]);
        addCamera("camera", camera_);
        // Read by configure() below: `self` is no texture the host could look up.
        for (int i = 0; i < kChannels; ++i) addListed(kChannelParams[i], ParamValue::Texture);
        addListed("uniforms", ParamValue::File);
    }

    // Declared uniforms first, so an element may declare and set them at once.
    void configure(ScriptNode* element) override {
        for (const ScriptAttribute* attribute : element->attributes) {
            if (sameScriptName(attribute->name, "uniforms")) declareUniforms(attribute->value);
            for (int i = 0; i < kChannels; ++i)
                if (sameScriptName(attribute->name, kChannelParams[i]))
                    setChannel(channels_[i], attribute->value);
        }
        StockEffect::configure(element);
    }

    ~ShaderEffect() override { release(); }

    int prepare() override {
        for (Channel& channel : channels_) resolveChannel(channel);
        if (!file_.name[0]) release();
        return build();
    }

    int unload() override {
        release();
        frames_.release();
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
        glGetIntegerv(GL_VIEWPORT, viewport_);
        const GLint* box = viewport_;
        const float now = host->time();
        const float delta = frame_ > 0 ? now - previousTime_ : 0.0f;
        previousTime_ = now;
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
        glDisable(GL_LIGHTING);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        const bool ownFrames = readsSelf() && frames_.begin(box[2], box[3]);
        if (readsSelf() && !ownFrames && !ownFramesRefused_) {
            ownFramesRefused_ = true;
            hostLog("%s: the driver gives no frame buffer for channel self; it reads black", name);
        }
        // Into its own buffer the pass draws from the buffer's corner.
        const GLint own[4] = {0, 0, box[2], box[3]};
        drawPass(*gl, ownFrames ? own : box, now, delta);
        if (ownFrames) {
            frames_.end();
            glViewport(box[0], box[1], box[2], box[3]);
            showFrontFrame();
        }
        ++frame_;
    }

private:
    // The shader over the viewport `box` (x, y, width, height in pixels of the frame buffer
    // drawn into).
    void drawPass(const ShaderCalls& gl, const GLint box[4], float now, float delta) {
        gl.useProgram(program_);
        const float width = static_cast<float>(box[2]);
        const float height = static_cast<float>(box[3]);
        if (time_ >= 0) gl.uniform1f(time_, now);
        if (resolution_ >= 0) gl.uniform2f(resolution_, width, height);
        if (mouseLocation_ >= 0) gl.uniform2f(mouseLocation_, mouse_[0], mouse_[1]);
        Vec3 eye = {0.0f, 0.0f, 5.0f};
        Vec3 target = {0.0f, 0.0f, 0.0f};
        float fov = 50.0f;
        if (const Camera* camera = camera_.camera) {
            eye = camera->pos;
            target = camera->lookat;
            fov = camera->fov;
        }
        if (cameraPos_ >= 0) gl.uniform3f(cameraPos_, eye.x, eye.y, eye.z);
        if (cameraLookAt_ >= 0) gl.uniform3f(cameraLookAt_, target.x, target.y, target.z);
        if (cameraFov_ >= 0) gl.uniform1f(cameraFov_, fov);
        for (int i = 0; i < kTextureUnits; ++i) {
            if (samplers_[i] < 0 || !textures_[i].texture) continue;
            gl.activeTexture(GL_TEXTURE0 + i);
            textures_[i].texture->texture.bind();
            gl.uniform1i(samplers_[i], i);
        }
        setStandardInputs(gl, box, now, delta);
        for (const DeclaredUniform& uniform : uniforms_) setUniform(gl, uniform);
        gl.activeTexture(GL_TEXTURE0);
        drawViewportRect(0.0f, 0.0f, 1.0f, 1.0f);
        gl.useProgram(0);
    }

    // The inputs of shared shaders; a shader that does not use one has no location for it.
    void setStandardInputs(const ShaderCalls& gl, const GLint box[4], float now, float delta) {
        const float width = static_cast<float>(box[2]);
        const float height = static_cast<float>(box[3]);
        if (standard_.resolution >= 0) gl.uniform3f(standard_.resolution, width, height, 1.0f);
        if (standard_.time >= 0) gl.uniform1f(standard_.time, now);
        if (standard_.timeDelta >= 0) gl.uniform1f(standard_.timeDelta, delta);
        if (standard_.frame >= 0) gl.uniform1i(standard_.frame, frame_);
        // The mouse comes as fractions of the window from its top-left corner.
        if (standard_.mouse >= 0)
            gl.uniform4f(standard_.mouse, mouse_[0] * host->width() - static_cast<float>(box[0]),
                         (1.0f - mouse_[1]) * host->height() - static_cast<float>(box[1]), 0.0f,
                         0.0f);
        if (standard_.date >= 0) {
            const std::time_t seconds = std::time(nullptr);
            std::tm local = {};
            if (const std::tm* now = std::localtime(&seconds)) local = *now;
            gl.uniform4f(
                standard_.date, static_cast<float>(local.tm_year + 1900),
                static_cast<float>(local.tm_mon), static_cast<float>(local.tm_mday),
                static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec));
        }
        if (standard_.sampleRate >= 0) gl.uniform1f(standard_.sampleRate, kSampleRate);
        if (standard_.origin >= 0)
            gl.uniform2f(standard_.origin, static_cast<float>(box[0]), static_cast<float>(box[1]));
        float sizes[kChannels * 3] = {};
        for (int i = 0; i < kChannels; ++i) {
            const Channel& channel = channels_[i];
            const int unit = kTextureUnits + i;
            gl.activeTexture(GL_TEXTURE0 + unit);
            if (channel.self) {
                glBindTexture(GL_TEXTURE_2D, frames_.front());
                sizes[i * 3] = static_cast<float>(frames_.width());
                sizes[i * 3 + 1] = static_cast<float>(frames_.height());
            } else if (channel.texture) {
                channel.texture->texture.bind();
                sizes[i * 3] = static_cast<float>(channel.texture->texture.width);
                sizes[i * 3 + 1] = static_cast<float>(channel.texture->texture.height);
            } else {
                glBindTexture(GL_TEXTURE_2D, 0);
            }
            sizes[i * 3 + 2] = 1.0f;
            if (standard_.channels[i] >= 0) gl.uniform1i(standard_.channels[i], unit);
        }
        if (standard_.channelResolution >= 0)
            gl.uniform3fv(standard_.channelResolution, kChannels, sizes);
    }

    static void setUniform(const ShaderCalls& gl, const DeclaredUniform& uniform) {
        if (uniform.location < 0) return;
        const Vec4& v = uniform.value;
        switch (uniform.type) {
        case GL_FLOAT:
            gl.uniform1f(uniform.location, v.x);
            break;
        case GL_FLOAT_VEC2:
            gl.uniform2f(uniform.location, v.x, v.y);
            break;
        case GL_FLOAT_VEC3:
            gl.uniform3f(uniform.location, v.x, v.y, v.z);
            break;
        case GL_FLOAT_VEC4:
            gl.uniform4f(uniform.location, v.x, v.y, v.z, v.w);
            break;
        case GL_INT:
        case GL_BOOL:
            gl.uniform1i(uniform.location, static_cast<GLint>(v.x));
            break;
        default:
            break;
        }
    }

    // The frame just drawn into the effect's own buffer, over the viewport as it is.
    void showFrontFrame() {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, frames_.front());
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        drawViewportRect(0.0f, 0.0f, 1.0f, 1.0f);
        glDisable(GL_TEXTURE_2D);
    }

    bool readsSelf() const {
        for (const Channel& channel : channels_)
            if (channel.self) return true;
        return false;
    }

    // A name longer than the field is cut, as the names of textures are.
    void setChannel(Channel& channel, const char* value) {
        const size_t length = std::min(std::strlen(value), sizeof channel.name - 1);
        std::memcpy(channel.name, value, length);
        channel.name[length] = '\0';
        if (loaded()) resolveChannel(channel);
    }

    // Textures, surfaces and the music's analysis all come through the host's lookup.
    void resolveChannel(Channel& channel) {
        channel.self = sameScriptName(channel.name, "self");
        channel.texture =
            channel.name[0] && !channel.self ? host->loadTexture(channel.name) : nullptr;
    }

    // Adds the names of a comma-separated list that are not declared yet as parameters.
    void declareUniforms(const char* list) {
        const char* at = list;
        while (*at) {
            while (*at == ' ' || *at == ',') ++at;
            const char* end = at;
            while (*end && *end != ',' && *end != ' ') ++end;
            const size_t length = static_cast<size_t>(end - at);
            if (length > 0) declareUniform(at, length);
            at = end;
        }
    }

    void declareUniform(const char* at, size_t length) {
        char wanted[kUniformNameSize];
        if (length >= sizeof wanted) {
            hostLog("%s: uniform name longer than %i characters refused", name,
                    kUniformNameSize - 1);
            return;
        }
        std::memcpy(wanted, at, length);
        wanted[length] = '\0';
        for (int i = 0; i < uniformCount_; ++i)
            if (sameScriptName(uniforms_[i].name, wanted)) return;
        if (uniformCount_ >= kMaxUniforms) {
            hostLog("%s: at most %i uniforms, %s refused", name, kMaxUniforms, wanted);
            return;
        }
        DeclaredUniform& uniform = uniforms_[uniformCount_++];
        std::memcpy(uniform.name, wanted, length + 1);
        addNumbers(uniform.name, uniform.value);
        if (program_) locateUniform(*shaderCalls(), uniform);
    }

    // Where the built program keeps the uniform and its type; none when it has no such
    // active uniform (the compiler drops unused ones).
    void locateUniform(const ShaderCalls& gl, DeclaredUniform& uniform) {
        uniform.location = gl.getUniformLocation(program_, uniform.name);
        uniform.type = 0;
        GLint active = 0;
        gl.getProgramiv(program_, GL_ACTIVE_UNIFORMS, &active);
        for (GLint i = 0; i < active && uniform.location >= 0; ++i) {
            char found[kUniformNameSize + 8];
            GLint size = 0;
            GLenum type = 0;
            gl.getActiveUniform(program_, static_cast<GLuint>(i), sizeof found, nullptr, &size,
                                &type, found);
            if (std::strcmp(found, uniform.name) == 0) uniform.type = type;
        }
        if (uniform.location >= 0 && !isSettable(uniform.type))
            hostLog("%s: uniform %s of %s is no float, vecN, int or bool; not set", name,
                    uniform.name, file_.name);
    }

    static bool isSettable(GLenum type) {
        return type == GL_FLOAT || type == GL_FLOAT_VEC2 || type == GL_FLOAT_VEC3 ||
               type == GL_FLOAT_VEC4 || type == GL_INT || type == GL_BOOL;
    }

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
        std::string wrapped;
        if (isMainImageShader(source.data()))
            wrapped =
                wrapMainImage(source.data(), shadingLanguageVersion(reinterpret_cast<const char*>(
                                                 glGetString(GL_SHADING_LANGUAGE_VERSION))));
        const GLuint shader = gl->createShader(GL_FRAGMENT_SHADER);
        const GLchar* text = wrapped.empty() ? source.data() : wrapped.c_str();
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
        standard_.resolution = gl->getUniformLocation(program, "iResolution");
        standard_.time = gl->getUniformLocation(program, "iTime");
        standard_.timeDelta = gl->getUniformLocation(program, "iTimeDelta");
        standard_.frame = gl->getUniformLocation(program, "iFrame");
        standard_.mouse = gl->getUniformLocation(program, "iMouse");
        standard_.date = gl->getUniformLocation(program, "iDate");
        standard_.sampleRate = gl->getUniformLocation(program, "iSampleRate");
        standard_.channelResolution = gl->getUniformLocation(program, "iChannelResolution");
        standard_.origin = gl->getUniformLocation(program, "vornexViewportOrigin");
        for (int i = 0; i < kChannels; ++i)
            standard_.channels[i] = gl->getUniformLocation(program, kChannelSamplers[i]);
        for (int i = 0; i < uniformCount_; ++i) locateUniform(*gl, uniforms_[i]);
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
    // Locations of the standard inputs of shared shaders.
    struct StandardInputs {
        GLint resolution = -1;
        GLint time = -1;
        GLint timeDelta = -1;
        GLint frame = -1;
        GLint mouse = -1;
        GLint date = -1;
        GLint sampleRate = -1;
        GLint channelResolution = -1;
        GLint origin = -1; // the viewport's corner, which fragCoord counts from
        GLint channels[kChannels] = {-1, -1, -1, -1};
    } standard_;
    Channel channels_[kChannels];
    ShaderFrames frames_;
    DeclaredUniform uniforms_[kMaxUniforms];
    int uniformCount_ = 0;
    // The viewport of the frame being drawn (x, y, width, height), restored after a pass
    // into the effect's own buffer.
    GLint viewport_[4] = {};
    int frame_ = 0;
    float previousTime_ = 0.0f;
    bool ownFramesRefused_ = false; // logged once
};

} // namespace

Effect* makeShaderEffect() {
    return new ShaderEffect;
}
