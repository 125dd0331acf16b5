#include "platform/GLWindow.h"

#include "platform/ExtensionLoader.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdio>

namespace {

void shutdownMessage(const char* text) {
    native::messageBox(nullptr, text, Window::kShutdownCaption,
                       native::MB_OK | native::MB_ICONINFORMATION);
}

} // namespace

GLWindow::GLWindow() : fullscreen_(false), deviceContext_(nullptr), renderContext_(nullptr) {}

GLWindow::~GLWindow() {
    shutdownGL();
}

int GLWindow::fail(const char* text) {
    native::messageBox(nullptr, text, kErrorCaption, native::MB_OK | native::MB_ICONEXCLAMATION);
    return 0;
}

int GLWindow::create(WindowSettings& settings) {
    shutdownGL();
    fullscreen_ = settings.fullscreen;
    if (fullscreen_) {
        settings.x = 0;
        settings.y = 0;
        settings.flags |= WF_FULLSCREEN | WF_POSITION;
    }
    if (Window::create(settings.title, settings.x, settings.y, settings.width, settings.height,
                       settings.flags) != 0) {
        return 0;
    }

    if (fullscreen_) {
        native::DisplayMode mode = {};
        mode.fields = native::DM_BITSPERPEL | native::DM_PELSWIDTH | native::DM_PELSHEIGHT;
        mode.bitsPerPixel = static_cast<uint32_t>(settings.bpp);
        mode.width = static_cast<uint32_t>(settings.width);
        mode.height = static_cast<uint32_t>(settings.height);
        if (native::changeDisplaySettings(&mode, native::CDS_FULLSCREEN) !=
            native::DISP_CHANGE_SUCCESSFUL) {
            // Not a failure: the borderless window at 0, 0 stays on the desktop mode.
            native::messageBox(nullptr, "FullScreen Failed, using Windowed", kErrorCaption,
                               native::MB_OK | native::MB_ICONEXCLAMATION);
            fullscreen_ = false;
        } else {
            native::showCursor(false);
        }
    }

    deviceContext_ = native::getDC(handle_);
    if (!deviceContext_) return fail("Can't Create An OPENGL Device Context.");

    native::PixelFormatDescriptor request = {};
    request.size = sizeof(request);
    request.version = 1;
    request.flags =
        native::PFD_DRAW_TO_WINDOW | native::PFD_SUPPORT_OPENGL | native::PFD_DOUBLEBUFFER;
    request.pixelType = native::PFD_TYPE_RGBA;
    request.colorBits = static_cast<uint8_t>(settings.bpp);
    request.depthBits = 24;
    request.stencilBits = 8;
    request.layerType = native::PFD_MAIN_PLANE;
    const int32_t format = native::choosePixelFormat(deviceContext_, &request);
    if (format == 0) return fail("Can't Find A Suitable PixelFormat.");
    if (!native::setPixelFormat(deviceContext_, format, &request)) {
        return fail("Can't Set The PixelFormat.");
    }

    native::PixelFormatDescriptor granted = {};
    native::describePixelFormat(deviceContext_, format, sizeof(granted), &granted);
    // Compared by scripts and tests: keep the text exactly.
    std::printf("OpenGL| Color%ibpp RGBA(%i,%i,%i,%i) Depth: %ibpp\n", granted.colorBits,
                granted.redBits, granted.greenBits, granted.blueBits, granted.alphaBits,
                granted.depthBits);

    renderContext_ = native::createContext(deviceContext_);
    if (!renderContext_) return fail("Can't Create An OPENGL Rendering Context.");
    if (!native::makeCurrent(deviceContext_, renderContext_)) {
        return fail("Can't Activate The OPENGL Rendering Context.");
    }

    // Derived classes see the initial size: no size message reached them during creation.
    resize(settings.width, settings.height);
    native::makeCurrent(deviceContext_, renderContext_);
    setInitialState();
    return 1;
}

void GLWindow::setInitialState() {
    static const GLfloat kBlack[] = {0.0f, 0.0f, 0.0f, 1.0f};
    static const GLfloat kWhite[] = {1.0f, 1.0f, 1.0f, 1.0f};
    glEnable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT, GL_FILL);
    glLightfv(GL_LIGHT0, GL_AMBIENT, kBlack);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, kWhite);
    glLightfv(GL_LIGHT0, GL_SPECULAR, kWhite);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, kBlack);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kWhite);
}

void GLWindow::shutdownGL() {
    if (deviceContext_ && renderContext_) native::makeCurrent(deviceContext_, renderContext_);
    if (fullscreen_ && renderContext_ && deviceContext_) {
        native::changeDisplaySettings(nullptr, 0);
        native::showCursor(true);
    }
    if (renderContext_) {
        if (!native::makeCurrent(nullptr, nullptr)) shutdownMessage("wglMakeCurrent() failed");
        if (!native::deleteContext(renderContext_)) shutdownMessage("wglDeleteContext() failed");
        renderContext_ = nullptr;
    }
    if (deviceContext_) {
        if (native::releaseDC(handle_, deviceContext_) == 0) shutdownMessage("ReleaseDC() failed");
        deviceContext_ = nullptr;
    }
}

void GLWindow::makeCurrent() {
    if (!deviceContext_ || !renderContext_) return;
    if (ext::wglMakeContextCurrentARB) {
        ext::wglMakeContextCurrentARB(deviceContext_, deviceContext_, renderContext_);
    } else {
        native::makeCurrent(deviceContext_, renderContext_);
    }
}

void GLWindow::resize(int32_t newWidth, int32_t newHeight) {
    // A minimised window has no aspect ratio: keep the last viewport and projection.
    if (newHeight > 0) {
        makeCurrent();
        glViewport(0, 0, newWidth, newHeight);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(kFieldOfView, static_cast<GLdouble>(newWidth) / newHeight, kNearPlane,
                       kFarPlane);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    Window::resize(newWidth, newHeight);
}

bool GLWindow::frame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    native::swapBuffers(deviceContext_);
    return true;
}

void GLWindow::close() {
    shutdownGL();
    Window::destroy();
}
