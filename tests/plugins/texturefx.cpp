// A test plugin that draws a texture over its viewport, built only against the plugin SDK:
//   "texture"  `file`: the texture asked of the host by file name on load, drawn with
//              texture coordinate t = 0 at the bottom of the viewport.
// Takes `viewport` "x,y,w,h".
#include <vornex/plugin.h>

#include <GL/gl.h>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

class TextureQuad : public Effect {
public:
    void configure(ScriptNode* element) override {
        for (const ScriptAttribute* attribute : element->attributes) {
            if (strcasecmp(attribute->name, "viewport") == 0)
                std::sscanf(attribute->value, "%f,%f,%f,%f", &viewport.x, &viewport.y,
                            &viewport.width, &viewport.height);
            else if (strcasecmp(attribute->name, "file") == 0)
                std::snprintf(file, sizeof file, "%s", attribute->value);
        }
    }
    int load() override {
        texture = host->loadTexture(file);
        return 0;
    }
    void draw() override {
        if (!texture || !glGetString(GL_VERSION)) return;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        texture->texture.bind();
        glColor3f(1, 1, 1);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex2f(-1, -1);
        glTexCoord2f(1, 0);
        glVertex2f(1, -1);
        glTexCoord2f(1, 1);
        glVertex2f(1, 1);
        glTexCoord2f(0, 1);
        glVertex2f(-1, 1);
        glEnd();
        glDisable(GL_TEXTURE_2D);
    }

private:
    char file[ScriptAttribute::kValueSize] = {};
    Texture* texture = nullptr;
};

} // namespace

VORNEX_PLUGIN_EXPORT bool hasFX(const char* type) {
    return strcasecmp(type, "texture") == 0;
}

VORNEX_PLUGIN_EXPORT Effect* getFX(const char* type) {
    return hasFX(type) ? new TextureQuad : nullptr;
}
