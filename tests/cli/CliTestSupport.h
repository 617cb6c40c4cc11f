// Running the built program as a subprocess, and a strict little JSON
// reader so the tests check what a script would read.
#pragma once

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace clitest {

struct Run {
    int status = -1;
    std::string out;
    std::string err;
};

// Starts zentaro-cli with the arguments under the given LC_ALL, standard
// output on outFd and standard error on errFd; closes both in the parent.
inline pid_t Spawn(const std::vector<std::string>& args, const std::string& locale, int outFd, int errFd)
{
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(outFd, 1);
        dup2(errFd, 2);
        for (int fd = 3; fd < 64; ++fd)
            close(fd);
        setenv("LC_ALL", locale.c_str(), 1);
        std::vector<char*> argv;
        std::string program = ZENTARO_CLI_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copy = args;
        for (std::string& a : copy)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(outFd);
    close(errFd);
    return pid;
}

// The exit status as the shell reports it: 128 + the signal's number for a
// program a signal ended (141 for SIGPIPE).
inline int ExitStatus(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

// Reads the two descriptors until both close, handing each chunk to
// take(stream, text, size), stream 0 for the first.
template <class Take>
void Drain(int first, int second, Take take)
{
    pollfd fds[2] = {{first, POLLIN, 0}, {second, POLLIN, 0}};
    int open = 2;
    static char buffer[65536];
    while (open > 0) {
        if (poll(fds, 2, -1) < 0)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0)
                continue;
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                take(i, buffer, static_cast<std::size_t>(n));
            }
        }
    }
}

// Runs zentaro-cli with the arguments under the given LC_ALL.
inline Run RunProgram(const std::vector<std::string>& args, const std::string& locale = "C")
{
    int outPipe[2];
    int errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0)
        throw std::runtime_error("pipe");
    const pid_t pid = Spawn(args, locale, outPipe[1], errPipe[1]);
    Run run;
    Drain(outPipe[0], errPipe[0], [&](int stream, const char* text, std::size_t size) {
        (stream == 0 ? run.out : run.err).append(text, size);
    });
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = ExitStatus(status);
    return run;
}

