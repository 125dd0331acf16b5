#include "effects/ShaderSource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The line of `text` that holds `needle`, counted from 1; 0 when none does.
int lineOf(const std::string& text, const std::string& needle) {
    const size_t at = text.find(needle);
    if (at == std::string::npos) return 0;
    int line = 1;
    for (size_t i = 0; i < at; ++i) line += text[i] == '\n';
    return line;
}

// The line number the compiler gives the line of `needle`: counted from the `#line`
// directive, which names the next line 1 from GLSL 3.30 on and 0 + 1 before.
int compilerLineOf(const std::string& wrapped, const std::string& needle) {
    const int directive = lineOf(wrapped, "#line ");
    const int first = std::stoi(wrapped.substr(wrapped.find("#line ") + 6));
    const bool from330 =
        wrapped.compare(0, 12, "#version 330") == 0 || wrapped.compare(0, 12, "#version 450") == 0;
    return lineOf(wrapped, needle) - directive - 1 + first + (from330 ? 0 : 1);
}

} // namespace

TEST(ShaderSource, OnlyMainImageWithoutMainIsWrapped) {
    EXPECT_TRUE(isMainImageShader("void mainImage(out vec4 c, in vec2 p) { c = vec4(1.0); }"));
    EXPECT_TRUE(isMainImageShader("void mainImage (out vec4 c, in vec2 p) {}\n"
                                  "float mainly(float x) { return x; }"));
    EXPECT_FALSE(isMainImageShader("void main() { gl_FragColor = vec4(1.0); }"));
    EXPECT_FALSE(isMainImageShader("void mainImage(out vec4 c, in vec2 p) {}\n"
                                   "void main() { mainImage(gl_FragColor, vec2(0.0)); }"));
    EXPECT_FALSE(isMainImageShader("uniform float mainImageScale;"));
    EXPECT_FALSE(isMainImageShader(""));
}

TEST(ShaderSource, TheVersionIsTheFilesOrTheBestTheDriverOffers) {
    const char* shared = "void mainImage(out vec4 c, in vec2 p) { c = texture(iChannel0, p); }\n";
    EXPECT_EQ(wrapMainImage(shared, 460).rfind("#version 330\n", 0), 0u);
    EXPECT_EQ(wrapMainImage(shared, 140).rfind("#version 130\n", 0), 0u);
    const std::string old = wrapMainImage(shared, 120);
    EXPECT_EQ(old.rfind("#version 120\n", 0), 0u);
    // Before 1.30 there is no texture() and no out variable.
    EXPECT_NE(old.find("#define texture texture2D"), std::string::npos);
    EXPECT_NE(old.find("gl_FragColor = colour;"), std::string::npos);
    EXPECT_NE(wrapMainImage(shared, 460).find("vornexFragColor = colour;"), std::string::npos);

    const std::string own = wrapMainImage("/* by someone */\n#version 450 core\n"
                                          "void mainImage(out vec4 c, in vec2 p) {}\n",
                                          120);
    EXPECT_EQ(own.rfind("#version 450 core\n", 0), 0u);
    EXPECT_EQ(own.find("#version", 1), std::string::npos);

    EXPECT_EQ(shadingLanguageVersion("4.60 NVIDIA"), 460);
    EXPECT_EQ(shadingLanguageVersion("1.30"), 130);
    EXPECT_EQ(shadingLanguageVersion("4.6"), 460);
    EXPECT_EQ(shadingLanguageVersion(nullptr), 110);
    EXPECT_EQ(shadingLanguageVersion("none"), 110);
}

TEST(ShaderSource, MessagesKeepTheLineNumbersOfTheFile) {
    // Line 4 of each file holds the marker.
    const std::string plain = "// shared\n\nvoid mainImage(out vec4 c, in vec2 p) {\n"
                              "    c = vec4(MARKER);\n}\n";
    const std::string versioned =
        "// shared\n#version 120\nvoid mainImage(out vec4 c, in vec2 p) {\n"
        "    c = vec4(MARKER);\n}\n";
    for (const int offered : {120, 130, 450}) {
        EXPECT_EQ(compilerLineOf(wrapMainImage(plain.c_str(), offered), "MARKER"), 4) << offered;
        EXPECT_EQ(compilerLineOf(wrapMainImage(versioned.c_str(), offered), "MARKER"), 4)
            << offered;
    }
}
