// Start-up watcher: runs the window program several times on the X display
// in DISPLAY and, for each run, measures the time from exec to the moment the
// X server maps the main window (the top-level window of the started process
// whose title is the expected one and that is not a splash window), the CPU
// time the process spent until then, and its resident memory a while later.
// Then it closes the window as the close box would and waits for the exit.
//
// It listens to the root window's structure events, so it learns of the map
// as the server performs it, without polling.
//
//   start_watch [--runs N] [--warmup N] [--title T] [--settle-ms MS] PROGRAM [ARGS...]
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double NowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

void SleepUntil(double deadlineMs)
{
    for (double left = deadlineMs - NowMs(); left > 0; left = deadlineMs - NowMs()) {
        timespec ts{};
        ts.tv_sec = static_cast<time_t>(left / 1e3);
        ts.tv_nsec = static_cast<long>((left - static_cast<double>(ts.tv_sec) * 1e3) * 1e6);
        nanosleep(&ts, nullptr);
    }
}

// On-CPU and run-queue waiting time of every live thread of the process, in
// ms (user and system time together, at nanosecond resolution).
struct CpuTimes {
    double onCpuMs = 0;
    double waitingMs = 0;
};

CpuTimes ProcessCpuTimes(pid_t pid)
{
    CpuTimes times;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    DIR* tasks = opendir(dir.c_str());
    if (tasks == nullptr)
        return times;
    while (const dirent* entry = readdir(tasks)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream in(dir + "/" + entry->d_name + "/schedstat");
        unsigned long long onCpu = 0, waiting = 0;
        if (in >> onCpu >> waiting) {
            times.onCpuMs += static_cast<double>(onCpu) / 1e6;
            times.waitingMs += static_cast<double>(waiting) / 1e6;
        }
    }
    closedir(tasks);
    return times;
}

struct Memory {
    double rssMb = 0, anonMb = 0, fileMb = 0, shmemMb = 0;
    bool valid = false;
};

// Resident memory from /proc/PID/status, in MB of 10^6 bytes.
Memory ProcessMemory(pid_t pid)
{
    Memory memory;
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string key;
        double kib = 0;
        if (!(fields >> key >> kib))
            continue;
        const double mb = kib * 1024.0 / 1e6;
        if (key == "VmRSS:") {
            memory.rssMb = mb;
            memory.valid = true;
        } else if (key == "RssAnon:") {
            memory.anonMb = mb;
        } else if (key == "RssFile:") {
            memory.fileMb = mb;
        } else if (key == "RssShmem:") {
            memory.shmemMb = mb;
        }
    }
    return memory;
}

template <typename T> using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

class Display {
public:
    Display()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection) != 0)
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        m_pidAtom = Atom("_NET_WM_PID");
        m_netNameAtom = Atom("_NET_WM_NAME");
        m_typeAtom = Atom("_NET_WM_WINDOW_TYPE");
        m_splashAtom = Atom("_NET_WM_WINDOW_TYPE_SPLASH");
        m_protocolsAtom = Atom("WM_PROTOCOLS");
        m_deleteAtom = Atom("WM_DELETE_WINDOW");
        xcb_flush(m_connection);
        m_ok = true;
    }
    ~Display() { xcb_disconnect(m_connection); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool Ok() const { return m_ok && xcb_connection_has_error(m_connection) == 0; }

    // The next event, waiting at most until the deadline; null when none came.
    XcbReply<xcb_generic_event_t> NextEvent(double deadlineMs)
    {
        for (;;) {
            if (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
                return {event, &std::free};
            const double left = deadlineMs - NowMs();
            if (left <= 0 || !Ok())
                return {nullptr, &std::free};
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(std::min(left, 50.0)) + 1);
        }
    }

    std::optional<uint32_t> Cardinal(xcb_window_t window, xcb_atom_t property)
    {
        auto reply = Property(window, property, XCB_ATOM_CARDINAL);
        if (!reply || xcb_get_property_value_length(reply.get()) < 4)
            return std::nullopt;
        return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    }

    // The window's title, preferring the UTF-8 one.
    std::string Title(xcb_window_t window)
    {
        for (xcb_atom_t property : {m_netNameAtom, static_cast<xcb_atom_t>(XCB_ATOM_WM_NAME)}) {
            auto reply = Property(window, property, XCB_ATOM_ANY);
            if (reply && xcb_get_property_value_length(reply.get()) > 0)
                return {static_cast<const char*>(xcb_get_property_value(reply.get())),
                        static_cast<size_t>(xcb_get_property_value_length(reply.get()))};
        }
        return {};
    }

    bool IsSplash(xcb_window_t window)
    {
        auto reply = Property(window, m_typeAtom, XCB_ATOM_ATOM);
        if (!reply)
            return false;
        const auto* types = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        const int count = xcb_get_property_value_length(reply.get()) / static_cast<int>(sizeof(xcb_atom_t));
        return std::find(types, types + count, m_splashAtom) != types + count;
    }

    // What the close box asks of a window.
    void RequestClose(xcb_window_t window)
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = m_protocolsAtom;
        message.data.data32[0] = m_deleteAtom;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
        xcb_flush(m_connection);
    }

