// A test plugin that draws with OpenGL, built only against the plugin SDK:
//   "fill"   clears its viewport with `color` "r,g,b" (0..1);
//   "probe"  reads the pixels at `points` "x,y;x,y;..." (fractions of the client area,
//            from the bottom left) and writes "x y r g b" lines to "pixels.txt" every
//            frame, so the file holds what the last frame drawn showed before it was
//            presented.
//   "shared" a fill, also known to recorderfx (which plugin answers first).
// Both take `viewport` "x,y,w,h" and `enabled` (0/1).
#include <vornex/plugin.h>

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

class Configurable : public Effect {
public:
    void configure(ScriptNode* element) override {
        for (const ScriptAttribute* attribute : element->attributes) {
            if (strcasecmp(attribute->name, "viewport") == 0)
                std::sscanf(attribute->value, "%f,%f,%f,%f", &viewport.x, &viewport.y,
                            &viewport.width, &viewport.height);
            else if (strcasecmp(attribute->name, "enabled") == 0)
                enabled = std::atoi(attribute->value) != 0;
            else
                option(attribute->name, attribute->value);
        }
    }

protected:
    virtual void option(const char* name, const char* value) = 0;
};

class Fill : public Configurable {
public:
    void draw() override {
        GLint box[4];
        glGetIntegerv(GL_VIEWPORT, box);
        glEnable(GL_SCISSOR_TEST);
        glScissor(box[0], box[1], box[2], box[3]);
        glClearColor(colour[0], colour[1], colour[2], 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
    }

private:
    void option(const char* name, const char* value) override {
        if (strcasecmp(name, "color") == 0)
            std::sscanf(value, "%f,%f,%f", &colour[0], &colour[1], &colour[2]);
    }

    float colour[3] = {1.0f, 1.0f, 1.0f};
};

class Probe : public Configurable {
public:
    void draw() override {
        // The frame in which an exit event closed the window draws without a context.
        if (!glGetString(GL_VERSION)) return;
        FILE* file = std::fopen("pixels.txt", "wb");
        if (!file) return;
        const float width = host->width();
        const float height = host->height();
        const char* cursor = points;
        float x;
        float y;
        int used;
        while (std::sscanf(cursor, "%f,%f%n", &x, &y, &used) == 2) {
            unsigned char pixel[4] = {};
            glReadPixels(static_cast<GLint>(x * width), static_cast<GLint>(y * height), 1, 1,
                         GL_RGBA, GL_UNSIGNED_BYTE, pixel);
            std::fprintf(file, "%.2f %.2f %u %u %u\n", static_cast<double>(x),
                         static_cast<double>(y), pixel[0], pixel[1], pixel[2]);
            cursor += used;
            if (*cursor != ';') break;
            ++cursor;
        }
        std::fclose(file);
    }

private:
    void option(const char* name, const char* value) override {
        if (strcasecmp(name, "points") == 0) {
            std::strncpy(points, value, sizeof points - 1);
            points[sizeof points - 1] = '\0';
        }
    }

    char points[512] = {};
};

} // namespace

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) {
    return strcasecmp(type, "fill") == 0 || strcasecmp(type, "probe") == 0 ||
           strcasecmp(type, "shared") == 0;
}

VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type) {
    if (strcasecmp(type, "probe") == 0) return new Probe;
    if (hasFX(type)) return new Fill;
    return nullptr;
}
