// The program's parameters on Windows, split from the one command line the system hands over.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The parameters of a command line as Windows hands it to a program whole
// (GetCommandLineW, here in UTF-8), without the program's own name, which
// ends at the first blank or, when it begins with a double quote, at the
// next one. The usual rules of Windows programs: blanks part parameters
// outside double quotes; 2n backslashes before a double quote stand for n
// backslashes, and the quote opens or closes; 2n+1 backslashes before it
// stand for n backslashes and a quote; other backslashes stand for
// themselves; inside quotes, two double quotes stand for one.
//
// One exception, for a folder that a shell completed with a backslash
// ("C:\Cycles\2606\"): inside quotes, a backslash and a double quote followed
// by a blank or the end stand for a backslash and the closing quote. No
// Windows path holds a double quote, so the rule takes nothing away.
std::vector<std::string> split_command_line(std::string_view line);

} // namespace quill
