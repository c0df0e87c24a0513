#pragma once

#include "cli/puzzle_source.hpp"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace cellwright::cli {

// What a run does to each puzzle, split where it may run in parallel. An item
// is a SourcedPuzzle, or anything else with its place in the run as index.
template <class Result, class Item = SourcedPuzzle> struct PerPuzzle {
    // Runs on any thread, several puzzles at once: touches no shared state.
    std::function<Result(const Item&)> work;
    // Runs on the calling thread, in input order, each as soon as its result
    // and all before it are done. Returns false to end the run early.
    std::function<bool(const Item&, Result&)> emit;
    // Called when the run is about to wait, for input or for work on the
    // next puzzle: the moment to hand written results on. With one job it is
    // called before each read of input; while a long puzzle is being worked
    // out, an Output with a latency hands on what came before it.
    std::function<void()> idle;
};

// Reads puzzles from the source, works them out `jobs` at a time and emits
// the results in input order while the input is still being read. A bounded
// number of puzzles per job is held at once, so memory does not grow with the
// input. On an early end the puzzle being read is finished first.
template <class Result, class Item, class Source>
void runInOrder(Source& source, unsigned jobs, const PerPuzzle<Result, Item>& steps) {
    if constexpr (requires { source.beforeRead(steps.idle); }) {
        if (jobs <= 1) {
            // One job on a source that says when it is about to wait for
            // input: each puzzle is read, worked out and emitted in turn on
            // this thread, with nothing handed between threads, so that a run
            // costs little more than the work itself.
            source.beforeRead(steps.idle);
            while (std::optional<Item> puzzle = source.next()) {
                Result result = steps.work(*puzzle);
                if (!steps.emit(*puzzle, result))
                    break;
            }
            source.beforeRead({});
            return;
        }
    }
    // Otherwise work runs on threads of its own, even for one job, so that
    // this thread can hand each result on the moment it is due. A worker
    // takes what is waiting, up to a batch, so that short puzzles do not cost
    // a wake-up each; a lone puzzle from a slow pipe goes at once.
    constexpr std::size_t kBatch = 32;
    const std::size_t maxHeld = 2 * kBatch * jobs;
    std::mutex mutex;
    std::condition_variable roomToRead, workWaiting, resultReady;
    std::deque<Item> waiting;
    std::map<std::size_t, std::pair<Item, Result>> done;
    std::size_t taken = 0;
    std::size_t emitted = 0;
    bool inputEnded = false;
    bool stopping = false;

    std::thread reader([&] {
        while (true) {
            {
                std::unique_lock lock(mutex);
                roomToRead.wait(lock, [&] { return stopping || taken - emitted < maxHeld; });
                if (stopping)
                    return;
            }
            std::optional<Item> puzzle = source.next();
            const std::lock_guard lock(mutex);
            if (!puzzle) {
                inputEnded = true;
                workWaiting.notify_all();
                resultReady.notify_one();
                return;
            }
            waiting.push_back(std::move(*puzzle));
            ++taken;
            workWaiting.notify_one();
        }
    });
    std::vector<std::thread> workers;
    for (unsigned w = 0; w < std::max(jobs, 1U); ++w) {
        workers.emplace_back([&] {
            std::vector<Item> batch;
            while (true) {
                std::unique_lock lock(mutex);
                workWaiting.wait(lock, [&] { return stopping || inputEnded || !waiting.empty(); });
                if (stopping || waiting.empty())
                    return;
                batch.clear();
                while (!waiting.empty() && batch.size() < kBatch) {
                    batch.push_back(std::move(waiting.front()));
                    waiting.pop_front();
                }
                lock.unlock();
                for (Item& puzzle : batch) {
                    Result result = steps.work(puzzle);
                    const std::size_t index = puzzle.index;
                    const std::lock_guard hold(mutex);
                    if (stopping)
                        return; // the rest of the batch would not be emitted
                    done.emplace(index, std::pair{std::move(puzzle), std::move(result)});
                    if (index == emitted)
                        resultReady.notify_one();
                }
            }
        });
    }

    std::unique_lock lock(mutex);
    while (true) {
        const auto ready = [&] {
            return done.contains(emitted) || (inputEnded && emitted == taken);
        };
        if (!ready()) {
            lock.unlock();
            steps.idle();
            lock.lock();
            resultReady.wait(lock, ready);
        }
        const auto found = done.find(emitted);
        if (found == done.end())
            break; // all emitted
        auto [puzzle, result] = std::move(found->second);
        done.erase(found);
        ++emitted;
        roomToRead.notify_one();
        lock.unlock();
        const bool goOn = steps.emit(puzzle, result);
        lock.lock();
        if (!goOn) {
            stopping = true;
            roomToRead.notify_one();
            workWaiting.notify_all();
            break;
        }
    }
    lock.unlock();
    reader.join();
    for (std::thread& worker : workers)
        worker.join();
}

} // namespace cellwright::cli
