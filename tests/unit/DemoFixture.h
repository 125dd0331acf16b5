// A Demo on the fake back end, in a temporary working directory (where "calls.txt" of the
// recording plugin and "keylog.txt" land), with a plain log file, fresh process-wide
// settings and a clock the test moves.
#pragma once

#include "ScriptText.h"
#include "TempDir.h"
#include "demo/Demo.h"
#include "demo/ProcessSettings.h"
#include "demo/ResourceRegistry.h"
#include "log/Log.h"
#include "platform/native/fake/FakeNative.h"
#include <vornex/Effect.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

class DemoFixture : public ::testing::Test {
protected:
    DemoFixture() : cwd(dir.path()) {}

    void SetUp() override {
        native::fake::reset();
        processSettings() = ProcessSettings{};
        Log& log = Log::instance();
        log.setFormat(0);
        log.setOutputs(LOG_TO_FILE);
        log.setFileName(dir.file("log.txt").c_str());
        log.setEnabled(true);
        demo = std::make_unique<Demo>();
    }
    void TearDown() override {
        demo.reset();
        Log::instance().setEnabled(false);
    }

    // Parses the script and walks its first top-level element.
    void walk(const std::string& script) {
        documents.push_back(std::make_unique<ScriptDocument>());
        ScriptDocument& document = *documents.back();
        ASSERT_EQ(parseScript(document, script), 0) << ScriptDocument::lastMessage();
        demo->walk(document.children[0]);
    }

    // One frame, `milliseconds` after the previous one (at least the 14 ms of pacing).
    void frame(uint32_t milliseconds = 20) {
        native::fake::advanceTickCount(milliseconds);
        demo->frame();
    }

    std::vector<std::string> lines(const std::string& file) const {
        std::istringstream in(dir.read(file));
        std::vector<std::string> out;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            out.push_back(line);
        }
        return out;
    }
    std::vector<std::string> logLines() const { return lines("log.txt"); }
    std::vector<std::string> calls() const { return lines("calls.txt"); }

    TempDir dir;
    WorkingDirectory cwd;
    std::vector<std::unique_ptr<ScriptDocument>> documents; // outlive the demo
    std::vector<std::string> listed; // calls of ListedEffect objects, which the demo outlives
    std::unique_ptr<Demo> demo;
};

// An effect living in the test, writing its calls to a shared list. Its load() moves the
// fake clock past the frame pacing, so load steps do not wait on a clock that stands.
class ListedEffect : public Effect {
public:
    explicit ListedEffect(std::vector<std::string>& calls) : calls(calls) {}
    ~ListedEffect() override { note("destroy"); }
    int load() override {
        note("load");
        native::fake::advanceTickCount(cDemo::kMinimumFrameMilliseconds);
        return 0;
    }
    int unload() override {
        note("unload");
        return 0;
    }
    void update(float delta) override {
        std::ostringstream text;
        text << "update " << delta;
        note(text.str());
    }
    void draw() override {
        note("draw");
        native::fake::advanceTickCount(cDemo::kMinimumFrameMilliseconds);
    }

private:
    void note(const std::string& call) { calls.push_back(std::string(name) + " " + call); }

    std::vector<std::string>& calls;
};