// Runs zentaro-cli with standard output on a descriptor the caller opened
// (a file, a pipe nobody reads); run.out stays empty.
inline Run RunWithOutput(const std::vector<std::string>& args, int outFd)
{
    int errPipe[2];
    if (pipe(errPipe) != 0)
        throw std::runtime_error("pipe");
    const pid_t pid = Spawn(args, "C", outFd, errPipe[1]);
    Run run;
    char buffer[4096];
    for (ssize_t n; (n = read(errPipe[0], buffer, sizeof buffer)) > 0;)
        run.err.append(buffer, static_cast<std::size_t>(n));
    close(errPipe[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = ExitStatus(status);
    return run;
}

// A run whose standard output is read and let go as it comes, so the
// test holds no more of it than the program should: its lines counted, the
// first and the last kept, and the program's peak resident memory.
struct Streamed {
    int status = -1;
    std::size_t lines = 0;
    std::string first;
    std::string last;
    std::string err;
    long peakKilobytes = 0;
};

inline Streamed RunStreamed(const std::vector<std::string>& args, const std::string& locale = "C")
{
    int outPipe[2];
    int errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0)
        throw std::runtime_error("pipe");
    const pid_t pid = Spawn(args, locale, outPipe[1], errPipe[1]);
    Streamed run;
    std::string line;   // the line being read
    Drain(outPipe[0], errPipe[0], [&](int stream, const char* text, std::size_t size) {
        if (stream == 1) {
            run.err.append(text, size);
            return;
        }
        for (std::size_t start = 0; start < size;) {
            const char* end = static_cast<const char*>(std::memchr(text + start, '\n', size - start));
            const std::size_t stop = end != nullptr ? static_cast<std::size_t>(end - text) : size;
            line.append(text + start, stop - start);
            start = stop;
            if (end != nullptr) {
                if (run.lines++ == 0)
                    run.first = line;
                run.last.swap(line);
                line.clear();
                ++start;
            }
        }
    });
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.status = ExitStatus(status);
    run.peakKilobytes = usage.ru_maxrss;
    return run;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// JSON value: null, boolean, number, string, array or object.
struct Json {
    enum class Type { Null, Boolean, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<Json> array;
    std::vector<std::pair<std::string, Json>> object;   // in order

    const Json& operator[](const std::string& key) const
    {
        for (const auto& [k, v] : object)
            if (k == key)
                return v;
        throw std::runtime_error("no key " + key);
    }
    bool Has(const std::string& key) const
    {
        for (const auto& kv : object)
            if (kv.first == key)
                return true;
        return false;
    }
    std::vector<std::string> Keys() const
    {
        std::vector<std::string> keys;
        for (const auto& kv : object)
            keys.push_back(kv.first);
        return keys;
    }
};

// Strict RFC 8259 reader: the whole text must be one value (blanks around).
class JsonReader {
public:
    explicit JsonReader(std::string text) : s_(std::move(text)) {}
    Json Parse()
    {
        Json v = Value();
        Blank();
        if (i_ != s_.size())
            Fail("trailing text");
        return v;
    }

private:
    [[noreturn]] void Fail(const std::string& what) { throw std::runtime_error("JSON: " + what + " at " + std::to_string(i_)); }
    void Blank()
    {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t' || s_[i_] == '\r'))
            ++i_;
    }
    bool Eat(const std::string& word)
    {
        if (s_.compare(i_, word.size(), word) == 0) {
            i_ += word.size();
            return true;
        }
        return false;
    }
    Json Value()
    {
        Blank();
        if (i_ >= s_.size())
            Fail("end of text");
        Json v;
        const char c = s_[i_];
        if (c == '{') {
            v.type = Json::Type::Object;
            ++i_;
            Blank();
            if (Eat("}"))
                return v;
            for (;;) {
                Blank();
                if (i_ >= s_.size() || s_[i_] != '"')
                    Fail("key expected");
                std::string key = String();
                Blank();
                if (!Eat(":"))
                    Fail("colon expected");
                v.object.emplace_back(key, Value());
                Blank();
                if (Eat("}"))
                    return v;
                if (!Eat(","))
                    Fail("comma expected");
            }
        }
        if (c == '[') {
            v.type = Json::Type::Array;
            ++i_;
            Blank();
            if (Eat("]"))
                return v;
            for (;;) {
                v.array.push_back(Value());
                Blank();
                if (Eat("]"))
                    return v;
                if (!Eat(","))
                    Fail("comma expected");
            }
        }
        if (c == '"') {
            v.type = Json::Type::String;
            v.string = String();
            return v;
        }
        if (Eat("true")) {
            v.type = Json::Type::Boolean;
            v.boolean = true;
            return v;
        }
        if (Eat("false")) {
            v.type = Json::Type::Boolean;
            return v;
        }
        if (Eat("null"))
            return v;
        // number = [-] int [frac] [exp], int without leading zeros
        const std::size_t start = i_;
        if (s_[i_] == '-')
            ++i_;
        if (i_ < s_.size() && s_[i_] == '0')
            ++i_;
        else if (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])))
            while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])))
                ++i_;
        else
            Fail("value expected");
        if (i_ < s_.size() && s_[i_] == '.') {
            ++i_;
            if (i_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[i_])))
                Fail("fraction digits expected");
            while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])))
                ++i_;
        }
        if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
            ++i_;
            if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-'))
                ++i_;
            if (i_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[i_])))
                Fail("exponent digits expected");
            while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])))
                ++i_;
        }
        v.type = Json::Type::Number;
        v.number = std::strtod(s_.substr(start, i_ - start).c_str(), nullptr);
        return v;
    }
    std::string String()
    {
        ++i_;   // opening quote
        std::string out;
        while (i_ < s_.size() && s_[i_] != '"') {
            const unsigned char c = static_cast<unsigned char>(s_[i_]);
            if (c < 0x20)
                Fail("control character in string");
            if (c == '\\') {
                ++i_;
                if (i_ >= s_.size())
                    Fail("escape");
                const char e = s_[i_];
                switch (e) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'u': {
                    if (i_ + 4 >= s_.size())
                        Fail("\\u");
                    const unsigned code = static_cast<unsigned>(std::stoul(s_.substr(i_ + 1, 4), nullptr, 16));
                    if (code >= 0x80)
                        Fail("only ASCII \\u escapes expected");
                    out += static_cast<char>(code);
                    i_ += 4;
                    break;
                }
                default: Fail("bad escape");
                }
                ++i_;
            } else {
                out += s_[i_++];
            }
        }
        if (i_ >= s_.size())
            Fail("unterminated string");
        ++i_;
        return out;
    }
    std::string s_;
    std::size_t i_ = 0;
};

inline Json ParseJson(const std::string& text) { return JsonReader(text).Parse(); }

// A run with --json added: its status and the document it printed. A
// successful run writes nothing on stderr.
struct Result {
    int status;
    Json json;
};

inline Result JsonRun(std::vector<std::string> args, const std::string& locale = "C")
{
    args.push_back("--json");
    const Run run = RunProgram(args, locale);
    EXPECT_EQ(run.err, "");
    return {run.status, ParseJson(run.out)};
}

// The message numbers of a property row.
inline std::vector<double> Messages(const Json& j)
{
    std::vector<double> m;
    for (const Json& v : j["messages"].array)
        m.push_back(v.number);
    return m;
}

// A usage error: status 2, nothing on stdout, the message first on stderr.
inline void ExpectUsage(const std::vector<std::string>& args, const std::string& message)
{
    const Run run = RunProgram(args);
    EXPECT_EQ(run.status, 2) << message;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Lines(run.err).at(0), message);
}

inline bool HasLine(const std::string& out, const std::string& line)
{
    for (const std::string& l : Lines(out))
        if (l == line)
            return true;
    return false;
}

} // namespace clitest
