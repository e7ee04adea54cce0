// Starting a program by its quoted command line with its standard error in a pipe, and waiting
// for the process within the time allowed.
#include "support/program_run.h"

#include <windows.h>

#include "app/wide_text.h"

namespace quill::test {

namespace {

std::wstring quoted(const std::string& parameter) { return L"\"" + to_wide(parameter) + L"\""; }

} // namespace

std::wstring command_line(const std::string& program, const std::vector<std::string>& parameters) {
    std::wstring command = quoted(program);
    for (const std::string& parameter : parameters) command += L" " + quoted(parameter);
    return command;
}

ProgramRun run_program(const std::string& program, const std::vector<std::string>& parameters,
                       unsigned timeout_ms) {
    std::wstring command = command_line(program, parameters);
    SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
    HANDLE read_end = nullptr;
    HANDLE write_end = nullptr;
    ::CreatePipe(&read_end, &write_end, &inherited, 0);
    ::SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = write_end;
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0,
                                          nullptr, nullptr, &startup, &process);
    ::CloseHandle(write_end);
    ProgramRun run{0, {}, false};
    if (!started) {
        ::CloseHandle(read_end);
        return run;
    }
    run.finished = ::WaitForSingleObject(process.hProcess, timeout_ms) == WAIT_OBJECT_0;
    if (!run.finished) ::TerminateProcess(process.hProcess, 255);
    DWORD status = 0;
    ::GetExitCodeProcess(process.hProcess, &status);
    run.status = status;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(read_end, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        run.error_output.append(buffer, got);
    ::CloseHandle(read_end);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return run;
}

} // namespace quill::test
