#pragma once

#include "files/board_paths.hpp"
#include "platform/platform.hpp"
#include "support/temp_dir.hpp"
#include "ui/form1.hpp"

#include <QApplication>
#include <QDir>
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
    QString applicationDirectory() const override { return appDir; }
    void deleteFiles(const QString& directory, const QString& pattern) override {
        QDir dir(directory);
        for (const QString& name : dir.entryList({pattern}, QDir::Files))
            dir.remove(name);
    }
    QString commandLine() const override { return arguments; }

    QString appDir, arguments;
    QStringList answers, inputs, messages;
};

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A loaded, active window over the fake platform, with a private application
// directory; the flash timer is stopped so that tests drive its ticks.
struct WindowFixture {
    explicit WindowFixture(const QString& arguments = {}) {
        platform.appDir = QString::fromStdString(dir.path());
        platform.arguments = arguments;
        window = std::make_unique<Form1>(platform);
        window->Form_Load();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("window did not become active");
        flashingAfterLoad = window->flasher().isActive();
        window->flasher().stop();
    }
    ~WindowFixture() { window->hide(); }

    // Where the window keeps the solver's backup files.
    std::string backupDirectory() const { return platform.appDir.toStdString(); }
    std::string backup(int level) const {
        return backupFilePath(backupDirectory(), static_cast<std::int16_t>(level));
    }

    SdkBox* cell(int index) const { return window->cell(index); }
    int focusedCell() const {
        auto* box = dynamic_cast<SdkBox*>(QApplication::focusWidget());
        return box ? box->index() : -1;
    }
    QString message() const { return window->label()->text(); }
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

    TempDir dir;
    FakePlatform platform;
    bool flashingAfterLoad = false;
    std::unique_ptr<Form1> window;
};

} // namespace cellwright::test
