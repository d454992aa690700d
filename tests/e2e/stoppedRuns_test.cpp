// Runs stopped while an outside program works for them: by the terminal's Ctrl-C or
// Ctrl-\, a hangup or a plain kill, in the logo, motif tree and conversion stages. A stop
// ends the whole run with its signal, leaves no outside program behind, none of the
// stage's own files, and nothing a stopped program had half written.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <sstream>
#include <thread>

#include "support/support.h"

namespace {

enum class Stage { Logos, Tree, Conversion };
// How the stand-in for the outside program meets a signal: it dies of it, traps it and
// exits 1 (as R does), or ignores it.
enum class StandIn { Dies, TrapsLikeR, Ignores };

// The stand-in notes every process it leaves in `marks`/pids, each signal that reaches
// it in `marks`/got, and that it has begun waiting in `marks`/waiting. `quick` lets some
// calls finish at once; `partial` starts the file it is to make.
std::string standIn(StandIn kind, const fs::path& marks, const std::string& quick,
                    const std::string& partial) {
    std::ostringstream s;
    s << "#!/bin/sh\nmarks='" << marks.string() << "'\n" << quick << "\n";
    switch (kind) {
    case StandIn::Dies:
        s << "for sig in INT QUIT HUP; do trap \"echo $sig >> $marks/got; exit 1\" $sig; done\n";
        break;
    case StandIn::TrapsLikeR:
        s << "for sig in INT QUIT HUP; do\n"
             "  trap \"echo $sig >> $marks/got; echo 'Execution halted' >&2; exit 1\" $sig\n"
             "done\n"
             "trap \"echo 'Execution halted' >&2; exit 1\" TERM\n";
        break;
    case StandIn::Ignores: s << "trap '' INT QUIT TERM HUP\n"; break;
    }
    s << partial << "\n"
      << "sleep 1000 &\n"
      << "echo $! >> \"$marks/pids\"; echo $$ >> \"$marks/pids\"\n"
      << "echo waiting >> \"$marks/waiting\"\n"
      << "wait $!\n";
    return s.str();
}

void writeScript(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
    fs::permissions(path, fs::perms::owner_all);
}

// Two small motifs; the first one's logos are made at once, the second one's hang.
const char* kMotifs =
    ">one\n0.7 0.1 0.1 0.1\n0.1 0.1 0.1 0.7\n0.7 0.1 0.1 0.1\n0 0 1 0\n0 1 0 0\n\n"
    ">two\n0.1 0.1 0.1 0.7\n0 0 1 0\n0.7 0.1 0.1 0.1\n0.1 0.7 0.1 0.1\n0 0 1 0\n\n";
const char* kQuickLogo = "cat > /dev/null; printf 'a logo'; exit 0";

struct StoppedRun {
    Workspace w;
    fs::path marks = w.root / "marks";
    std::size_t waiting = 1;  // stand-ins that wait before the signal is sent
};

// Lays out a run that reaches `stage` and waits there in the stand-in.
Answers layOut(StoppedRun& r, Stage stage, StandIn kind) {
    fs::create_directories(r.marks);
    r.w.write("two.txt", kMotifs);
    Answers a;
    a.threads = "2";
    a.inputFolder = r.w.inputFolder();
    a.files = {{"two.txt", "3"}};
    a.type = "All";
    a.outputFolder = r.w.result().string();
    const fs::path generator = r.w.root / "weblogo-3.4" / "weblogo";
    std::ofstream(r.w.root / "prince.php") << "<?php\n";
    switch (stage) {
    case Stage::Logos:
        a.format = "HTML";
        // Both logos of the first motif are made; the two of the second hang, side by side.
        writeScript(generator,
                    standIn(kind, r.marks,
                            "case $(readlink /proc/$$/fd/1) in *_M1.jpeg|*_M1RevComp.jpeg) " +
                                std::string(kQuickLogo) + ";; esac",
                            "printf 'half a logo'"));
        r.waiting = 2;
        break;
    case Stage::Tree:
        a.tree = "Y";
        writeScript(r.w.root / "bin" / "Rscript",
                    standIn(kind, r.marks, "",
                            "printf 'half a tree' > \"${1%Plot_File.R}Motif_Tree.png\""));
        break;
    case Stage::Conversion:
        a.format = "PDF";
        writeScript(generator, std::string("#!/bin/sh\n") + kQuickLogo + "\n");
        writeScript(r.w.root / "bin" / "php5",
                    standIn(kind, r.marks, "", "printf 'half a PDF' > \"${1%.php}.pdf\""));
        break;
    }
    return a;
}

struct StopCase {
    const char* name;
    Stage stage;
    int signal;
    StandIn standIn;
};

void PrintTo(const StopCase& c, std::ostream* out) { *out << c.name; }

class StoppedRuns : public testing::TestWithParam<StopCase> {};

TEST_P(StoppedRuns, endWithTheSignalAndLeaveNothingRunningOrHalfWritten) {
    const StopCase& c = GetParam();
    StoppedRun r;
    const Answers a = layOut(r, c.stage, c.standIn);
    const pid_t job = startProgramJob(r.w.root, a.text(), (r.w.root / "bin").string());
    ASSERT_GT(job, 0);
    const bool waited = waitForLines(r.marks / "waiting", r.waiting, 60);
    // The terminal signals the whole foreground job; a plain kill reaches the program only.
    kill(c.signal == SIGTERM ? job : -job, c.signal);
    RunResult run;
    const int status = finishJob(job, r.w.root, 60, run);
    ASSERT_TRUE(waited) << run.console << run.errors;

    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status << "\n" << run.errors;
    EXPECT_EQ(WTERMSIG(status), c.signal) << run.errors;
    EXPECT_EQ(run.console.find("Your output files have been saved"), std::string::npos);
    EXPECT_EQ(run.errors.find("Warning:"), std::string::npos) << run.errors;
    // The stand-ins got at most the program's SIGTERM, never the terminal's signal.
    EXPECT_FALSE(fs::exists(r.marks / "got")) << slurp(r.marks / "got");
    std::istringstream pids(slurp(r.marks / "pids"));
    int left = 0;
    for (pid_t pid; pids >> pid;)
        for (int tries = 0; processLives(pid) && tries < 100; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    pids.clear();
    pids.seekg(0);
    for (pid_t pid; pids >> pid;) left += processLives(pid);
    EXPECT_EQ(left, 0) << "outside programs outlived the run";

    std::vector<std::string> made;
    for (const fs::path& p : r.w.outputs()) made.push_back(masked(p.filename().string()));
    const auto has = [&](const std::string& name) {
        return std::find(made.begin(), made.end(), name) != made.end();
    };
    std::ostringstream list;
    for (const std::string& m : made) list << m << "\n";
    EXPECT_TRUE(has("J_<id>_input_motifs.txt")) << list.str();
    switch (c.stage) {
    case Stage::Logos:
        // The finished logos stay; the count files and the half-made logos are gone.
        EXPECT_TRUE(has("J_<id>_M1.jpeg") && has("J_<id>_M1RevComp.jpeg")) << list.str();
        EXPECT_TRUE(r.w.outputs("M2.jpeg").empty() && r.w.outputs("M2RevComp.jpeg").empty())
            << list.str();
        EXPECT_EQ(r.w.outputs(".txt").size(), 1u) << list.str();
        break;
    case Stage::Tree:
        EXPECT_TRUE(has("J_<id>_Distance_Matrix.csv") && has("J_<id>_Plot_File.R")) << list.str();
        EXPECT_TRUE(r.w.outputs(".png").empty()) << list.str();
        break;
    case Stage::Conversion:
        EXPECT_TRUE(has("J_<id>_HTML_Results.html")) << list.str();
        EXPECT_TRUE(r.w.outputs(".php").empty()) << list.str();
        EXPECT_TRUE(r.w.outputs(".pdf").empty()) << list.str();
        break;
    }
}

// Each stage meets every signal, and every kind of stand-in.
INSTANTIATE_TEST_SUITE_P(
    Stages, StoppedRuns,
    testing::Values(StopCase{"logos_ctrl_c", Stage::Logos, SIGINT, StandIn::Dies},
                    StopCase{"logos_quit", Stage::Logos, SIGQUIT, StandIn::TrapsLikeR},
                    StopCase{"logos_kill", Stage::Logos, SIGTERM, StandIn::Ignores},
                    StopCase{"logos_hangup", Stage::Logos, SIGHUP, StandIn::Dies},
                    StopCase{"tree_ctrl_c", Stage::Tree, SIGINT, StandIn::TrapsLikeR},
                    StopCase{"tree_quit", Stage::Tree, SIGQUIT, StandIn::Ignores},
                    StopCase{"tree_kill", Stage::Tree, SIGTERM, StandIn::Dies},
                    StopCase{"tree_hangup", Stage::Tree, SIGHUP, StandIn::TrapsLikeR},
                    StopCase{"conversion_ctrl_c", Stage::Conversion, SIGINT, StandIn::Ignores},
                    StopCase{"conversion_quit", Stage::Conversion, SIGQUIT, StandIn::Dies},
                    StopCase{"conversion_kill", Stage::Conversion, SIGTERM, StandIn::TrapsLikeR},
                    StopCase{"conversion_hangup", Stage::Conversion, SIGHUP, StandIn::Ignores}),
    [](const testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

// Started under nohup, a hangup is not meant for the run: it goes on to the end.
TEST(StoppedRun, aHangupIgnoredWhenTheRunBeganStaysIgnored) {
    StoppedRun r;
    Answers a = layOut(r, Stage::Logos, StandIn::Dies);
    // The second motif's logos take a moment, then come out whole.
    writeScript(r.w.root / "weblogo-3.4" / "weblogo",
                "#!/bin/sh\necho waiting >> '" + (r.marks / "waiting").string() +
                    "'\nsleep 0.5\n" + kQuickLogo + "\n");
    const pid_t job = startProgramJob(r.w.root, a.text(), "", true);
    ASSERT_GT(job, 0);
    const bool waited = waitForLines(r.marks / "waiting", 1, 60);
    kill(-job, SIGHUP);
    RunResult run;
    const int status = finishJob(job, r.w.root, 60, run);
    ASSERT_TRUE(waited);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0) << run.errors;
    EXPECT_EQ(r.w.outputs(".jpeg").size(), 4u);
    EXPECT_NE(run.console.find("Your output files have been saved"), std::string::npos);
}

}  // namespace
