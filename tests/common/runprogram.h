#pragma once

// Runs a program of the build as a script would and collects what it says.
#include <array>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tervox::test {

struct ProgramResult {
    int status = -1; // exit status, -1 when killed by a signal
    std::string out, err;
};

inline std::string DrainPipe(int fd) {
    std::string s;
    std::array<char, 4096> buf{};
    ssize_t n;
    while ((n = ::read(fd, buf.data(), buf.size())) > 0)
        s.append(buf.data(), static_cast<std::size_t>(n));
    ::close(fd);
    return s;
}

// Runs `exe` with the arguments, extra environment entries (NAME=VALUE) and no
// display. Standard error is read after standard output: the outputs of the tests
// stay far below a pipe's buffer.
inline ProgramResult RunProgram(const char* exe, const std::vector<std::string>& args,
                                const std::vector<std::string>& env = {}) {
    int out[2], err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        ::close(out[0]);
        ::close(err[0]);
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        for (const std::string& e : env)
            ::putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> argv{const_cast<char*>(exe)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(exe, argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    ProgramResult r;
    r.out = DrainPipe(out[0]);
    r.err = DrainPipe(err[0]);
    int wstatus = 0;
    ::waitpid(pid, &wstatus, 0);
    r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    return r;
}

} // namespace tervox::test
