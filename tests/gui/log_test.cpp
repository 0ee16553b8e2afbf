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

namespace {
long said(App& app, const std::string& text) {
    const auto& all = app.state().notices.said;
    return std::count_if(all.begin(), all.end(), [&](const SaidMessage& m) { return m.text == text; });
}
}  // namespace

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

    // A log that cannot be written leaves the program running. Even for root,
    // whose writes ignore the folder's mode: the log's name is taken by a folder.
    test_support::TempDir dir;
    std::filesystem::create_directory(dir.path() / log_text::log_file);
    ::chmod(dir.path().c_str(), 0555);
    {
        App app(dir.path(), nullptr);
        install_log_file(dir.path() / log_text::log_file);
        app.keep_log(qt_log_sink());
        app.start();
        app.type(ctl::total_frames_box, "75");
        app.press(ctl::set_total_frames_button);
        app.tick();
        app.tick();
        EXPECT_EQ(app.state().move.totalframes, 75);
        EXPECT_TRUE(std::filesystem::is_directory(dir.path() / log_text::log_file));
        // Said once, not at every line.
        EXPECT_EQ(said(app, log_text::not_a_file((dir.path() / log_text::log_file).string())), 1);
    }
    ::chmod(dir.path().c_str(), 0755);

    // A pipe under the log's name neither holds up the start nor goes unsaid.
    test_support::TempDir piped;
    ASSERT_EQ(::mkfifo((piped.path() / log_text::log_file).c_str(), 0644), 0);
    App app(piped.path(), nullptr);
    install_log_file(piped.path() / log_text::log_file);
    app.keep_log(qt_log_sink());
    app.start();
    app.tick();
    EXPECT_EQ(said(app, log_text::not_a_file((piped.path() / log_text::log_file).string())), 1);
}
