// Frames captured by the Windows and the Linux player, compared pixel by pixel: the same
// software rasteriser draws both, so only rounding may differ, on a few pixels.
#pragma once

#include "StockEffectsFixture.h"

#include <filesystem>
#include <memory>
#include <vector>

inline std::vector<std::unique_ptr<Frame>> readFrames(const TempDir& dir) {
    std::vector<std::unique_ptr<Frame>> frames;
    for (int i = 0; std::filesystem::exists(framePath(dir, i)); ++i)
        frames.emplace_back(new Frame(framePath(dir, i)));
    return frames;
}

// Share of the pixels of two frames of one size whose channels differ by more than
// `tolerance`.
inline double differingShare(Frame& a, Frame& b, int tolerance) {
    int differing = 0;
    for (int row = 0; row < a.height(); ++row)
        for (int column = 0; column < a.width(); ++column) {
            const float x = (column + 0.5f) / a.width();
            const float y = (row + 0.5f) / a.height();
            if (!within(a.at(x, y), b.at(x, y), tolerance)) ++differing;
        }
    return double(differing) / (a.width() * a.height());
}

// Both players' frames of one recording, one for one: as many, all loaded, of one size,
// and alike but for rounding.
inline void expectSameFrames(const TempDir& windows, const TempDir& linux) {
    const auto windowsFrames = readFrames(windows);
    const auto linuxFrames = readFrames(linux);
    ASSERT_EQ(linuxFrames.size(), windowsFrames.size());
    for (size_t i = 0; i < windowsFrames.size(); ++i) {
        Frame& shown = *windowsFrames[i];
        Frame& expected = *linuxFrames[i];
        ASSERT_TRUE(shown.loaded() && expected.loaded()) << i;
        ASSERT_EQ(shown.width(), expected.width());
        ASSERT_EQ(shown.height(), expected.height());
        EXPECT_LE(differingShare(shown, expected, 8), 0.002) << "frame " << i;
    }
}
