// Starts the tool with posix_spawn, SIGPIPE at its default and standard output a dead pipe.
#include "support/tool_run.h"

#include "support/spawn_arguments.h"

#include <csignal>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quill::test {

namespace {

// Ignoring SIGPIPE is inherited through exec; the tool must not owe its
// survival to the test's own setting.
struct DefaultBrokenPipe {
    DefaultBrokenPipe() {
        posix_spawnattr_init(&attributes);
        sigset_t signals;
        sigemptyset(&signals);
        sigaddset(&signals, SIGPIPE);
        posix_spawnattr_setsigdefault(&attributes, &signals);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    }
    ~DefaultBrokenPipe() { posix_spawnattr_destroy(&attributes); }
    posix_spawnattr_t attributes;
};

struct OutputTo {
    explicit OutputTo(int descriptor) {
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, descriptor, STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, descriptor);
    }
    ~OutputTo() { posix_spawn_file_actions_destroy(&actions); }
    posix_spawn_file_actions_t actions;
};

} // namespace

int run_tool_with_output_closed(const std::vector<std::string>& parameters) {
    const std::string program = QUILL_BINARY_DIR "/quillstrom-cli";
    const SpawnArguments arguments(program, parameters);

    int pipe_ends[2];
    if (::pipe(pipe_ends) != 0) throw std::runtime_error("no pipe");
    ::close(pipe_ends[0]); // the reader has gone before the tool writes a line
    const DefaultBrokenPipe start;
    const OutputTo output(pipe_ends[1]);
    pid_t child = 0;
    const int failed = posix_spawn(&child, program.c_str(), &output.actions, &start.attributes,
                                   arguments.argv(), environ);
    ::close(pipe_ends[1]);
    if (failed != 0) throw std::runtime_error("cannot start " + program);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

} // namespace quill::test
