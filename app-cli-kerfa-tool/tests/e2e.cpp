#include "e2e.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

extern char** environ;

namespace e2e {
namespace {

std::map<std::string, std::string> current_environment() {
    std::map<std::string, std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        std::string_view text(*entry);
        std::size_t equals = text.find('=');
        if (equals != std::string_view::npos) {
            variables.emplace(std::string(text.substr(0, equals)),
                              std::string(text.substr(equals + 1)));
        }
    }
    return variables;
}

std::vector<char*> c_strings(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    pointers.reserve(texts.size() + 1);
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

void close_pipe(std::array<int, 2>& ends) {
    for (int& fd : ends) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
}

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void exec_child(const char* program, char** argv, char** envp, const char* cwd,
                             int out_fd, int err_fd) {
    int null_fd = ::open("/dev/null", O_RDONLY);
    if (null_fd < 0 || ::dup2(null_fd, STDIN_FILENO) < 0 || ::dup2(out_fd, STDOUT_FILENO) < 0 ||
        ::dup2(err_fd, STDERR_FILENO) < 0) {
        ::_exit(127);
    }
    if (cwd != nullptr && ::chdir(cwd) != 0) {
        ::_exit(127);
    }
    ::signal(SIGPIPE, SIG_DFL);
    ::execvpe(program, argv, envp);
    ::_exit(127);
}

// Reads both pipes until they close or the deadline passes; false on timeout.
bool drain(int out_fd, int err_fd, Run& run, int timeout_seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_seconds);
    std::array<pollfd, 2> fds{pollfd{out_fd, POLLIN, 0}, pollfd{err_fd, POLLIN, 0}};
    std::array<std::string*, 2> sinks{&run.out, &run.err};
    std::array<char, 65536> buffer{};
    int open_count = (out_fd >= 0 ? 1 : 0) + (err_fd >= 0 ? 1 : 0);
    while (open_count > 0) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        int ready = ::poll(fds.data(), fds.size(), static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return false;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            ssize_t got = ::read(fds[i].fd, buffer.data(), buffer.size());
            if (got > 0) {
                sinks[i]->append(buffer.data(), static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open_count;
            }
        }
    }
    return true;
}

}  // namespace

Run run_program(const std::string& program, const std::vector<std::string>& arguments,
                const Options& options) {
    std::vector<std::string> argv_texts{program};
    argv_texts.insert(argv_texts.end(), arguments.begin(), arguments.end());
    std::map<std::string, std::string> variables = current_environment();
    for (const auto& [name, value] : options.env) {
        if (value) {
            variables[name] = *value;
        } else {
            variables.erase(name);
        }
    }
    std::vector<std::string> env_texts;
    for (const auto& [name, value] : variables) {
        env_texts.push_back(name + "=" + value);
    }
    std::vector<char*> argv = c_strings(argv_texts);
    std::vector<char*> envp = c_strings(env_texts);
    std::string cwd = options.cwd.string();

    Run run;
    std::array<int, 2> out_pipe{-1, -1};
    std::array<int, 2> err_pipe{-1, -1};
    int out_file = -1;
    if (options.stdout_path) {
        out_file = ::open(options.stdout_path->c_str(), O_WRONLY | O_CLOEXEC);
    } else if (::pipe2(out_pipe.data(), O_CLOEXEC) != 0) {
        return run;
    }
    if (::pipe2(err_pipe.data(), O_CLOEXEC) != 0 || (options.stdout_path && out_file < 0)) {
        close_pipe(out_pipe);
        close_pipe(err_pipe);
        if (out_file >= 0) {
            ::close(out_file);
        }
        return run;
    }
    int child_out = options.stdout_path ? out_file : out_pipe[1];
    pid_t pid = ::fork();
    if (pid == 0) {
        exec_child(argv[0], argv.data(), envp.data(), cwd.empty() ? nullptr : cwd.c_str(),
                   child_out, err_pipe[1]);
    }
    if (out_file >= 0) {
        ::close(out_file);
    }
    ::close(err_pipe[1]);
    err_pipe[1] = -1;
    if (out_pipe[1] >= 0) {
        ::close(out_pipe[1]);
        out_pipe[1] = -1;
    }
    if (pid < 0) {
        close_pipe(out_pipe);
        close_pipe(err_pipe);
        return run;
    }
    bool finished = drain(out_pipe[0], err_pipe[0], run, options.timeout_seconds);
    if (!finished) {
        ::kill(pid, SIGKILL);
    }
    close_pipe(out_pipe);
    close_pipe(err_pipe);
    int wait_status = 0;
    while (::waitpid(pid, &wait_status, 0) < 0 && errno == EINTR) {
    }
    if (!finished) {
        run.status = -1;
    } else if (WIFEXITED(wait_status)) {
        run.status = WEXITSTATUS(wait_status);
    } else if (WIFSIGNALED(wait_status)) {
        run.status = 128 + WTERMSIG(wait_status);
    }
    return run;
}

const std::string& tool_path() {
    static const std::string path = KERFA_TOOL_BINARY;
    return path;
}

Run run_tool(const std::vector<std::string>& arguments, const Options& options) {
    Options cleaned = options;
    cleaned.env.insert(
        cleaned.env.begin(),
        {{"CLICOLOR_FORCE", std::nullopt}, {"NO_COLOR", std::nullopt}, {"CLICOLOR", std::nullopt}});
    return run_program(tool_path(), arguments, cleaned);
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kerfa-e2e-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::write(const std::string& name, std::string_view bytes) const {
    std::filesystem::path file = path_ / name;
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    stream.close();
    if (!stream) {
        throw std::runtime_error("cannot write " + file.string());
    }
    return file;
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

std::vector<std::string> entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

}  // namespace e2e
