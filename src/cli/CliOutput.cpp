#include "cli/CliOutput.h"

#include <cerrno>
#include <unistd.h>

namespace cli {

namespace {

// Large enough that the system call costs nothing per row, small enough to
// be no memory to speak of.
constexpr std::size_t kBlock = 64 * 1024;

} // namespace

Output::Output() { buffer_.reserve(kBlock); }

Output& Output::operator+=(std::string_view text)
{
    if (failed_)
        throw OutputFailed();
    if (text.size() < kBlock) {
        buffer_.append(text);
        FlushIfFull();
        return *this;
    }
    // A long text (a whole calculator tape) goes on without a copy.
    Flush();
    if (!Deliver(text)) {
        failed_ = true;
        throw OutputFailed();
    }
    return *this;
}

Output& Output::operator+=(char c)
{
    if (failed_)
        throw OutputFailed();
    buffer_ += c;
    FlushIfFull();
    return *this;
}

void Output::FlushIfFull()
{
    if (buffer_.size() >= kBlock)
        Flush();
}

void Output::Flush()
{
    if (failed_)
        throw OutputFailed();
    if (buffer_.empty())
        return;
    const bool delivered = Deliver(buffer_);
    buffer_.clear();
    if (!delivered) {
        failed_ = true;
        throw OutputFailed();
    }
}

bool FileOutput::Deliver(std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd_, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

const std::string& StringOutput::Text()
{
    Flush();
    return text_;
}

std::string StringOutput::TakeText()
{
    Flush();
    return std::move(text_);
}

bool StringOutput::Deliver(std::string_view text)
{
    text_.append(text);
    return true;
}

} // namespace cli
