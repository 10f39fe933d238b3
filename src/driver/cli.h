// The command-line front end: arguments parsed into a batch request.
#pragma once

namespace dorvane {

// Runs the program as the arguments ask (argc > 1). Exit status: 0 every
// run succeeded (or --help, --version), 1 a run-time error, 2 the arguments
// are wrong (a message on standard error, nothing created).
int run_command_line(int argc, char** argv);

}  // namespace dorvane
