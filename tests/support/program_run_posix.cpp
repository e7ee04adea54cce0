// Starting a program with its standard error in a pipe, and waiting on the pipe and on the
// process itself (a pidfd) until both have ended or the time is up.
#include "support/program_run.h"

#include "support/spawn_arguments.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quill::test {

namespace {

struct ErrorTo {
    explicit ErrorTo(int descriptor) {
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, descriptor, STDERR_FILENO);
    }
    ~ErrorTo() { posix_spawn_file_actions_destroy(&actions); }
    posix_spawn_file_actions_t actions;
};

unsigned long status_of(int status) {
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

} // namespace

ProgramRun run_program(const std::string& program, const std::vector<std::string>& parameters,
                       unsigned timeout_ms) {
    const SpawnArguments arguments(program, parameters);
    int pipe_ends[2];
    if (::pipe2(pipe_ends, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
    const ErrorTo error(pipe_ends[1]);
    pid_t child = 0;
    const int failed =
        posix_spawn(&child, program.c_str(), &error.actions, nullptr, arguments.argv(), environ);
    ::close(pipe_ends[1]);
    if (failed != 0) {
        ::close(pipe_ends[0]);
        throw std::runtime_error("cannot start " + program);
    }

    const int process = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
    if (process < 0) throw std::runtime_error("cannot watch " + program);
    ProgramRun run{0, {}, false};
    pollfd watched[2] = {{pipe_ends[0], POLLIN, 0}, {process, POLLIN, 0}};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    bool ended = false;
    while (watched[0].fd >= 0 || !ended) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || ::poll(watched, 2, static_cast<int>(left.count())) <= 0) break;
        if (watched[0].revents != 0) {
            char buffer[4096];
            const ssize_t got = ::read(watched[0].fd, buffer, sizeof(buffer));
            if (got > 0) run.error_output.append(buffer, static_cast<std::size_t>(got));
            if (got <= 0) {
                ::close(watched[0].fd);
                watched[0].fd = -1;
            }
        }
        if (watched[1].revents != 0) {
            ended = true;
            watched[1].fd = -1;
        }
    }
    run.finished = ended && watched[0].fd < 0;
    if (!ended) ::kill(child, SIGKILL);
    if (watched[0].fd >= 0) ::close(watched[0].fd);
    ::close(process);
    int status = 0;
    ::waitpid(child, &status, 0);
    run.status = status_of(status);
    return run;
}

} // namespace quill::test
