// The "New puzzle" submenu: a puzzle of the chosen level, made off the
// window's thread, fills the grid as Load does.
#include "ui/main_window.hpp"

#include "ui/new_puzzle.hpp"

#include <QAction>
#include <QMenu>

#include <random>

namespace cellwright {

namespace {
// A puzzle ready within this shows at once, with no message in between.
constexpr std::chrono::milliseconds kMoment{100};
} // namespace

void MainWindow::buildNewPuzzleMenu() {
    cellMenu_->addSeparator();
    QMenu* levels = cellMenu_->addMenu(QStringLiteral("New puzzle"));
    levels->setObjectName(QStringLiteral("newPuzzleMenu"));
    for (std::size_t i = 0; i < levelActions_.size(); ++i) {
        const auto level = static_cast<logic::Band>(i);
        auto* action = new QAction(QString::fromStdString(logic::bandName(level)), this);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        addAction(action); // Ctrl+N, on the last level used, works anywhere in the window
        levels->addAction(action);
        connect(action, &QAction::triggered, this, [this, level] { newPuzzle(level); });
        levelActions_[i] = action;
    }
    levelActions_[static_cast<std::size_t>(lastLevel_)]->setShortcut(QKeySequence::New);
}

void MainWindow::newPuzzle(logic::Band level) {
    levelActions_[static_cast<std::size_t>(lastLevel_)]->setShortcut(QKeySequence());
    lastLevel_ = level;
    levelActions_[static_cast<std::size_t>(lastLevel_)]->setShortcut(QKeySequence::New);
    const std::uint64_t seed = std::random_device{}() * 0x100000000ULL ^ std::random_device{}();
    const bool made = puzzleWork_.start(
        [this, level, seed](const std::atomic<bool>& cancel) -> BackgroundWork::Result {
            const std::optional<generator::Puzzle> puzzle = makeLevelPuzzle(level, seed, cancel);
            if (!puzzle)
                return {};
            Digits digits{};
            for (std::size_t i = 0; i < digits.size(); ++i)
                digits[i] = puzzle->givens[i];
            return [this, digits] { takePuzzle(digits); };
        },
        kMoment, std::chrono::milliseconds::zero());
    if (!made) {
        QString name = QString::fromStdString(logic::bandName(level)).toLower();
        const bool vowel = name.startsWith('e');
        showMessage(QStringLiteral("Making %1 %2 puzzle…").arg(vowel ? "an" : "a", name), false);
    }
}

} // namespace cellwright
