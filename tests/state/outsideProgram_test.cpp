// The runner of outside programs: outcomes, redirection, batches and the user's Ctrl-C.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>

#include "state/outsideProgram.h"
#include "support/support.h"

namespace {

OutsideCall shell(const std::string& script, const std::string& product = "",
                  const std::string& output = "") {
    OutsideCall c;
    c.arguments = {"/bin/sh", "-c", script};
    c.product = product;
    c.output = output;
    return c;
}

TEST(runOutsideProgram, judgesEveryCallByItsExitAndItsProduct) {
    Workspace w;
    const std::string product = (w.result() / "made.txt").string();
    struct Case {
        const char* what;
        OutsideCall call;
        OutsideOutcome outcome;
        bool productLeft;
    } cases[] = {
        {"made", shell("printf x > '" + product + "'", product), OutsideOutcome::Made, true},
        {"no product asked for", shell("exit 0"), OutsideOutcome::Made, false},
        {"exit 0 but no product", shell("exit 0", product), OutsideOutcome::Failed, false},
        {"product but exit 3", shell("printf x > '" + product + "'; exit 3", product),
         OutsideOutcome::Failed, true},
        {"empty product through standard output", shell("exit 1", product, product),
         OutsideOutcome::Failed, false},
        {"missing program", OutsideCall{{"/no/such/program"}, "", product, product},
         OutsideOutcome::NotStarted, false},
        {"no arguments at all", OutsideCall{}, OutsideOutcome::NotStarted, false},
    };
    for (const Case& c : cases) {
        fs::remove(product);
        EXPECT_EQ(runOutsideProgram(c.call), c.outcome) << c.what;
        EXPECT_EQ(fs::exists(product), c.productLeft) << c.what << ": an empty product is removed";
    }
}

TEST(runOutsideProgram, readsAndWritesTheNamedFilesWithoutAShell) {
    Workspace w;
    const fs::path in = w.root / "it's in.txt", out = w.root / "out $(x).txt";
    std::ofstream(in) << "A C G T\n";
    OutsideCall cat;
    cat.arguments = {"cat"};  // found on the PATH
    cat.input = in.string();
    cat.output = out.string();
    cat.product = out.string();
    EXPECT_EQ(runOutsideProgram(cat), OutsideOutcome::Made);
    EXPECT_EQ(slurp(out), "A C G T\n");
}

TEST(runOutsidePrograms, givesEachCallItsOwnOutcomeAndStopsStartingWhenTheProgramIsMissing) {
    Workspace w;
    std::vector<OutsideCall> calls;
    for (int k = 0; k < 6; ++k) {
        const std::string p = (w.result() / std::string("p").append(std::to_string(k))).string();
        calls.push_back(k == 3 ? shell("exit 1", p) : shell("printf x > '" + p + "'", p));
    }
    EXPECT_EQ(runOutsidePrograms(calls, 4),
              (std::vector<OutsideOutcome>(
                  {OutsideOutcome::Made, OutsideOutcome::Made, OutsideOutcome::Made,
                   OutsideOutcome::Failed, OutsideOutcome::Made, OutsideOutcome::Made})));

    calls[2].arguments = {"/no/such/generator"};
    const auto outcomes = runOutsidePrograms(calls, 1);
    EXPECT_EQ(outcomes[1], OutsideOutcome::Made);
    for (std::size_t k = 2; k < calls.size(); ++k)
        EXPECT_EQ(outcomes[k], OutsideOutcome::NotStarted) << k;
}

TEST(runOutsideProgram, aProgramThatDiesOfASignalOfItsOwnHasFailedAndTheRunGoesOn) {
    // Its own process group keeps the terminal's signals from it: whatever killed it was
    // not the user stopping this run.
    for (const char* signal : {"INT", "QUIT", "TERM", "HUP"})
        EXPECT_EQ(runOutsideProgram(shell(std::string("kill -") + signal + " $$")),
                  OutsideOutcome::Failed)
            << signal;
}

TEST(OutsideStage, aStopWhileNoProgramRunsIsObeyedWhenTheStageGoesOnOrEnds) {
    // The signal comes while the stage writes its scratch file, or after its programs are
    // done: either way the scratch file goes, a finished product stays, and the process
    // ends with the signal.
    for (const bool beforeThePrograms : {true, false}) {
        Workspace w;
        const fs::path scratch = w.root / "count.txt", product = w.root / "logo.txt";
        const pid_t child = fork();
        if (child == 0) {
            {
                OutsideStage stage;
                stage.scratch(scratch.string());
                std::ofstream(scratch) << "PO A C G T \n";
                if (beforeThePrograms) raise(SIGTERM);
                stage.run(shell("printf x > '" + product.string() + "'", product.string()));
                if (!beforeThePrograms) raise(SIGTERM);
            }
            _exit(0);
        }
        ASSERT_GT(child, 0);
        int status = 0;
        waitpid(child, &status, 0);
        SCOPED_TRACE(beforeThePrograms ? "before the programs" : "after them");
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
        EXPECT_FALSE(fs::exists(scratch));
        EXPECT_EQ(fs::exists(product), !beforeThePrograms);
    }
}

TEST(runOutsideProgram, whatTheProgramPrintsGoesToStandardErrorNotTheConsole) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::fclose(stdout);  // the console is closed: nothing may need it
            runOutsideProgram(shell("echo chatter from the converter"));
            std::exit(7);
        },
        testing::ExitedWithCode(7), "chatter from the converter");
}

}  // namespace
