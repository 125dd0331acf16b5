// Shared by the bad-input catalogue: a demo whose body holds the bad part, followed by an
// effect that must still be made, configured by a timed event and loaded, and the run that
// event ends. "Going on" means exactly that tail ran and the exit code was 0; under the
// sanitizer build any invalid access would also end the player with another exit code.
#pragma once

#include "PlayerRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

inline std::string demoAround(const std::string& body, const std::string& demoAttributes = "") {
    return "<demo name=\"badinput\" width=\"64\" height=\"64\"" + demoAttributes +
           ">\n"
           "  <loadplugin file=\"recorderfx.so\"/>\n" +
           body +
           "\n  <add type=\"recorder\" name=\"after\"/>\n"
           "  <event time=\"0\"><after marker=\"1\"/><exit/></event>\n"
           "  <load/>\n"
           "  <run/>\n"
           "</demo>\n";
}

struct BadInputRun {
    PlayerResult player;
    std::string log;
    std::string calls;
};

inline BadInputRun runBadInput(const TempDir& dir, const std::string& arguments = "") {
    BadInputRun run;
    run.player = runPlayer(dir.path().string(), arguments, 120);
    run.log = dir.read("log.txt");
    run.calls = dir.read("calls.txt");
    return run;
}

// The tail of demoAround ran: the effect after the bad part was made, the event configured
// it, its load ran, and the player left with 0.
inline void expectWentOn(const BadInputRun& run) {
    EXPECT_EQ(run.player.exitCode, 0) << run.player.output;
    EXPECT_NE(run.calls.find("after configure after"), std::string::npos)
        << run.calls << run.log << run.player.output;
    EXPECT_NE(run.calls.find("after load"), std::string::npos) << run.calls;
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
