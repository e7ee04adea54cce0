// Where the product databases are looked for on Windows when APPDATA is not set.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/environment.h"
#include "app/platform.h"
#include "support/scoped_variable.h"

namespace quill::test {
namespace {

// Without APPDATA, or with it empty, Windows' own roaming application-data
// folder stands in: the known folder, which is where Windows itself points
// APPDATA. Neither HOME nor the XDG data home counts on Windows.
TEST(DataFolderTest, WithoutAppDataIsTheRoamingKnownFolder) {
    const std::string windows_own = environment_variable("APPDATA");
    ASSERT_FALSE(windows_own.empty());
    const ScopedVariable home("HOME", "C:\\elsewhere");
    const ScopedVariable xdg("XDG_DATA_HOME", "C:\\xdg");
    for (const std::optional<std::string>& appdata :
         {std::optional<std::string>(), std::optional<std::string>("")}) {
        const ScopedVariable unset("APPDATA", appdata);
        EXPECT_EQ(application_data_folder(), windows_own);
        EXPECT_EQ(describe_application_data_folder(),
                  windows_own + " (the roaming application-data folder)");
    }
}

} // namespace
} // namespace quill::test
