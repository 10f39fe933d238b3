#include "records/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "records/run_error.h"

namespace dorvane {

namespace fs = std::filesystem;

std::string absolute_name(const std::string& name) {
    if (name.empty()) return "";
    std::error_code ec;
    fs::path base = fs::current_path(ec);
    fs::path p = fs::path(name).is_absolute() ? fs::path(name) : base / name;
    return p.lexically_normal().string();
}

namespace {

bool invalid_name(const std::string& name) {
    return name.empty() || name.find('\0') != std::string::npos;
}

}  // namespace

std::FILE* open_input_file(const std::string& name) {
    const std::string path = absolute_name(name);
    if (invalid_name(name)) throw RunError{43, 5, path};
    int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        switch (errno) {
            case ENOENT: case ENOTDIR: throw RunError{29, 5, path};
            case EMFILE: case ENFILE: throw RunError{30, 5, path};
            case ENAMETOOLONG: throw RunError{43, 5, path};
            default: throw RunError{9, 5, path};
        }
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw RunError{9, 5, path};
    }
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        ::close(fd);
        throw RunError{30, 5, path};
    }
    return f;
}

std::FILE* create_report_file(const std::string& name) { return create_new_file(name, 6); }

std::FILE* create_new_file(const std::string& name, int unit) {
    const std::string path = absolute_name(name);
    if (invalid_name(name)) throw RunError{43, unit, path};
    // O_EXCL: an existing file, folder or (dangling) link is never opened.
    int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        switch (errno) {
            case EEXIST: case EISDIR: throw RunError{10, unit, path};
            case ENOENT: case ENOTDIR: throw RunError{29, unit, path};
            case EMFILE: case ENFILE: throw RunError{30, unit, path};
            case ENAMETOOLONG: throw RunError{43, unit, path};
            default: throw RunError{9, unit, path};
        }
    }
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        ::close(fd);
        throw RunError{30, unit, path};
    }
    return f;
}

}  // namespace dorvane
