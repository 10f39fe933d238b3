#include "records/run_error.h"

namespace dorvane {

namespace {

const char* text_of(int number) {
    switch (number) {
        case 9: return "permission to access file denied";
        case 10: return "cannot overwrite existing file";
        case 24: return "end-of-file during read";
        case 29: return "file not found";
        case 38: return "error during write";
        case 30: return "open failure";
        case 42: return "no such device";
        case 43: return "file name specification error";
        case 59: return "list-directed I/O syntax error";
        case 64: return "input conversion error";
        case 98: return "more than 40 tests for the strength envelopes";
        default: return "run-time error";
    }
}

}  // namespace

std::string RunError::message() const {
    std::string text = detail.empty() ? text_of(number) : detail;
    return text + ", unit " + std::to_string(unit) + ", file " + path;
}

std::string RunError::line() const {
    return "dorvane: severe (" + std::to_string(number) + "): " + message();
}

}  // namespace dorvane
