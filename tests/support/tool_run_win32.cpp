// Starts the tool with CreateProcessW, its standard output a pipe whose reader is closed.
#include "support/tool_run.h"

#include <windows.h>

#include <stdexcept>

#include "app/wide_text.h"

namespace quill::test {

// Windows ends no program for a broken pipe: the write fails.
int run_tool_with_output_closed(const std::vector<std::string>& parameters) {
    const std::string program = QUILL_BINARY_DIR "/quillstrom-cli.exe";
    std::wstring command = L"\"" + to_wide(program) + L"\"";
    for (const std::string& parameter : parameters) command += L" \"" + to_wide(parameter) + L"\"";

    SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
    HANDLE read_end = nullptr;
    HANDLE write_end = nullptr;
    if (!::CreatePipe(&read_end, &write_end, &inherited, 0)) throw std::runtime_error("no pipe");
    ::CloseHandle(read_end); // the reader has gone before the tool writes a line
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write_end;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0,
                                          nullptr, nullptr, &startup, &process);
    ::CloseHandle(write_end);
    if (!started) throw std::runtime_error("cannot start " + program);
    DWORD status = 255;
    if (::WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, status);
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

} // namespace quill::test
