// Scratch folders, environment variables and the current folder for tests
// that touch real files; each is restored when its object goes.
#pragma once

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace test_files {

namespace fs = std::filesystem;

// A new folder under the temporary folder, removed with its contents.
class ScratchDir {
public:
    ScratchDir() {
        for (int n = 0; !fs::create_directory(m_path = fs::temp_directory_path() /
                                                       ("uiutil-test-" + std::to_string(n)));)
            ++n;
    }
    ~ScratchDir() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // Paths as generic text (forward slashes).
    std::string path() const { return m_path.generic_string(); }
    std::string operator/(const std::string& name) const { return path() + "/" + name; }
    // Creates a file (with its folders) or a folder; answers its path.
    std::string file(const std::string& name, const std::string& content = "x") const {
        fs::create_directories((m_path / name).parent_path());
        std::ofstream(m_path / name, std::ios::binary) << content;
        return *this / name;
    }
    std::string dir(const std::string& name) const {
        fs::create_directories(m_path / name);
        return *this / name;
    }

#if !defined(_WIN32)
    // Files that are no regular files, each answering its path: a named pipe
    // (no writer ever comes), a symbolic link (to /dev/zero, to nothing, ...),
    // a socket, and a sparse file of `bytes` bytes that takes no disk space.
    std::string fifo(const std::string& name) const {
        fs::create_directories((m_path / name).parent_path());
        ::mkfifo((m_path / name).c_str(), 0600);
        return *this / name;
    }
    std::string link(const std::string& name, const std::string& target) const {
        fs::create_directories((m_path / name).parent_path());
        fs::create_symlink(target, m_path / name);
        return *this / name;
    }
    std::string socket(const std::string& name) const {
        fs::create_directories((m_path / name).parent_path());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = *this / name;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        (void)::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        ::close(fd); // the socket file stays, with nobody listening
        return path;
    }
    std::string sparse(const std::string& name, long long bytes) const {
        const std::string path = file(name, "");
        const int fd = ::open(path.c_str(), O_WRONLY);
        if (fd >= 0) {
            if (::ftruncate(fd, static_cast<off_t>(bytes)) != 0)
                std::perror("ftruncate");
            ::close(fd);
        }
        return path;
    }
#endif

private:
    fs::path m_path;
};

// How long a call that must answer at once may take before it counts as
// blocked. A call that blocks on a pipe or a device blocks for ever, so the
// margin costs nothing when all is well; it is wide because under Wine, on a
// busy two-core machine, a device open that waits on Wine's shared services
// has once been seen to take over 5 s.
inline constexpr std::chrono::milliseconds kBlockedAfter{30000};

#if defined(_WIN32)
// A call run with a deadline in a thread of its own, and what it answered.
struct DeadlineJob {
    std::function<std::string()> call;
    std::string text;
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ~DeadlineJob() { CloseHandle(done); }
};

inline DWORD WINAPI run_deadline_job(LPVOID state) {
    auto* job = static_cast<DeadlineJob*>(state);
    job->text = job->call();
    SetEvent(job->done);
    return 0;
}
#endif

// Runs `call` and answers the text it returns, or nothing when it has not
// returned within `deadline`: a call that blocks (on a pipe, a device) or
// reads without end fails the test instead of hanging it. Elsewhere than on
// Windows the call runs in a child process, killed at the deadline, so it
// leaves nothing behind (and what it changes stays in the child); on Windows
// in a thread, abandoned at the deadline. The call must not use the test
// framework's assertions: its answer is checked by the caller.
inline std::optional<std::string> within(std::chrono::milliseconds deadline,
                                         const std::function<std::string()>& call) {
#if defined(_WIN32)
    // Win32 threads and an event, not std::thread and std::future: under Wine
    // about one call in a hundred, on a busy machine, never answered through
    // the MinGW thread library's detached thread and future.
    auto* shared = new DeadlineJob{call, {}};
    const HANDLE thread = CreateThread(nullptr, 0, run_deadline_job, shared, 0, nullptr);
    if (!thread) {
        delete shared;
        return std::string("(no thread)");
    }
    CloseHandle(thread);
    const DWORD wait = WaitForSingleObject(shared->done, static_cast<DWORD>(deadline.count()));
    if (wait != WAIT_OBJECT_0)
        return std::nullopt; // the thread is abandoned, and so is its state
    std::string text = std::move(shared->text);
    delete shared;
    return text;
#else
    int channel[2];
    if (::pipe(channel) != 0)
        return std::string("(no pipe)");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const std::string text = call() + '\n'; // the line break marks a whole answer
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t n = ::write(channel[1], text.data() + done, text.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string text;
    const auto end = std::chrono::steady_clock::now() + deadline;
    bool finished = child < 0;
    while (!finished) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd wait_for{channel[0], POLLIN, 0};
        const int ready = ::poll(&wait_for, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        char chunk[512];
        const ssize_t n = ::read(channel[0], chunk, sizeof chunk);
        if (n <= 0)
            finished = true;
        else
            text.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(channel[0]);
    if (child > 0) {
        if (!finished)
            ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
    }
    if (!finished || text.empty() || text.back() != '\n')
        return std::nullopt;
    text.pop_back();
    return text;
#endif
}

#if defined(_WIN32)
// A named pipe \\.\pipe\uiutil-NAME-PID that nobody connects to, for
// checking that opening a path never waits on one; closed when it goes.
// `access` is PIPE_ACCESS_INBOUND or PIPE_ACCESS_OUTBOUND.
class NamedPipe {
public:
    NamedPipe(const std::string& name, DWORD access)
        : m_name(L"\\\\.\\pipe\\uiutil-" + std::wstring(name.begin(), name.end()) + L"-" +
                 std::to_wstring(GetCurrentProcessId())),
          m_pipe(CreateNamedPipeW(m_name.c_str(), access, PIPE_TYPE_BYTE, PIPE_UNLIMITED_INSTANCES,
                                  0, 0, 0, nullptr)) {}
    ~NamedPipe() {
        if (made())
            CloseHandle(m_pipe);
    }
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;

    bool made() const { return m_pipe != INVALID_HANDLE_VALUE; }
    const std::wstring& wide_path() const { return m_name; }
    std::string path() const { return std::string(m_name.begin(), m_name.end()); }

private:
    std::wstring m_name;
    HANDLE m_pipe;
};
#endif

// Sets (null: removes) an environment variable.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        set(name, value);
    }
    ~ScopedEnv() { set(m_name.c_str(), m_old ? m_old->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    static void set(const char* name, const char* value) {
#if defined(_WIN32)
        _putenv_s(name, value ? value : ""); // "" removes it
#else
        value ? setenv(name, value, 1) : unsetenv(name);
#endif
    }
    std::string m_name;
    std::optional<std::string> m_old;
};

// Makes `dir` the current folder.
class ScopedCwd {
public:
    explicit ScopedCwd(const std::string& dir) : m_old(fs::current_path()) {
        fs::current_path(dir);
    }
    ~ScopedCwd() { fs::current_path(m_old); }
    ScopedCwd(const ScopedCwd&) = delete;
    ScopedCwd& operator=(const ScopedCwd&) = delete;

private:
    fs::path m_old;
};

} // namespace test_files
