#include "ui/main_window.hpp"

#include "engine/messages.hpp"
#include "files/puzzle_file.hpp"
#include "files/puzzle_reader.hpp"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

namespace cellwright {

namespace {

std::optional<Digits> wholePuzzleIn(const QString& text) {
    return readWholePuzzle(text.toStdString());
}

// The first local file of a drop, as the bytes the file system holds.
std::optional<std::string> droppedFile(const QMimeData& data) {
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            return QFile::encodeName(url.toLocalFile()).toStdString();
    }
    return std::nullopt;
}

} // namespace

void MainWindow::copyGrid() {
    Board grid;
    fillArray(grid);
    QGuiApplication::clipboard()->setText(QString::fromStdString(puzzleLineOf(grid)));
}

void MainWindow::takePuzzle(const Digits& digits) {
    clearEngine();
    showMessage(QString(), false);
    placeDigits(engine_.board, digits);
    showArray(engine_.board);
    markGivens();
}

bool MainWindow::pastePuzzle(const QString& text) {
    const std::optional<Digits> digits = wholePuzzleIn(text);
    if (!digits)
        return false;
    takePuzzle(*digits);
    return true;
}

void MainWindow::loadDroppedFile(const std::string& path) {
    // Anything may be dropped: only a file holding exactly one puzzle (a
    // board file, a puzzle line, a grid) replaces the user's grid.
    if (const std::optional<Digits> digits = readOnePuzzleFile(path))
        takePuzzle(*digits);
    else
        showMessage(QString::fromUtf8(kErrorLoadingBoard.data(),
                                      static_cast<qsizetype>(kErrorLoadingBoard.size())),
                    true);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData& mime = *event->mimeData();
    if (droppedFile(mime) || wholePuzzleIn(mime.text()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QMimeData& mime = *event->mimeData();
    if (const auto path = droppedFile(mime))
        loadDroppedFile(*path);
    else if (!pastePuzzle(mime.text()))
        return;
    event->acceptProposedAction();
}

} // namespace cellwright
