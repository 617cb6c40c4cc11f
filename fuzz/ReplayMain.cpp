// The corpus replay: a fuzz target built without libFuzzer. Each argument is
// a file or a folder (read recursively); every file is fed to the target
// once, in name order. When a check or a sanitizer stops the program, the
// file being replayed is named last, so the test says which input broke.
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "FuzzInput.h"

// Present when a sanitizer runtime is linked in: called before it ends the
// program with its report.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

std::string g_current;

void NameCurrentInput()
{
    static const char kWhile[] = "while replaying ";
    // Only write(): this may run in a signal handler.
    [[maybe_unused]] ssize_t n = write(STDERR_FILENO, kWhile, sizeof kWhile - 1);
    n = write(STDERR_FILENO, g_current.data(), g_current.size());
    n = write(STDERR_FILENO, "\n", 1);
}

void OnAbort(int signal)
{
    NameCurrentInput();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::vector<std::filesystem::path> Files(const std::filesystem::path& root)
{
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(root)) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
    } else {
        files.push_back(root);
    }
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE_OR_FOLDER...\n", argv[0]);
        return 2;
    }
    std::signal(SIGABRT, OnAbort);
    if (__sanitizer_set_death_callback != nullptr)
        __sanitizer_set_death_callback(NameCurrentInput);
    std::size_t count = 0;
    for (int a = 1; a < argc; ++a) {
        if (!std::filesystem::exists(argv[a])) {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[a]);
            return 2;
        }
        for (const std::filesystem::path& file : Files(argv[a])) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            g_current = file.string();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++count;
        }
    }
    // A corpus that went missing must not pass as a replay of nothing.
    if (count == 0) {
        std::fprintf(stderr, "no input found\n");
        return 1;
    }
    std::printf("%zu inputs replayed\n", count);
    return 0;
}
