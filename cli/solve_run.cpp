#include "cli/solve_run.hpp"

#include "engine/headless_host.hpp"
#include "engine/messages.hpp"
#include "files/directory_backups.hpp"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace cellwright::cli {

bool Outcome::solved() const {
    return message == kBoardSolved;
}

Outcome solvePuzzle(const Digits& puzzle, const std::optional<std::string>& backupDir) {
    std::unique_ptr<HeadlessHost> host;
    if (backupDir)
        host = std::make_unique<DirectoryBackups>(*backupDir);
    else
        host = std::make_unique<MemoryBackups>();
    Outcome outcome;
    outcome.puzzle = puzzle;
    const auto start = std::chrono::steady_clock::now();
    EngineState state;
    clearData(state);
    placeDigits(state.board, puzzle);
    const SolveResult run = solveToEnd(state, *host);
    outcome.micros = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count();
    outcome.board = state.board;
    outcome.message = host->message();
    outcome.passes = run.passes;
    outcome.maxDepth = run.maxDepth;
    outcome.guesses = host->counts().guesses;
    outcome.backouts = host->counts().backouts;
    return outcome;
}

void solveAll(const std::vector<Digits>& puzzles, unsigned jobs,
              const std::optional<std::string>& backupDir,
              const std::function<void(std::size_t, const Outcome&)>& emit) {
    if (jobs <= 1 || puzzles.size() <= 1) {
        for (std::size_t i = 0; i < puzzles.size(); ++i)
            emit(i, solvePuzzle(puzzles[i], backupDir));
        return;
    }
    std::vector<std::optional<Outcome>> outcomes(puzzles.size());
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable done;
    const auto work = [&] {
        for (std::size_t i = next++; i < puzzles.size(); i = next++) {
            Outcome outcome = solvePuzzle(puzzles[i], backupDir);
            {
                const std::lock_guard lock(mutex);
                outcomes[i] = std::move(outcome);
            }
            done.notify_one();
        }
    };
    std::vector<std::jthread> workers;
    const unsigned count = std::min<unsigned>(jobs, static_cast<unsigned>(puzzles.size()));
    for (unsigned w = 0; w < count; ++w)
        workers.emplace_back(work);
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        std::unique_lock lock(mutex);
        done.wait(lock, [&] { return outcomes[i].has_value(); });
        const Outcome outcome = std::move(*outcomes[i]);
        outcomes[i].reset();
        lock.unlock();
        emit(i, outcome);
    }
}

} // namespace cellwright::cli
