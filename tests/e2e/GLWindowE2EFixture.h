// The real-window fixture of the GLWindow end-to-end tests: a recording GLWindow on the sdl
// back end, the message pump the player's run loop runs, and input injected as SDL events.
#pragma once

#include "PlayerRun.h"
#include "RecordingWindow.h"
#include "platform/ExtensionLoader.h"
#include "platform/GLWindow.h"
#include "platform/native/Native.h"

#include <GL/gl.h>
#include <SDL.h>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using Call = WindowCall;

struct Drained {
    bool quit = false;
    std::vector<native::Message> messages;
};

// The run loop's drain, repeated until the condition holds: however long the window
// system takes on a busy machine.
template <typename Condition> inline Drained drainUntil(Condition done) {
    Drained drained;
    for (;;) {
        native::Message message;
        while (native::peekMessage(&message, nullptr, 0, 0, native::PM_REMOVE)) {
            drained.messages.push_back(message);
            if (message.message == native::WM_QUIT) {
                drained.quit = true;
                continue;
            }
            native::translateMessage(&message);
            native::dispatchMessage(&message);
        }
        if (done(drained)) return drained;
        SDL_Delay(5);
    }
}

// The drain, a few times over a pause of `milliseconds` (to let the window system settle).
inline void drainFor(uint32_t milliseconds) {
    for (uint32_t waited = 0; waited < milliseconds; waited += 5) {
        native::Message message;
        while (native::peekMessage(&message, nullptr, 0, 0, native::PM_REMOVE))
            if (message.message != native::WM_QUIT) {
                native::translateMessage(&message);
                native::dispatchMessage(&message);
            }
        SDL_Delay(5);
    }
}

// "r,g,b" of a pixel of the named window as the X server holds it; empty if unreadable.
inline std::string screenPixel(const char* title, int x, int y) {
    const std::string command = std::string("id=$(xdotool search --name '^") + title +
                                "$' | head -n 1) && /usr/bin/import -window \"$id\" -crop 1x1+" +
                                std::to_string(x) + "+" + std::to_string(y) + " txt:- 2>/dev/null";
    const std::string text = commandOutput(command);
    const size_t start = text.find("srgb(");
    if (start == std::string::npos) return "";
    const size_t end = text.find(')', start);
    return text.substr(start + 5, end - start - 5);
}

inline uint32_t sdlIdOf(const char* title) {
    for (uint32_t id = 1; id < 256; ++id) {
        SDL_Window* window = SDL_GetWindowFromID(id);
        if (window && std::strcmp(SDL_GetWindowTitle(window), title) == 0) return id;
    }
    return 0;
}

inline void pushKey(uint32_t sdlId, bool down, SDL_Keycode key, uint16_t mod, bool repeat = false) {
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = sdlId;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
}

class GLWindowE2E : public ::testing::Test {
protected:
    void create(const char* title, int32_t width = 64, int32_t height = 48, uint32_t flags = 0,
                int32_t left = 0, int32_t top = 0) {
        std::snprintf(settings.title, sizeof(settings.title), "%s", title);
        settings.width = width;
        settings.height = height;
        settings.flags = flags;
        settings.x = left;
        settings.y = top;
        ::testing::internal::CaptureStdout();
        const int created = window.create(settings);
        output = ::testing::internal::GetCapturedStdout();
        ASSERT_EQ(created, 1) << output;
        sdlId = sdlIdOf(title);
        ASSERT_NE(sdlId, 0u);
        // Let the window system settle (first expose, map) before a test injects input.
        drainFor(100);
        window.calls.clear();
    }
    void TearDown() override {
        window.close();
        drainFor(20);
    }

    WindowSettings settings;
    RecordingWindow<GLWindow> window{false};
    std::string output;
    uint32_t sdlId = 0;
};
