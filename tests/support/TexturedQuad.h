// Draws the bound texture over the whole viewport and reads back a pixel near its bottom
// and one near its top, so tests can tell an upright picture from a flipped one.
#pragma once

#include <GL/gl.h>

#include <cstdint>

inline void drawTexturedQuadAndReadBack(int viewSize, uint8_t bottom[3], uint8_t top[3]) {
    glViewport(0, 0, viewSize, viewSize);
    glClear(GL_COLOR_BUFFER_BIT);
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
    glFinish();
    glReadPixels(viewSize / 2, viewSize / 8, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, bottom);
    glReadPixels(viewSize / 2, viewSize * 7 / 8, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, top);
}
