// The command-line program in-process: any argument list (the input split
// at NUL bytes) under either separator, with standard output that takes
// a bounded number of bytes and then refuses more, as a closed pipe or a
// full disk would. The exit-status contract:
//   - the status is 0, 1, 2 or 3;
//   - 2 (a usage error): nothing on standard output, a message on
//     standard error naming the program;
//   - 3 only when standard output refused text, with its message;
//   - 0: nothing on standard error;
//   - --json gives one well-formed JSON text, --csv well-formed CSV with
//     the header's number of fields in every row.
#include <algorithm>
#include <vector>

#include "FuzzInput.h"
#include "MachineText.h"
#include "base/NumberText.h"
#include "cli/Cli.h"

namespace {

// Standard output that keeps what it takes, up to a budget.
class BoundedOutput : public cli::Output {
public:
    explicit BoundedOutput(std::size_t budget) : budget_(budget) {}
    const std::string& Text() const { return text_; }
    bool Refused() const { return refused_; }

protected:
    bool Deliver(std::string_view text) override
    {
        if (text_.size() + text.size() > budget_) {
            refused_ = true;
            return false;
        }
        text_.append(text);
        return true;
    }

private:
    std::size_t budget_;
    std::string text_;
    bool refused_ = false;
};

// The format the command line asks for, as the program reads it; Table
// for help and for command lines the program refuses.
cli::OutputFormat FormatAsked(const std::vector<std::string>& args)
{
    if (args.empty())
        return cli::OutputFormat::Table;
    for (const cli::Command& command : cli::Commands()) {
        if (command.name != args.front())
            continue;
        cli::ArgumentSpec spec = command.spec;
        if (command.machineOutput)
            spec.flags.insert("json");
        try {
            const cli::ParsedArguments parsed =
                cli::ParseArguments(std::vector<std::string>(args.begin() + 1, args.end()), spec, command.name);
            if (parsed.help)
                return cli::OutputFormat::Table;
            if (parsed.Has("json"))
                return cli::OutputFormat::Json;
            if (parsed.Has("csv"))
                return cli::OutputFormat::Csv;
        } catch (const cli::UsageError&) {
        }
    }
    return cli::OutputFormat::Table;
}

std::string Shown(const std::vector<std::string>& args)
{
    std::string text;
    for (const std::string& a : args)
        text += " [" + a + "]";
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t head = data[0];
    SetDecimalSeparator((head & 1) != 0 ? ',' : '.');
    // Mostly room for everything; sometimes none, or a few bytes.
    static constexpr std::size_t kBudgets[] = {1 << 20, 1 << 20, 1 << 20, 1 << 20, 1 << 20, 0, 40, 70000};
    const std::size_t budget = kBudgets[(head >> 1) & 7];

    std::vector<std::string> args;
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\0'), rest.size());
        args.emplace_back(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }

    BoundedOutput out(budget);
    std::string err;
    const int status = cli::RunCli(args, out, err);
    const std::string what = Shown(args) + " gave status " + std::to_string(status);
    FUZZ_CHECK(status >= cli::kExitOk && status <= cli::kExitOutputFailed, what);
    // Whatever is still buffered must not be lost: it is part of the output.
    bool flushed = true;
    try {
        out.Flush();
    } catch (const cli::OutputFailed&) {
        flushed = false;
    }
    if (status == cli::kExitUsage) {
        FUZZ_CHECK(out.Text().empty(), what + " and wrote standard output");
        FUZZ_CHECK(err.starts_with("zentaro-cli"), what + " with the message \"" + err + "\"");
        return 0;
    }
    if (status == cli::kExitOutputFailed) {
        FUZZ_CHECK(out.Refused(), what + " though standard output took everything");
        FUZZ_CHECK(err.find("cannot write the output") != std::string::npos, what + ": \"" + err + "\"");
        return 0;
    }
    FUZZ_CHECK(!out.Refused() && flushed, what + " though standard output refused text");
    if (status == cli::kExitOk)
        FUZZ_CHECK(err.empty(), what + " and wrote \"" + err + "\" to standard error");
    switch (FormatAsked(args)) {
    case cli::OutputFormat::Json: {
        const std::string problem = fuzz::CheckJson(out.Text());
        FUZZ_CHECK(problem.empty(), what + ": JSON " + problem + ":\n" + out.Text().substr(0, 2000));
        break;
    }
    case cli::OutputFormat::Csv: {
        const std::string problem = fuzz::CheckCsv(out.Text());
        FUZZ_CHECK(problem.empty(), what + ": CSV " + problem + ":\n" + out.Text().substr(0, 2000));
        break;
    }
    case cli::OutputFormat::Table:
        FUZZ_CHECK(!out.Text().empty() || status != cli::kExitOk, what + " and printed nothing");
        break;
    }
    return 0;
}
