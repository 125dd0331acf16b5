// The player's native top-level window: class registration, creation with the style its
// option flags select, centring on the desktop, and the window procedure that turns the
// messages that matter into calls of the virtual operations. The GL context is GLWindow's.
#pragma once

#include "platform/native/Native.h"

#include <cstdint>

// Option flags of create().
enum WindowFlags : uint32_t {
    WF_POSITION = 0x001,
    WF_TOPMOST = 0x002,
    WF_POPUP = 0x004,
    WF_NO_SYSMENU = 0x008,
    WF_NO_MINIMIZE = 0x010,
    WF_NO_MAXIMIZE = 0x020,
    WF_NO_BORDER = 0x080,
    WF_NO_RESIZE = 0x100,
    WF_FULLSCREEN = 0x200, // implies WF_POPUP and WF_NO_RESIZE, position 0, 0
    WF_TOOLWINDOW = 0x400,
    WF_NO_QUIT = 0x800,
    WF_HIDDEN = 0x1000, // never shown nor brought to the front: drawing for a renderer
};

class Window {
public:
    Window();
    // Detaches and destroys a native window that still exists, without a quit message.
    virtual ~Window();

    // Called once per iteration of the run loop; the result is not used.
    virtual bool frame();
    virtual void resize(int32_t width, int32_t height);
    virtual void paint();
    // pressed: 1 pressed (also on auto-repeat), 0 released.
    virtual void key(uint32_t virtualKey, uint32_t pressed);
    // Screen coordinates of the cursor.
    virtual void mouseMove(int32_t x, int32_t y);
    // button: 0 left, 1 middle, 2 right.
    virtual void mouseUp(uint32_t button);
    virtual void mouseDown(uint32_t button);
    // 120 per notch, positive away from the user.
    virtual void mouseWheel(int32_t delta);
    virtual void close();

    // 0 on success, -1 on failure (after a message box). width and height are the client
    // size; x, y are used only with WF_POSITION.
    int create(const char* title, int32_t x, int32_t y, int32_t width, int32_t height,
               uint32_t flags);
    // Destroys the native window and, with quitOnDestroy, posts the quit message. Releases
    // the window class, so another window with the same title can be created later.
    void destroy();
    void bringToFront();
    void applyPosition(bool topmost);
    bool isActive() const { return active; }
    void setPosition(int32_t newX, int32_t newY) {
        x_ = newX;
        y_ = newY;
    }
    // Screen position of the client area's top-left corner (requested position before
    // create); client size.
    int32_t x() const { return x_; }
    int32_t y() const { return y_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    native::WindowHandle handle() const { return handle_; }
    // destroy() posts the quit message (WF_NO_QUIT clears it).
    bool quitOnDestroy() const { return quitOnDestroy_; }
    // No native window: never created, destroyed, or closed by the system.
    bool closed() const { return closed_; }

    static intptr_t windowProcedure(native::WindowHandle window, uint32_t message, uintptr_t wParam,
                                    intptr_t lParam);

    // "lumbra_%s_%i_%i" with the title and these two build constants.
    static constexpr int32_t kClassNameMajor = 1;
    static constexpr int32_t kClassNameMinor = 0;
    static constexpr uint32_t kClassNameSize = 260;
    // Captions of the message boxes a window's failures show.
    static constexpr char kErrorCaption[] = "ERROR";
    static constexpr char kShutdownCaption[] = "SHUTDOWN ERROR";

protected:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    int32_t x_;
    int32_t y_;
    int32_t width_;
    int32_t height_;
    native::WindowHandle handle_;
    bool quitOnDestroy_;
    bool closed_;
    // Receives the operations the window procedure forwards.
    bool active;

private:
    void releaseClass();
    void detach();

    char className[kClassNameSize];
};
