// A window of the player's (Window or GLWindow) that records each operation the window
// procedure calls, with its arguments, after the base has done its part. A window on a real
// window system records no painting, which comes whenever the system likes.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct WindowCall {
    std::string name;
    int32_t a;
    int32_t b;
    bool operator==(const WindowCall& other) const {
        return name == other.name && a == other.a && b == other.b;
    }
};

inline void PrintTo(const WindowCall& call, std::ostream* out) {
    *out << call.name << "(" << call.a << ", " << call.b << ")";
}

template <typename Base> class RecordingWindow : public Base {
public:
    explicit RecordingWindow(bool recordsPaint = true) : recordsPaint(recordsPaint) {}

    void resize(int32_t newWidth, int32_t newHeight) override {
        Base::resize(newWidth, newHeight);
        calls.push_back({"resize", newWidth, newHeight});
    }
    void paint() override {
        Base::paint();
        if (recordsPaint) calls.push_back({"paint", 0, 0});
    }
    void key(uint32_t code, uint32_t pressed) override {
        calls.push_back({"key", static_cast<int32_t>(code), static_cast<int32_t>(pressed)});
    }
    void mouseMove(int32_t mouseX, int32_t mouseY) override {
        calls.push_back({"mouseMove", mouseX, mouseY});
    }
    void mouseUp(uint32_t button) override {
        calls.push_back({"mouseUp", static_cast<int32_t>(button), 0});
    }
    void mouseDown(uint32_t button) override {
        calls.push_back({"mouseDown", static_cast<int32_t>(button), 0});
    }
    void mouseWheel(int32_t delta) override { calls.push_back({"mouseWheel", delta, 0}); }
    void close() override {
        calls.push_back({"close", 0, 0});
        Base::close();
    }

    // As a window whose object no longer takes the forwarded operations.
    void deactivate() { this->active = false; }

    std::vector<WindowCall> calls;

private:
    bool recordsPaint;
};
