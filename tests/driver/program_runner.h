// Runs the built program in a scratch folder, for tests of the command line.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace dorvane::testing {

namespace fs = std::filesystem;

inline std::string slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void spit(const fs::path& p, const std::string& text) {
    std::ofstream f(p, std::ios::binary);
    f << text;
}

inline std::string replace_all(std::string s, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size())
        s.replace(at, from.size(), to);
    return s;
}

// Every file below dir, as paths relative to it.
inline std::set<std::string> files_below(const fs::path& dir) {
    std::set<std::string> names;
    if (fs::exists(dir))
        for (const auto& e : fs::recursive_directory_iterator(dir))
            if (!e.is_directory()) names.insert(fs::relative(e.path(), dir).string());
    return names;
}

// A folder of its own, removed with the object.
struct Scratch {
    fs::path dir;
    Scratch() {
        char name[] = "/tmp/dorvane-cli-XXXXXX";
        dir = mkdtemp(name);
    }
    ~Scratch() { fs::remove_all(dir); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
};

struct Outcome {
    int status = -1;
    std::string out;  // standard output
    std::string err;  // standard error, the scratch folder written as @DIR@
};

inline std::string quoted(const std::string& arg) {
    return "'" + replace_all(arg, "'", "'\\''") + "'";
}

// Runs the program in dir with the arguments, standard input from the text.
inline Outcome run_program(const fs::path& dir, const std::vector<std::string>& args,
                           const std::string& input_text = "") {
    Scratch io;
    spit(io.dir / "stdin", input_text);
    std::string command = "cd " + quoted(dir.string()) + " && '" DORVANE_BIN "'";
    for (const std::string& a : args) command += " " + quoted(a);
    command += " < " + quoted((io.dir / "stdin").string()) + " > " +
               quoted((io.dir / "out").string()) + " 2> " + quoted((io.dir / "err").string());
    const int raw = std::system(command.c_str());
    Outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    o.out = slurp(io.dir / "out");
    o.err = replace_all(slurp(io.dir / "err"), dir.string(), "@DIR@");
    return o;
}

}  // namespace dorvane::testing
