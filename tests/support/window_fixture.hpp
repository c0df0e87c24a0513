#pragma once

#include "files/board_paths.hpp"
#include "platform/platform.hpp"
#include "support/temp_dir.hpp"
#include "ui/main_window.hpp"

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTest>

#include <memory>

namespace cellwright::test {

// Records what the window asked of the platform ("title: text") and answers
// what the test scripted. Files are real, in the directory the test names.
class FakePlatform final : public Platform {
  public:
    QString inputBox(const QString& prompt, const QString& title) override {
        inputs.push_back(title + ": " + prompt);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    void messageBox(const QString& text, const QString& title) override {
        messages.push_back(title + ": " + text);
    }
    std::string applicationDirectory() const override { return appDir; }
    std::string userDataDirectory() const override { return dataDir; }
    std::string homeDirectory() const override { return home; }
    std::string temporaryDirectory() const override { return tempDir; }
    std::string commandLine() const override { return arguments; }

    std::string appDir, dataDir, home, tempDir, arguments; // paths as bytes
    QStringList answers, inputs, messages;
};

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A loaded, active window over the fake platform, with a private application
// directory, home (holding the data folder) and temporary folder; the flash
// timer is stopped so that tests drive its ticks.
struct WindowFixture {
    explicit WindowFixture(const std::string& arguments = {}) {
        platform.appDir = dir.path();
        platform.home = home.path();
        platform.dataDir = home.file("data");
        platform.tempDir = temp.path();
        platform.arguments = arguments;
        window = std::make_unique<MainWindow>(platform);
        window->start();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("window did not become active");
        flashingAfterLoad = window->flashTimer().isActive();
        window->flashTimer().stop();
    }
    ~WindowFixture() { window->hide(); }

    // Where the window keeps the solver's backup files; empty before the first.
    std::string backupDirectory() const { return window->solverHost().folder(); }
    std::string backup(int level) const {
        return backupFilePath(backupDirectory(), static_cast<std::int16_t>(level));
    }

    CellEdit* cell(int index) const { return window->cell(index); }
    int focusedCell() const {
        auto* box = dynamic_cast<CellEdit*>(QApplication::focusWidget());
        return box ? box->index() : -1;
    }
    QString message() const { return window->messageLine()->text(); }
    // The grid as 81 characters, '.' for an empty cell.
    QString grid() const {
        QString text;
        for (int i = 0; i < kCellCount; ++i)
            text += cell(i)->text().trimmed().isEmpty() ? QString('.') : cell(i)->text();
        return text;
    }
    void setGrid(std::string_view line) {
        for (int i = 0; i < kCellCount; ++i)
            cell(i)->setText(qs(line.substr(static_cast<std::size_t>(i), 1)).remove('.'));
    }

    std::string file(const std::string& name) const { return dir.file(name); }

    TempDir dir, home, temp;
    FakePlatform platform;
    bool flashingAfterLoad = false;
    std::unique_ptr<MainWindow> window;
};

} // namespace cellwright::test
