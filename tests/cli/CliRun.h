// One run of quindor-cli inside the test process.
#pragma once

#include "Cli.h"

#include <sstream>
#include <string>
#include <vector>

struct CRun {
    int status;
    std::string out;
    std::string err;
};

inline CRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

// The value of a KEY<TAB>VALUE line; empty when there is none.
inline std::string Line(const std::string& out, const std::string& key) {
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(key + "\t", 0) == 0)
            return line.substr(key.size() + 1);
    }
    return {};
}
