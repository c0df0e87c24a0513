#pragma once

#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace cellwright::test {

// What a program run said and how it ended.
struct CliRun {
    int status = -1;
    std::string out, err;
};

// The lines of a text, without their ends; none for an empty text.
inline std::vector<std::string> linesOf(const std::string& text) {
    if (text.empty())
        return {};
    static const std::regex newline("\n");
    return {std::sregex_token_iterator(text.begin(), text.end(), newline, -1), {}};
}

inline QJsonObject json(const std::string& line) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

// Runs shell commands in a fresh directory, with the given text as standard
// input; the programs come in by environment variables the fixtures set.
class CliTest : public ::testing::Test {
  protected:
    CliRun sh(const std::string& command, const std::string& input = "") {
        writeText(dir.file("stdin"), input);
        const int raw = std::system(
            ("cd '" + dir.path() + "' && { " + command + "; } <stdin >stdout 2>stderr").c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(dir.file("stdout")),
                readText(dir.file("stderr"))};
    }
    std::string file(const std::string& name, const std::string& text) {
        writeText(dir.file(name), text);
        return name;
    }
    TempDir dir;
};

#ifdef CELLWRIGHT_SOLVE
// $SOLVE is the real cellwright-solve.
class SolveCli : public CliTest {
  protected:
    void SetUp() override { ::setenv("SOLVE", CELLWRIGHT_SOLVE, 1); }
    CliRun run(const std::string& args, const std::string& input = "") {
        return sh("\"$SOLVE\" " + args, input);
    }
};
#endif

} // namespace cellwright::test
