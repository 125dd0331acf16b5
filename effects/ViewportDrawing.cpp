#include "ViewportDrawing.h"

#include <GL/gl.h>

const char* const kBlendWords[] = {"none", "alpha", "add", "multiply", nullptr};

void scissorToViewport() {
    GLint box[4];
    glGetIntegerv(GL_VIEWPORT, box);
    glEnable(GL_SCISSOR_TEST);
    glScissor(box[0], box[1], box[2], box[3]);
}

void drawViewportRect(float x, float y, float width, float height) {
    const float left = x * 2.0f - 1.0f;
    const float bottom = y * 2.0f - 1.0f;
    const float right = (x + width) * 2.0f - 1.0f;
    const float top = (y + height) * 2.0f - 1.0f;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(left, bottom);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(right, bottom);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(right, top);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(left, top);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void applyBlend(Blend blend) {
    switch (blend) {
    case Blend::None:
        glDisable(GL_BLEND);
        return;
    case Blend::Alpha:
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        return;
    case Blend::Add:
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        return;
    case Blend::Multiply:
        glEnable(GL_BLEND);
        glBlendFunc(GL_ZERO, GL_SRC_COLOR);
        return;
    }
}
