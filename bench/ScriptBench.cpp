// Script reading from memory next to pugixml on the same ~1 MB text.
#include "io/MemoryStream.h"
#include "script/ScriptDocument.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <string>

namespace {
const std::string& scriptText() {
    static const std::string text = [] {
        std::string out = "<demo name=\"bench\" width=\"640\" height=\"480\" lockfps=\"50\">\n";
        char line[512];
        for (int i = 0; out.size() < (1u << 20); ++i) {
            std::snprintf(line, sizeof line,
                          "  <event time=\"%d.25\" trigger=\"a\">\n"
                          "    <fx%d enabled=\"1\" color=\"0.5,0.25,1.0,1.0\" speed=\"2\"/>\n"
                          "    <camera mode=\"keyframe\" name=\"cam%d\">"
                          "<key t=\"%d\" pos=\"1,2,3\" lookat=\"0,0,0\"/></camera>\n"
                          "  </event>\n",
                          i, i % 48, i % 7, i);
            out += line;
        }
        return out + "</demo>\n";
    }();
    return text;
}

size_t countAttributes(const ScriptNode& node) {
    size_t count = node.attributes.size();
    for (const ScriptNode* child : node.children) count += countAttributes(*child);
    return count;
}

void readWithVornex(benchmark::State& state) {
    const std::string& text = scriptText();
    size_t attributes = 0;
    {
        MemoryStream stream(text.c_str(), static_cast<uint32_t>(text.size()));
        ScriptDocument document;
        document.parseElements(document, stream);
        attributes = countAttributes(document);
    }
    for (auto _ : state) {
        MemoryStream stream(text.c_str(), static_cast<uint32_t>(text.size()));
        ScriptDocument document;
        benchmark::DoNotOptimize(document.parseElements(document, stream));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
    state.counters["attributes"] = double(attributes);
    state.counters["bytes_per_attribute"] = double(sizeof(ScriptAttribute) + sizeof(void*));
}

void readWithPugixml(benchmark::State& state) {
    const std::string& text = scriptText();
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(text.data(), text.size()));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
} // namespace

BENCHMARK(readWithVornex)->Unit(benchmark::kMillisecond);
BENCHMARK(readWithPugixml)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
