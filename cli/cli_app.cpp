// Sends the command line to its action and turns every failure into a message and an exit status.
#include "cli/cli_app.h"

#include "run/target_databases.h"
#include "run/update_run.h"
#include "app/environment.h"
#include "app/work_folder.h"
#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/console_host.h"
#include "cli/list_command.h"
#include "cli/restore_command.h"
#include "app/error.h"
#include "convert/source_files.h"

#include <ostream>

namespace quill::cli {

namespace {

int update(const Options& options, std::ostream& out, std::ostream& err) {
    ConsoleHost host(options, ConsoleHost::Lines::All, out, err);
    RunOptions run;
    run.work_folder = make_work_folder();
    run.keep_intermediate = options.keep_intermediate;
    const RunOutcome outcome = run_update(host, run);
    if (outcome.failures.empty()) return kSuccess;
    err << outcome.failures.size() << " of " << count_selected(host.targets_selected())
        << " product databases could not be updated" << std::endl;
    return kSomeNotUpdated;
}

} // namespace

int run_cli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const Options options = parse_options(args);
        const ApplicationDataOverride appdata(options.appdata, "--appdata");
        if (options.help) {
            out << usage_text();
            return kSuccess;
        }
        if (options.version) {
            out << "quillstrom-cli " << QUILL_VERSION << "\n";
            return kSuccess;
        }
        if (options.list) {
            list_found(options, make_work_folder(), out);
            return kSuccess;
        }
        if (options.restore) return restore(options, make_work_folder(), out, err);
        if (options.check) return check(options, make_work_folder(), out, err);
        return update(options, out, err);
    } catch (const UsageError& usage) {
        err << "quillstrom-cli: " << usage.what() << "\n"
            << "Try 'quillstrom-cli --help' for more information.\n";
        return kUsage;
    } catch (const Error& error) {
        err << error.display() << std::endl;
        return kFailed;
    } catch (const std::exception& error) {
        err << error.what() << std::endl;
        return kFailed;
    }
}

} // namespace quill::cli
