#include "ShaderSource.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool isNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The first whole-word `word` from `from` on, followed (after blanks) by '('; or null.
const char* findCall(const char* from, const char* word) {
    const size_t length = std::strlen(word);
    for (const char* at = std::strstr(from, word); at; at = std::strstr(at + 1, word)) {
        if (at > from && isNameCharacter(at[-1])) continue;
        const char* after = at + length;
        if (isNameCharacter(*after)) continue;
        while (*after == ' ' || *after == '\t' || *after == '\r' || *after == '\n') ++after;
        if (*after == '(') return at;
    }
    return nullptr;
}

// The `#version` line: where it starts and ends, and its number; null start when there is
// none before the first code.
struct VersionLine {
    const char* start = nullptr;
    const char* end = nullptr;
    int number = 0;
};

VersionLine findVersionLine(const char* source) {
    VersionLine line;
    const char* at = source;
    for (;;) {
        while (*at == ' ' || *at == '\t' || *at == '\r' || *at == '\n') ++at;
        if (at[0] == '/' && at[1] == '/') {
            at = std::strchr(at, '\n');
            if (!at) return line;
            continue;
        }
        if (at[0] == '/' && at[1] == '*') {
            at = std::strstr(at + 2, "*/");
            if (!at) return line;
            at += 2;
            continue;
        }
        break;
    }
    if (*at != '#') return line;
    const char* word = at + 1;
    while (*word == ' ' || *word == '\t') ++word;
    if (std::strncmp(word, "version", 7) != 0) return line;
    line.start = at;
    line.end = std::strchr(at, '\n');
    if (!line.end) line.end = at + std::strlen(at);
    line.number = std::atoi(word + 7);
    return line;
}

} // namespace

bool isMainImageShader(const char* source) {
    return findCall(source, "mainImage") && !findCall(source, "main");
}

int shadingLanguageVersion(const char* text) {
    int major = 0, minor = 0;
    if (!text || std::sscanf(text, "%d.%d", &major, &minor) != 2) return 110;
    return major * 100 + (minor < 10 ? minor * 10 : minor);
}

std::string wrapMainImage(const char* source, int offeredVersion) {
    const VersionLine version = findVersionLine(source);
    const int number = version.start           ? version.number
                       : offeredVersion >= 330 ? 330
                       : offeredVersion >= 130 ? 130
                                               : 120;
    std::string out;
    if (version.start)
        out.append(version.start, version.end);
    else
        out += "#version " + std::to_string(number);
    const bool outputVariable = number >= 130;
    out += "\nuniform vec3 iResolution;\nuniform float iTime;\nuniform float iTimeDelta;\n"
           "uniform int iFrame;\nuniform vec4 iMouse;\nuniform vec4 iDate;\n"
           "uniform float iSampleRate;\nuniform vec3 iChannelResolution[4];\n"
           "uniform sampler2D iChannel0;\nuniform sampler2D iChannel1;\n"
           "uniform sampler2D iChannel2;\nuniform sampler2D iChannel3;\n"
           "uniform vec2 vornexViewportOrigin;\n";
    // Shared shaders call texture(); before 1.30 that is texture2D.
    out += outputVariable ? "out vec4 vornexFragColor;\n" : "#define texture texture2D\n";
    // From 3.30 on `#line n` numbers the next line n, before it n + 1.
    out += number >= 330 ? "#line 1\n" : "#line 0\n";
    if (version.start) {
        // The version line stays as an empty one, so the file's line numbers hold.
        out.append(source, version.start);
        out.append(version.end, source + std::strlen(source));
    } else {
        out += source;
    }
    out += "\nvoid main() {\n    vec4 colour = vec4(0.0, 0.0, 0.0, 1.0);\n"
           "    mainImage(colour, gl_FragCoord.xy - vornexViewportOrigin);\n";
    out +=
        outputVariable ? "    vornexFragColor = colour;\n}\n" : "    gl_FragColor = colour;\n}\n";
    return out;
}