private:
    xcb_atom_t Atom(const char* name)
    {
        auto reply = XcbReply<xcb_intern_atom_reply_t>(
            xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, std::strlen(name), name), nullptr),
            &std::free);
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    XcbReply<xcb_get_property_reply_t> Property(xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
    {
        return {xcb_get_property_reply(m_connection,
                                       xcb_get_property(m_connection, 0, window, property, type, 0, 1024), nullptr),
                &std::free};
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = 0, m_netNameAtom = 0, m_typeAtom = 0, m_splashAtom = 0, m_protocolsAtom = 0,
               m_deleteAtom = 0;
    bool m_ok = false;

public:
    xcb_atom_t PidAtom() const { return m_pidAtom; }
};

struct Options {
    int runs = 9;
    int warmup = 1;
    std::string title = "Zentaro";
    int settleMs = 2000;
    int timeoutMs = 20000;
    std::vector<char*> command;
};

struct Run {
    bool mapped = false;
    double splashMs = -1;
    double mapMs = 0;
    CpuTimes cpu;
    Memory memory;
    bool closed = false;
    // A program that closes must also end well (no crash on the way out).
    bool endedWell = false;
};

pid_t Launch(const std::vector<char*>& command)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execv(command[0], command.data());
        std::fprintf(stderr, "start_watch: cannot run %s: %s\n", command[0], std::strerror(errno));
        _exit(127);
    }
    return pid;
}

// Waits for the child to end, at most until the deadline; its wait status
// goes to *status.
bool Reap(pid_t pid, double deadlineMs, int* status = nullptr)
{
    for (;;) {
        int local = 0;
        const pid_t done = waitpid(pid, status != nullptr ? status : &local, WNOHANG);
        if (done == pid || (done < 0 && errno == ECHILD))
            return true;
        if (NowMs() >= deadlineMs)
            return false;
        usleep(2000);
    }
}

Run MeasureOnce(Display& display, const Options& options)
{
    Run run;
    const double start = NowMs();
    const pid_t pid = Launch(options.command);
    if (pid < 0) {
        std::perror("start_watch: fork");
        return run;
    }
    xcb_window_t mainWindow = 0;
    const double deadline = start + options.timeoutMs;
    bool ended = false;
    while (!run.mapped) {
        auto event = display.NextEvent(std::min(deadline, NowMs() + 50));
        if (!event) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr, "start_watch: the program ended before its window was mapped\n");
                ended = true;
                break;
            }
            if (NowMs() < deadline)
                continue;
            std::fprintf(stderr, "start_watch: no main window within %d ms\n", options.timeoutMs);
            break;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        const double at = NowMs();
        const CpuTimes cpu = ProcessCpuTimes(pid);
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        if (display.Cardinal(map->window, display.PidAtom()) != static_cast<uint32_t>(pid))
            continue;
        if (display.IsSplash(map->window)) {
            if (run.splashMs < 0)
                run.splashMs = at - start;
            continue;
        }
        if (display.Title(map->window) != options.title)
            continue;
        run.mapped = true;
        run.mapMs = at - start;
        run.cpu = cpu;
        mainWindow = map->window;
    }
    if (run.mapped) {
        SleepUntil(start + run.mapMs + options.settleMs);
        run.memory = ProcessMemory(pid);
        display.RequestClose(mainWindow);
        int status = 0;
        run.closed = Reap(pid, NowMs() + 5000, &status);
        run.endedWell = run.closed && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    if (!run.closed && !ended) {
        kill(pid, SIGKILL);
        Reap(pid, NowMs() + 5000);
    }
    return run;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; i += 2) {
        if (i + 1 >= argc)
            return false;
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--runs")
            options.runs = std::atoi(value);
        else if (name == "--warmup")
            options.warmup = std::atoi(value);
        else if (name == "--title")
            options.title = value;
        else if (name == "--settle-ms")
            options.settleMs = std::atoi(value);
        else
            return false;
    }
    if (i >= argc || options.runs < 1 || options.warmup < 0 || options.settleMs < 0)
        return false;
    options.command.assign(argv + i, argv + argc);
    options.command.push_back(nullptr);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: start_watch [--runs N] [--warmup N] [--title T] [--settle-ms MS] PROGRAM [ARGS...]\n");
        return 2;
    }
    Display display;
    if (!display.Ok()) {
        std::fprintf(stderr, "start_watch: cannot open the X display\n");
        return 1;
    }
    std::vector<double> mapMs, cpuMs, waitMs, rssMb;
    int failures = 0;
    for (int i = 0; i < options.warmup + options.runs; ++i) {
        const Run run = MeasureOnce(display, options);
        const bool counted = i >= options.warmup;
        const std::string label = counted ? "run " + std::to_string(i - options.warmup + 1) : "warm-up";
        if (!run.mapped) {
            std::printf("%-8s no main window\n", label.c_str());
            failures += counted ? 1 : 0;
            continue;
        }
        char splash[32] = "  none";
        if (run.splashMs >= 0)
            std::snprintf(splash, sizeof splash, "%6.1f ms", run.splashMs);
        std::printf("%-8s map %7.1f ms  (splash %s)  cpu %6.1f ms  run-queue wait %6.1f ms  "
                    "rss %5.1f MB (anon %4.1f, file %4.1f, shmem %4.1f)%s\n",
                    label.c_str(), run.mapMs, splash, run.cpu.onCpuMs, run.cpu.waitingMs, run.memory.rssMb,
                    run.memory.anonMb, run.memory.fileMb, run.memory.shmemMb,
                    !run.closed ? "  [did not close; killed]" : run.endedWell ? "" : "  [ended badly]");
        std::fflush(stdout);
        if (!counted)
            continue;
        mapMs.push_back(run.mapMs);
        cpuMs.push_back(run.cpu.onCpuMs);
        waitMs.push_back(run.cpu.waitingMs);
        rssMb.push_back(run.memory.rssMb);
        failures += run.endedWell && run.memory.valid ? 0 : 1;
    }
    if (!mapMs.empty())
        std::printf("median of %zu: map %.1f ms  cpu %.1f ms  run-queue wait %.1f ms  rss %.1f MB\n", mapMs.size(),
                    Median(mapMs), Median(cpuMs), Median(waitMs), Median(rssMb));
    return failures == 0 ? 0 : 1;
}
