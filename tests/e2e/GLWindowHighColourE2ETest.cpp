// A fullscreen window at 16 bits a pixel, on an X server of the test's own whose screen has
// that depth: the granted mode survives the pixel format chosen for it.
#include "GLWindowE2EFixture.h"

#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// An X server of the test's own, with a 16-bit screen: the shared one offers only 24 bits.
class HighColourServer {
public:
    HighColourServer() {
        int ready[2];
        if (pipe(ready) != 0) return;
        pid = fork();
        if (pid == 0) {
            close(ready[0]);
            const std::string fd = std::to_string(ready[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x16",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        // The server writes its display number once it accepts clients.
        char digit;
        while (read(ready[0], &digit, 1) == 1 && digit != '\n') display += digit;
        close(ready[0]);
        if (!display.empty()) display.insert(0, ":");
    }
    ~HighColourServer() {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    std::string display;

private:
    pid_t pid = -1;
};

} // namespace

class GLWindowHighColourE2E : public GLWindowE2E {
protected:
    void SetUp() override {
        ASSERT_FALSE(server.display.empty()) << "Xvfb did not start";
        setenv("DISPLAY", server.display.c_str(), 1);
    }
    void TearDown() override {
        GLWindowE2E::TearDown();
        // Disconnect before the server goes.
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    HighColourServer server;
};

TEST_F(GLWindowHighColourE2E, AGrantedHighColourFullscreenModeSurvivesTheNewPixelFormat) {
    setenv("VORNEX_NO_MESSAGEBOX", "1", 1);
    settings.fullscreen = true;
    settings.bpp = 16;
    ::testing::internal::CaptureStderr();
    create("vornex-e2e-high-colour", 800, 600);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors.find("FullScreen Failed"), std::string::npos) << errors;
    EXPECT_NE(output.find("OpenGL| Color16bpp RGBA(5,6,5,0)"), std::string::npos) << output;
    EXPECT_TRUE(window.fullscreen());
    const uint32_t flags = SDL_GetWindowFlags(SDL_GetWindowFromID(sdlId));
    EXPECT_TRUE(flags & SDL_WINDOW_FULLSCREEN);
    EXPECT_TRUE(flags & SDL_WINDOW_SHOWN);
}
