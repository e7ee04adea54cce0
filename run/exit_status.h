#pragma once

// The status both front ends end with, so a calling program reads an
// unattended window run and a headless run alike.
namespace quill {

enum ExitStatus : int {
    kSuccess = 0,        // every selected product database updated
    kFailed = 1,         // the run stopped on an error; nothing was published
    kSomeNotUpdated = 2, // published, but some product database kept its old data
    kUsage = 64,         // the command line could not be understood
};

} // namespace quill
