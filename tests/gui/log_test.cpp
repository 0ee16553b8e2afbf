// The log file as the program keeps it: through Qt's logging into
// kestrova.log in the working folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "files/messages.h"
#include "log/messages.h"
#include "log/qt/log_sink.h"
#include "move/controls.h"
#include "started_app.h"

using namespace kestrova;

// What goes into the journal is the journal's own test; here, that it reaches the file.
TEST(Log, WhatThePanelSaysIsInTheLogFileAndALogThatCannotBeWrittenStopsNothing) {
    test_support::StartedApp s;
    const auto log = s.dir.path() / log_text::log_file;
    install_log_file(log);
    s.app.keep_log(qt_log_sink());
    s.save_as("logged");
    const std::string event = log_text::status(files_msg::saved((s.moves() / "logged").string()));
    const Bytes bytes = test_support::file_bytes(log);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find(event), std::string::npos) << event << "\nin:\n" << text;

    // A log that cannot be written leaves the program running and is said once, not at every
    // line: a folder under the log's name (even root cannot write it) or a pipe (never waited on).
    for (const bool pipe : {false, true}) {
        test_support::TempDir dir;
        const auto path = dir.path() / log_text::log_file;
        if (pipe) ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        else std::filesystem::create_directory(path);
        App app(dir.path(), nullptr);
        install_log_file(path);
        app.keep_log(qt_log_sink());
        app.start();
        app.type(ctl::total_frames_box, "75");
        app.press(ctl::set_total_frames_button);
        app.tick();
        app.tick();
        EXPECT_EQ(app.state().move.totalframes, 75);
        const auto& said = app.state().notices.said;
        const std::string message = log_text::not_a_file(path.string());
        EXPECT_EQ(std::count_if(said.begin(), said.end(), [&](const SaidMessage& m) { return m.text == message; }), 1)
            << pipe;
    }
}
