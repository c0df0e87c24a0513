#include "cli/options.hpp"

#include <charconv>

namespace cellwright::cli {

const char* usageText() {
    return "Usage: cellwright-solve [options] [BOARD ...]\n"
           "       cellwright-solve [options] --lines FILE\n"
           "\n"
           "Solves Sudoku puzzles exactly as Cellwright's Solve button does, and reports\n"
           "what the window would show.\n"
           "\n"
           "  BOARD              a board file (81 numeric items, as the window saves them);\n"
           "                     - reads standard input\n"
           "  --lines FILE       a collection, one puzzle per line: 81 characters, 1-9 and\n"
           "                     '.' or '0' for an empty cell; blank lines and lines\n"
           "                     starting with '#' are skipped; - reads standard input\n"
           "  --format FORMAT    text (default for board files), line (default for\n"
           "                     --lines) or json\n"
           "  -o FILE            write the result board of a single puzzle as a board file\n"
           "  --backup-dir DIR   keep the solver's backups as backup<d>.bak files in DIR\n"
           "                     (default: in memory); implies --jobs 1\n"
           "  --jobs N           puzzles solved at once (default: one per core); output\n"
           "                     stays in input order\n"
           "  -h, --help         show this help\n"
           "  -v, --version      show the version\n"
           "\n"
           "Exit status: 0 every puzzle solved, 1 any unsolvable or at the guess limit,\n"
           "2 bad usage or unreadable input.\n";
}

namespace {

bool applyValue(Options& options, const std::string& option, const std::string& value,
                std::string& error) {
    if (option == "--lines") {
        if (options.linesFile) {
            error = "--lines is given twice";
            return false;
        }
        options.linesFile = value;
    } else if (option == "--format") {
        if (value == "text") {
            options.format = Format::Text;
        } else if (value == "line") {
            options.format = Format::Line;
        } else if (value == "json") {
            options.format = Format::Json;
        } else {
            error = "unknown format '" + value + "' (text, line or json)";
            return false;
        }
    } else if (option == "-o") {
        options.outputFile = value;
    } else if (option == "--backup-dir") {
        options.backupDir = value;
    } else if (option == "--jobs") {
        unsigned jobs = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), jobs);
        if (ec != std::errc() || end != value.data() + value.size() || jobs == 0 || jobs > 256) {
            error = "--jobs takes a whole number from 1 to 256";
            return false;
        }
        options.jobs = jobs;
    }
    return true;
}

} // namespace

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // The value after an option that takes one.
        std::string value;
        const auto takeValue = [&] {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "-v" || arg == "--version") {
            options.version = true;
        } else if (arg == "--lines" || arg == "--format" || arg == "-o" || arg == "--backup-dir" ||
                   arg == "--jobs") {
            if (!takeValue() || !applyValue(options, arg, value, error))
                return std::nullopt;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        } else {
            options.boardFiles.push_back(arg);
        }
    }
    if (options.help || options.version)
        return options;
    if (options.linesFile && !options.boardFiles.empty()) {
        error = "give board files or --lines, not both";
        return std::nullopt;
    }
    if (!options.linesFile && options.boardFiles.empty()) {
        error = "no puzzle given";
        return std::nullopt;
    }
    if (options.backupDir)
        options.jobs = 1; // one set of backup files
    return options;
}

} // namespace cellwright::cli
