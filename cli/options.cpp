#include "cli/options.hpp"

#include <getopt.h>

namespace cellwright::cli {

const char* usageText() {
    return "Usage: cellwright-solve [OPTION]... [FILE]...\n"
           "       cellwright-solve [OPTION]... --lines FILE\n"
           "\n"
           "Solves Sudoku puzzles exactly as Cellwright's Solve button does, and reports\n"
           "what the window would show; or counts their solutions, rates them or explains\n"
           "them step by step. With no FILE, or when FILE is -, reads standard input.\n"
           "\n"
           "A FILE holds a board file as the window saves it (81 numbers, 0 for empty),\n"
           "or any number of puzzle lines and 9x9 grids:\n"
           "  board file     5  3  0  0  7  0 ...     one number an item, 81 items\n"
           "  puzzle line    "
           "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n"
           "                 (empty as . 0 _ * or x; after a blank, TAB, ',' or '#' the\n"
           "                 rest of the line is ignored)\n"
           "  grid           53. | .7. | ...          9 rows of 9 cells; blanks and\n"
           "                 6.. | 195 | ...          | + - = : are box lines; grids are\n"
           "                 ----+-----+----          apart by blank or drawn lines\n"
           "Blank lines and lines starting with '#' are skipped.\n"
           "\n"
           "  -l, --lines=FILE      one puzzle per line, nothing else\n"
           "  -f, --format=FORMAT   text (default for files), line (default for --lines),\n"
           "                        json or grid\n"
           "  -o, --output=FILE     write the result board of a single puzzle as a board\n"
           "                        file; with --rate or --explain, write the output to\n"
           "                        FILE instead of standard output\n"
           "  -q, --quiet           no summary line\n"
           "  -t, --trace           one line per solver pass before each result (as Step\n"
           "                        Solve would go; rows and columns count from 0), as\n"
           "                        the search makes it; implies --jobs=1\n"
           "  -j, --jobs=N          puzzles solved at once (default: one per core); output\n"
           "                        stays in input order\n"
           "      --backup-dir=DIR  keep the solver's backups as backup<d>.bak files in\n"
           "                        DIR, locked for this run (default: in memory);\n"
           "                        implies --jobs=1\n"
           "  -c, --count           count solutions instead of solving: no solution, a\n"
           "                        unique one (shown) or several\n"
           "      --max-solutions=N  stop counting at N (1 to 1000000, default 2)\n"
           "  -r, --rate            rate each puzzle as people solve it, on Sudoku\n"
           "                        Explainer's scale: ER, EP, ED and the hardest technique\n"
           "                        (>ER where the techniques run out: a lower bound)\n"
           "  -e, --explain         each puzzle's steps as people take them, one a line\n"
           "                        (rows and columns count from 1), then its rating\n"
           "  -h, --help            show this help\n"
           "  -V, -v, --version     show the version\n"
           "\n"
           "Examples, from the top of Cellwright's source tree:\n"
           "  cellwright-solve examples/board1.sudoku\n"
           "  cellwright-solve --lines examples/puzzles.txt --format json\n"
           "  cellwright-solve - < examples/grids.txt\n"
           "  cellwright-solve --count --lines examples/puzzles.txt\n"
           "  cellwright-solve --rate --lines examples/puzzles.txt\n"
           "  cellwright-solve --explain examples/board1.sudoku\n"
           "\n"
           "Exit status: 0 every puzzle solved (with --count, --rate or --explain: every\n"
           "puzzle has exactly one solution), 1 any unsolvable or at the guess limit (with\n"
           "--count, --rate or --explain: any with no solution or several; those are not\n"
           "rated), 2 bad usage, unreadable input or an input/output error.\n";
}

Format Options::outputFormat() const {
    return format.value_or(linesFile ? Format::Line : Format::Text);
}

std::vector<std::string> Options::inputs() const {
    if (linesFile)
        return {*linesFile};
    if (boardFiles.empty())
        return {"-"};
    return boardFiles;
}

namespace {

enum LongOnly { kBackupDir = 256, kMaxSolutions };

constexpr option kLongOptions[] = {
    {"lines", required_argument, nullptr, 'l'},
    {"format", required_argument, nullptr, 'f'},
    {"output", required_argument, nullptr, 'o'},
    {"quiet", no_argument, nullptr, 'q'},
    {"trace", no_argument, nullptr, 't'},
    {"jobs", required_argument, nullptr, 'j'},
    {"backup-dir", required_argument, nullptr, kBackupDir},
    {"count", no_argument, nullptr, 'c'},
    {"rate", no_argument, nullptr, 'r'},
    {"explain", no_argument, nullptr, 'e'},
    {"max-solutions", required_argument, nullptr, kMaxSolutions},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

const char* optionOf(Mode mode) {
    switch (mode) {
    case Mode::Count:
        return "--count";
    case Mode::Rate:
        return "--rate";
    case Mode::Explain:
        return "--explain";
    case Mode::Solve:
        break;
    }
    return "";
}

// An option given that the mode has no use for.
std::optional<std::string> foreignTo(const Options& options) {
    if (options.mode == Mode::Solve)
        return std::nullopt;
    if (options.trace)
        return "--trace";
    if (options.backupDir)
        return "--backup-dir";
    if (options.mode == Mode::Count && options.outputFile)
        return "--output";
    if (options.mode != Mode::Count && options.maxSolutions)
        return "--max-solutions";
    if (options.mode == Mode::Explain && options.format == Format::Line)
        return "--format line (text, json or grid)";
    return std::nullopt;
}

} // namespace

std::optional<Options> parseOptions(int argc, char* const* argv, std::string& error) {
    Options options;
    optind = 0; // glibc: start afresh, so that parsing can run more than once
    opterr = 0; // our own one-line messages
    while (true) {
        const int letter = getopt_long(argc, argv, ":l:f:o:qtj:crehVv", kLongOptions, nullptr);
        if (letter == -1)
            break;
        const std::string value = optarg != nullptr ? optarg : "";
        switch (letter) {
        case 'l':
            if (options.linesFile) {
                error = "--lines is given twice";
                return std::nullopt;
            }
            options.linesFile = value;
            break;
        case 'f':
            options.format = formatNamed(value);
            if (!options.format) {
                error = "invalid format '" + value + "' (text, line, json or grid)";
                return std::nullopt;
            }
            break;
        case 'o':
            options.outputFile = value;
            break;
        case 'q':
            options.quiet = true;
            break;
        case 't':
            options.trace = true;
            break;
        case 'j':
            if (const auto jobs = wholeNumber(value, 1, 256)) {
                options.jobs = static_cast<unsigned>(*jobs);
                break;
            }
            error = "invalid job count '" + value + "' (a whole number from 1 to 256)";
            return std::nullopt;
        case kBackupDir:
            options.backupDir = value;
            break;
        case 'c':
        case 'r':
        case 'e': {
            const Mode mode = letter == 'c'   ? Mode::Count
                              : letter == 'r' ? Mode::Rate
                                              : Mode::Explain;
            if (options.mode != Mode::Solve && options.mode != mode) {
                error =
                    std::string(optionOf(options.mode)) + " cannot be used with " + optionOf(mode);
                return std::nullopt;
            }
            options.mode = mode;
            break;
        }
        case kMaxSolutions:
            if (const auto limit = wholeNumber(value, 1, 1'000'000)) {
                options.maxSolutions = static_cast<std::uint32_t>(*limit);
                break;
            }
            error = "invalid solution limit '" + value + "' (a whole number from 1 to 1000000)";
            return std::nullopt;
        case 'h':
            options.help = true;
            break;
        case 'V':
        case 'v':
            options.version = true;
            break;
        default: // ':' or '?'
            error = getoptError(letter, argv);
            return std::nullopt;
        }
    }
    for (int i = optind; i < argc; ++i)
        options.boardFiles.emplace_back(argv[i]);
    if (options.help || options.version)
        return options;
    if (options.linesFile && !options.boardFiles.empty()) {
        error = "give files or --lines, not both";
        return std::nullopt;
    }
    if (const auto other = foreignTo(options)) {
        error = std::string(optionOf(options.mode)) + " cannot be used with " + *other;
        return std::nullopt;
    }
    // One set of backup files; and a trace goes out pass by pass as the
    // search makes it, so the puzzle traced must be the one whose output is
    // due. Both take the puzzles one at a time.
    if (options.backupDir || options.trace)
        options.jobs = 1;
    return options;
}

} // namespace cellwright::cli
