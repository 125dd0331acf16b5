// The editor link against a stand-in editor on the loopback address: greeting, track
// requests, key changes, seek, pause and save handed on, row reports, and the editor
// going away or never being there.
#include "sync/SyncClient.h"
#include "EditorStandIn.h"
#include "TempDir.h"
#include "platform/Log.h"
#include "sync/SyncTrackSet.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct RecordingListener : SyncEditorListener {
    void editorSeek(int32_t row) override { calls.push_back("seek " + std::to_string(row)); }
    void editorPause(bool paused) override { calls.push_back(paused ? "pause" : "play"); }
    void editorSave() override { calls.push_back("save"); }
    void editorGone() override { calls.push_back("gone"); }
    std::vector<std::string> calls;
};

class SyncClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        Log& log = Log::instance();
        log.setFormat(0);
        log.setOutputs(LOG_TO_FILE);
        log.setFileName(dir.file("log.txt").c_str());
        log.setEnabled(true);
    }
    void TearDown() override { Log::instance().setEnabled(false); }

    // Polls the client until the stand-in has taken the connection and both have greeted.
    void link() {
        client.connect(editor.port());
        for (int i = 0; i < 200 && !editor.accept(); ++i) client.poll(listener);
        client.poll(listener);
        ASSERT_EQ(editor.read(19), "hello, synctracker!");
        editor.write("hello, demo!");
        for (int i = 0; i < 200 && !client.linked(); ++i) client.poll(listener);
        ASSERT_TRUE(client.linked());
    }
    // Polls until the stand-in's bytes have arrived and been applied.
    void settle() {
        for (int i = 0; i < 20; ++i) {
            client.poll(listener);
            editor.quiet(5);
        }
    }
    std::string log() const { return dir.read("log.txt"); }

    TempDir dir;
    EditorStandIn editor;
    SyncTrackSet tracks;
    std::unique_ptr<SyncClient> client_ = std::make_unique<SyncClient>(tracks);
    SyncClient& client = *client_;
    RecordingListener listener;
};

TEST_F(SyncClientTest, AsksForEveryTrackAndAppliesTheEditorsCommands) {
    tracks.acquire("fade");
    const int32_t colour = tracks.acquire("bg:red");
    tracks.track(colour)->setKey({100, 9.0f, kSyncStep}); // from a file: the editor's win
    link();
    EXPECT_EQ(editor.read(2 * 5 + 4 + 6),
              EditorStandIn::getTrack("fade") + EditorStandIn::getTrack("bg:red"));
    EXPECT_EQ(tracks.track(colour)->keyCount(), 0u);

    // Commands arrive cut at odd places; each applies once it is whole.
    const std::string commands =
        EditorStandIn::setKey(1, 0, 0.0f, 1) + EditorStandIn::setKey(1, 8, 2.0f, 0) +
        EditorStandIn::setKey(1, 4, 5.0f, 2) + EditorStandIn::deleteKey(1, 4) +
        EditorStandIn::setRow(32) + EditorStandIn::pause(true) + EditorStandIn::save() +
        EditorStandIn::pause(false);
    editor.write(commands.substr(0, 7));
    settle();
    EXPECT_EQ(tracks.track(colour)->keyCount(), 0u);
    editor.write(commands.substr(7));
    settle();
    ASSERT_EQ(tracks.track(colour)->keyCount(), 2u);
    EXPECT_FLOAT_EQ(tracks.track(colour)->value(4.0), 1.0f);
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"seek 32", "pause", "save", "play"}));

    // The row is told when it changes, and not echoed after the editor's own seek.
    client.reportRow(32);
    client.reportRow(33);
    client.reportRow(33);
    EXPECT_EQ(editor.read(5), EditorStandIn::setRow(33));
    EXPECT_TRUE(editor.quiet());

    // A track made after linking is asked for as it comes, with the next number.
    tracks.acquire("late");
    client.poll(listener);
    EXPECT_EQ(editor.read(9), EditorStandIn::getTrack("late"));
    editor.write(EditorStandIn::setKey(2, 0, 3.0f, 0) + EditorStandIn::setKey(7, 0, 1.0f, 0));
    settle();
    EXPECT_EQ(tracks.track(2)->value(0.0), 3.0f);
    EXPECT_NE(log().find("track 7, which the demo never asked for"), std::string::npos);
}

TEST_F(SyncClientTest, CarriesOnAloneWhenTheEditorGoesAwayOrTalksNonsense) {
    tracks.acquire("fade");
    link();
    editor.read(9);
    editor.write(EditorStandIn::setKey(0, 0, 4.0f, 0));
    settle();
    editor.hangUp();
    settle();
    EXPECT_FALSE(client.linked());
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"gone"}));
    EXPECT_EQ(tracks.track(0)->value(0.0), 4.0f); // keys stay
    EXPECT_NE(log().find("playing on alone"), std::string::npos);
    client.reportRow(5); // nothing to tell, nothing breaks

    listener.calls.clear();
    link();
    editor.read(9);
    editor.write(std::string(1, char(9)));
    settle();
    EXPECT_FALSE(client.linked());
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"gone"}));
}

TEST_F(SyncClientTest, AMissingEditorIsOneLogLine) {
    uint16_t port = 0;
    {
        EditorStandIn gone; // a port nobody listens on once it is closed
        port = gone.port();
    }
    client.connect(port);
    for (int i = 0; i < 20; ++i) client.poll(listener);
    EXPECT_FALSE(client.linked());
    EXPECT_TRUE(listener.calls.empty());
    const std::string text = log();
    EXPECT_NE(text.find("sync: no editor at 127.0.0.1:"), std::string::npos);
    EXPECT_EQ(text.find("sync:"), text.rfind("sync:"));
}

TEST_F(SyncClientTest, AProgramThatDoesNotGreetAsTheEditorIsLeft) {
    client.connect(editor.port());
    for (int i = 0; i < 200 && !editor.accept(); ++i) client.poll(listener);
    client.poll(listener);
    editor.read(19);
    editor.write("HTTP/1.1 400");
    settle();
    EXPECT_FALSE(client.linked());
    EXPECT_NE(log().find("did not greet as the editor"), std::string::npos);
}

} // namespace
