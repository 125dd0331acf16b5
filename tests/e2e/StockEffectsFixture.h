// Runs the real player with the stock effects (stockfx.so, next to the player) on a data
// tree made by a test, and reads back what they drew from the PNG files of a `capture`
// effect, with the player's own PNG reader.
#pragma once

#include "PlayerRun.h"
#include "TempDir.h"

#include "image/FormatPNG.h"
#include "io/FileStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

struct Rgb {
    int r, g, b;
};

const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255},
    kBlack{0, 0, 0};

inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "(" << c.r << "," << c.g << "," << c.b << ")";
}

// A captured frame; (x, y) are fractions of it from the bottom-left corner, as OpenGL and
// effect viewports count.
class Frame {
public:
    explicit Frame(const std::string& path) {
        FileStream stream(path.c_str(), FileStream::kRead);
        if (stream.isOpen() && png_.load(&stream) == 0) loaded_ = true;
    }
    bool loaded() const { return loaded_; }
    int width() { return png_.width(); }
    int height() { return png_.height(); }
    Rgb at(float x, float y) {
        const int column = clamp(static_cast<int>(x * width()), width());
        const int row = clamp(static_cast<int>(y * height()), height());
        const int bytes = static_cast<int>(png_.bitsPerPixel() / 8);
        const uint8_t* pixel = png_.pixels(0) + (row * width() + column) * bytes;
        return {pixel[2], pixel[1], pixel[0]}; // stored blue first
    }
    // Spread of the green channel over a grid of samples: 0 for a flat frame.
    double spread() {
        double sum = 0.0, squares = 0.0;
        const int samples = 32;
        for (int i = 0; i < samples; ++i)
            for (int j = 0; j < samples; ++j) {
                const Rgb c = at((i + 0.5f) / samples, (j + 0.5f) / samples);
                const double v = (c.r + c.g + c.b) / 3.0;
                sum += v;
                squares += v * v;
            }
        const double n = samples * samples;
        return std::sqrt(squares / n - (sum / n) * (sum / n));
    }

private:
    static int clamp(int value, int size) {
        return value < 0 ? 0 : (value >= size ? size - 1 : value);
    }
    cFormatPNG png_;
    bool loaded_ = false;
};

inline bool within(const Rgb& a, const Rgb& b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

// Equal but for the rounding of blending and filtering.
inline bool near(const Rgb& a, const Rgb& b) {
    return within(a, b, 6);
}

// A 24-bit true-colour TGA of `size` x `size` texels, bottom-left origin, in four
// quadrants: bottom-left, bottom-right, top-left, top-right.
inline std::string quadrantTga(int size, Rgb bottomLeft, Rgb bottomRight, Rgb topLeft,
                               Rgb topRight) {
    std::string bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = static_cast<char>(size & 0xFF);
    bytes[13] = static_cast<char>(size >> 8);
    bytes[14] = static_cast<char>(size & 0xFF);
    bytes[15] = static_cast<char>(size >> 8);
    bytes[16] = 24;
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column) {
            const bool top = row >= size / 2;
            const bool right = column >= size / 2;
            const Rgb c = top ? (right ? topRight : topLeft) : (right ? bottomRight : bottomLeft);
            bytes += static_cast<char>(c.b);
            bytes += static_cast<char>(c.g);
            bytes += static_cast<char>(c.r);
        }
    return bytes;
}

// A demo script around `body`: the stock effects loaded, a fixed frame step, the window
// size given, and an exit at `seconds`; a `load` element is added unless the body has one.
inline std::string stockScript(const std::string& body, int lockfps, float seconds, int width = 160,
                               int height = 120) {
    return "<demo name=\"stock\" width=\"" + std::to_string(width) + "\" height=\"" +
           std::to_string(height) + "\" lockfps=\"" + std::to_string(lockfps) +
           "\">\n<loadplugin file=\"stockfx.so\"/>\n" + body + "\n<event time=\"" +
           std::to_string(seconds) + "\"><exit/></event>\n" +
           (body.find("<load ") == std::string::npos && body.find("<load/>") == std::string::npos
                ? "<load/>\n"
                : "") +
           "<run/>\n</demo>\n";
}

inline std::string framePath(const TempDir& dir, int index, const char* folder = "frames") {
    char name[64];
    std::snprintf(name, sizeof name, "%s/frame_%05d.png", folder, index);
    return dir.file(name);
}

// The bundled data tree, linked into the test's folder, with `script` as data/script.txt
// in place of the bundled scripts that start the demo.
inline void linkBundledData(const TempDir& dir, const char* script) {
    namespace fs = std::filesystem;
    const fs::path source = fs::path(VORNEX_SOURCE_DIR) / "data";
    fs::create_directories(dir.path() / "data");
    for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
        const fs::path name = entry.path().filename();
        if (name != "script.txt" && name != "capture.txt")
            fs::create_symlink(entry.path(), dir.path() / "data" / name);
    }
    dir.write("data/script.txt", script);
}
