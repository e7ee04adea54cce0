// Text in a user's console and in a pipe on Windows: the letters as written, whatever the
// console's code page, which the tool leaves as it was.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/standard_text.h"
#include "app/wide_text.h"
#include "support/temp_dir.h"
#include "window_driver.h"

namespace quill::test {
namespace {

// A code page of a user's console in which UTF-8 bytes would show as other
// letters ("Ã«" for "ë").
constexpr UINT kUsersCodePage = 850;

// A console of the test's own, as a user's command window: standard output
// goes to it while the test runs, programs started in it write to it, and
// the test reads what it shows. Wine makes a console only on a display.
class ConsoleTest : public testing::Test {
protected:
    void SetUp() override {
        ::FreeConsole();
        if (!::AllocConsole()) GTEST_SKIP() << "no console to be had: " << ::GetLastError();
        if (const HWND window = ::GetConsoleWindow()) ::ShowWindow(window, SW_HIDE);
        screen_ =
            ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD mode = 0;
        if (!::GetConsoleMode(screen_, &mode))
            GTEST_SKIP() << "no console: Wine makes one only on a display";
        ::SetConsoleOutputCP(kUsersCodePage);
        ::SetStdHandle(STD_OUTPUT_HANDLE, screen_);
    }

    void TearDown() override {
        ::CloseHandle(screen_);
        ::FreeConsole();
        for (const auto& [which, handle] : saved_) ::SetStdHandle(which, handle);
    }

    // What the console shows in a row, without the blanks that fill it up.
    std::string row(SHORT y) const {
        CONSOLE_SCREEN_BUFFER_INFO screen{};
        ::GetConsoleScreenBufferInfo(screen_, &screen);
        std::wstring text(static_cast<std::size_t>(screen.dwSize.X), L' ');
        DWORD read = 0;
        ::ReadConsoleOutputCharacterW(screen_, text.data(), static_cast<DWORD>(text.size()), {0, y},
                                      &read);
        text.resize(text.find_last_not_of(L' ') + 1);
        return to_utf8(text);
    }

    // Starts the program in the console, as from a command window, and waits for its end.
    static DWORD run_in_console(const std::string& program,
                                const std::vector<std::string>& parameters) {
        std::wstring command = command_line(program, parameters);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process))
            return 255;
        ::WaitForSingleObject(process.hProcess, 60000);
        DWORD status = 255;
        ::GetExitCodeProcess(process.hProcess, &status);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        return status;
    }

    const std::vector<std::pair<DWORD, HANDLE>> saved_{
        {STD_INPUT_HANDLE, ::GetStdHandle(STD_INPUT_HANDLE)},
        {STD_OUTPUT_HANDLE, ::GetStdHandle(STD_OUTPUT_HANDLE)},
        {STD_ERROR_HANDLE, ::GetStdHandle(STD_ERROR_HANDLE)}};
    HANDLE screen_ = INVALID_HANDLE_VALUE;
};

// The console shows the letters written, also one cut by a flush, whatever
// its code page, which stays as the user set it.
TEST_F(ConsoleTest, ShowsTheLettersWrittenAndKeepsItsCodePage) {
    {
        StandardText output(StandardStream::Output);
        std::ostream out(&output);
        out << "Zoë Ærø ✈" << std::endl;
        out << "Zo\xC3" << std::flush;
        out << "\xAB" << std::endl;
    }
    EXPECT_EQ(row(0), "Zoë Ærø ✈");
    EXPECT_EQ(row(1), "Zoë");
    EXPECT_EQ(::GetConsoleOutputCP(), kUsersCodePage);
}

// The tool run from a command window shows a folder with letters beyond
// ASCII as it is named, and leaves the console's code page as it found it.
TEST_F(ConsoleTest, TheToolShowsItsTextAndLeavesTheCodePageAsItWas) {
    const AppDataSandbox profile("Zoë Ærø");
    const DWORD status = run_in_console(tool_program(), {"--list"});
    EXPECT_EQ(status, 0u);
    EXPECT_EQ(row(0).substr(0, 21 + profile.path().size()),
              "Product databases in " + profile.path());
    EXPECT_EQ(::GetConsoleOutputCP(), kUsersCodePage);
}

// Written to a pipe, the tool's text is its very UTF-8 bytes, each line
// ending in CR LF as Windows programs write them.
TEST(PipeTest, TheToolWritesTheVeryBytesOfItsText) {
    const TempDir empty("Zoë Ærø");
    const ProgramRun run = run_program(tool_program(), {empty.path()}, 60000);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, 64u);
    EXPECT_EQ(
        run.error_output,
        "quillstrom-cli: '" + empty.path() +
            "' holds none of apt.dat, earth_nav.dat, earth_fix.dat, earth_awy.dat\r\n"
            "Try 'quillstrom-cli --help' for more information.\r\n");
}

} // namespace
} // namespace quill::test
