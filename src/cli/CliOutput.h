// Standard output as the commands write it: text gathers in a buffer and is
// handed on in blocks, so a sweep of any length needs no more memory than
// one block. A write that fails throws OutputFailed, which stops the command
// where it is; the program then exits with kExitOutputFailed.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

class OutputFailed : public std::runtime_error {
public:
    OutputFailed() : std::runtime_error("cannot write the output") {}
};

class Output {
public:
    Output();
    virtual ~Output() = default;
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // Appends text, as to a string; hands on a full block.
    Output& operator+=(std::string_view text);
    Output& operator+=(char c);
    // Hands on whatever is buffered. Throws OutputFailed, then and on every
    // later write, once the destination has refused text.
    void Flush();

protected:
    // Takes the whole text, or returns false.
    virtual bool Deliver(std::string_view text) = 0;

private:
    void FlushIfFull();

    std::string buffer_;
    bool failed_ = false;
};

// A file descriptor (standard output): short and interrupted writes are
// retried; any other error, a closed pipe (EPIPE) included, is a failure.
// SIGPIPE must be ignored for a closed pipe to come back as EPIPE.
class FileOutput : public Output {
public:
    explicit FileOutput(int fd) : fd_(fd) {}

protected:
    bool Deliver(std::string_view text) override;

private:
    int fd_;
};

// Everything in one string, for callers that want the whole text.
class StringOutput : public Output {
public:
    // The text so far, buffer included.
    const std::string& Text();
    std::string TakeText();

protected:
    bool Deliver(std::string_view text) override;

private:
    std::string text_;
};

} // namespace cli
