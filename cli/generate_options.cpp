#include "cli/generate_options.hpp"

#include "cli/generate_rater.hpp"

#include <getopt.h>

namespace cellwright::cli {

const char* generateUsageText() {
    return "Usage: cellwright-generate [OPTION]...\n"
           "\n"
           "Makes new Sudoku puzzles: each has exactly one solution and is minimal for\n"
           "its symmetry (no given, together with its symmetric partners, can go and\n"
           "leave the solution unique). Each puzzle is printed as soon as it is made.\n"
           "\n"
           "  -n, --count=N         make N puzzles (default 1)\n"
           "      --rating=MIN[-MAX]  only puzzles rated MIN to MAX on the Sudoku\n"
           "                        Explainer scale (ER, e.g. 3.0-4.4); MIN alone has no\n"
           "                        upper limit\n"
           "      --level=LEVEL     only puzzles of a level: easy (ER up to 2.3), medium\n"
           "                        (2.5-3.4), hard (3.6-4.4), fiendish (4.5-6.2),\n"
           "                        diabolical (6.5-8.9) or extreme (9.0 and up)\n"
           "      --symmetry=SYM    none, rotate180 (default), rotate90, mirror (left and\n"
           "                        right), diagonal (across the main diagonal) or random\n"
           "                        (one of the others for each puzzle)\n"
           "      --seed=S          the same seed, options and version give the same\n"
           "                        puzzles (default: a random seed, shown in the summary)\n"
           "  -j, --jobs=N          puzzles made at once (default: one per core); the\n"
           "                        output is the same for any N\n"
           "  -f, --format=FORMAT   line (default: puzzle, ER or - when unrated, solution,\n"
           "                        TAB-separated), text, json or grid\n"
           "  -o, --output=FILE     write the puzzles to FILE instead of standard output\n"
           "  -q, --quiet           no summary line and no progress\n"
           "      --max-tries=N     give up after N candidate puzzles\n"
           "  -h, --help            show this help\n"
           "  -V, -v, --version     show the version\n"
           "\n"
           "Examples:\n"
           "  cellwright-generate -n 10 --symmetry none\n"
           "  cellwright-generate -n 5 --level hard --seed 42 --format grid\n"
           "  cellwright-generate --rating 6.5 --max-tries 100000 -o hard.txt\n"
           "\n"
           "Exit status: 0 all puzzles made, 1 fewer than asked within --max-tries,\n"
           "2 bad usage or an output error.\n";
}

namespace {

enum LongOnly { kRating = 256, kLevel, kSymmetry, kSeed, kMaxTries };

constexpr option kLongOptions[] = {
    {"count", required_argument, nullptr, 'n'},
    {"rating", required_argument, nullptr, kRating},
    {"level", required_argument, nullptr, kLevel},
    {"symmetry", required_argument, nullptr, kSymmetry},
    {"seed", required_argument, nullptr, kSeed},
    {"jobs", required_argument, nullptr, 'j'},
    {"format", required_argument, nullptr, 'f'},
    {"output", required_argument, nullptr, 'o'},
    {"quiet", no_argument, nullptr, 'q'},
    {"max-tries", required_argument, nullptr, kMaxTries},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

// An ER as tenths: digits, and at most one decimal after a point.
std::optional<int> tenths(const std::string& text) {
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string decimal = point == std::string::npos ? "0" : text.substr(point + 1);
    if (whole.empty() || whole.size() > 2 || decimal.size() != 1)
        return std::nullopt;
    const auto units = wholeNumber(whole, 0, 20);
    const auto tenth = wholeNumber(decimal, 0, 9);
    if (!units || !tenth || *units * 10 + *tenth > 200)
        return std::nullopt;
    return static_cast<int>(*units * 10 + *tenth);
}

} // namespace

std::optional<generator::Band> parseRatingBand(const std::string& text) {
    const std::size_t dash = text.find('-');
    const auto min = tenths(text.substr(0, dash));
    if (!min)
        return std::nullopt;
    if (dash == std::string::npos)
        return generator::Band{*min, std::nullopt};
    const auto max = tenths(text.substr(dash + 1));
    if (!max || *max < *min)
        return std::nullopt;
    return generator::Band{*min, max};
}

std::optional<GenerateOptions> parseGenerateOptions(int argc, char* const* argv,
                                                    std::string& error) {
    GenerateOptions options;
    optind = 0; // glibc: start afresh, so that parsing can run more than once
    opterr = 0; // our own one-line messages
    const auto invalid = [&](const std::string& what, const std::string& value,
                             const std::string& allowed) {
        error = "invalid " + what + " '" + value + "' (" + allowed + ")";
        return std::nullopt;
    };
    bool ratingGiven = false, levelGiven = false;
    while (true) {
        const int letter = getopt_long(argc, argv, ":n:j:f:o:qhVv", kLongOptions, nullptr);
        if (letter == -1)
            break;
        const std::string value = optarg != nullptr ? optarg : "";
        switch (letter) {
        case 'n':
            if (const auto count = wholeNumber(value, 1, 1'000'000'000)) {
                options.count = *count;
                break;
            }
            return invalid("count", value, "a whole number from 1 to 1000000000");
        case kRating:
            options.band = parseRatingBand(value);
            options.bandName = "rated " + value;
            ratingGiven = true;
            if (!options.band)
                return invalid("rating", value,
                               "MIN or MIN-MAX, such as 3.0-4.4, from 0.0 to 20.0");
            break;
        case kLevel:
            options.band = levelBand(value);
            options.bandName = value;
            levelGiven = true;
            if (!options.band)
                return invalid("level", value,
                               "easy, medium, hard, fiendish, diabolical or extreme");
            break;
        case kSymmetry:
            if (const auto symmetry = generator::symmetryNamed(value)) {
                options.symmetry = *symmetry;
                break;
            }
            return invalid("symmetry", value,
                           "none, rotate180, rotate90, mirror, diagonal or random");
        case kSeed:
            if (const auto seed = wholeNumber(value, 0, UINT64_MAX)) {
                options.seed = *seed;
                break;
            }
            return invalid("seed", value, "a whole number from 0 to 18446744073709551615");
        case 'j':
            if (const auto jobs = wholeNumber(value, 1, 256)) {
                options.jobs = static_cast<unsigned>(*jobs);
                break;
            }
            return invalid("job count", value, "a whole number from 1 to 256");
        case 'f':
            if (const auto format = formatNamed(value)) {
                options.format = *format;
                break;
            }
            return invalid("format", value, "line, text, json or grid");
        case 'o':
            options.outputFile = value;
            break;
        case 'q':
            options.quiet = true;
            break;
        case kMaxTries:
            if (const auto tries = wholeNumber(value, 1, UINT64_MAX)) {
                options.maxTries = *tries;
                break;
            }
            return invalid("try limit", value, "a whole number from 1 up");
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
    if (options.help || options.version)
        return options;
    if (optind < argc) {
        error =
            "unexpected argument '" + std::string(argv[optind]) + "' (puzzles are made, not read)";
        return std::nullopt;
    }
    if (ratingGiven && levelGiven) {
        error = "give --rating or --level, not both";
        return std::nullopt;
    }
    return options;
}

} // namespace cellwright::cli
