#include "cli/command_line.hpp"

#include "cli/diagnostics.hpp"
#include "cli/exit_status.hpp"
#include "cli/output.hpp"

#include <algorithm>
#include <charconv>
#include <thread>

#include <getopt.h>
#include <unistd.h>

namespace cellwright::cli {

std::optional<Format> formatNamed(std::string_view name) {
    constexpr std::pair<std::string_view, Format> kFormats[] = {{"text", Format::Text},
                                                                {"line", Format::Line},
                                                                {"json", Format::Json},
                                                                {"grid", Format::Grid}};
    for (const auto& [known, format] : kFormats) {
        if (name == known)
            return format;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> wholeNumber(std::string_view text, std::uint64_t least,
                                         std::uint64_t most) {
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < least || value > most)
        return std::nullopt;
    return value;
}

std::string getoptError(int letter, char* const* argv) {
    if (letter == ':')
        return "option '" + std::string(argv[optind - 1]) + "' requires an argument";
    return optopt != 0 ? "invalid option -- '" + std::string(1, static_cast<char>(optopt)) + "'"
                       : "unrecognized option '" + std::string(argv[optind - 1]) + "'";
}

unsigned jobsToRun(unsigned asked) {
    return asked != 0 ? asked : std::max(1U, std::thread::hardware_concurrency());
}

int usageError(const std::string& error, std::string_view program) {
    complain(error);
    Output(STDERR_FILENO)
        .write("Try '" + std::string(program) + " --help' for more information.\n");
    return kTrouble;
}

int helpOrVersion(bool help, std::string_view usage, std::string_view program,
                  std::string_view version) {
    Output output(STDOUT_FILENO);
    output.write(help ? std::string(usage)
                      : std::string(program) + " " + std::string(version) + "\n");
    output.flush();
    return output.failed() ? kTrouble : kAllDone;
}

} // namespace cellwright::cli
