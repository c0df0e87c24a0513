#pragma once

#include "files/board_paths.hpp"
#include "support/fake_platform.hpp"
#include "support/temp_dir.hpp"
#include "ui/form1.hpp"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <memory>

namespace cellwright::test {

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
    std::string file(const std::string& name) const { return dir.file(name); }

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
            cell(i)->setText(line[static_cast<std::size_t>(i)] == '.'
                                 ? QString()
                                 : qs(line.substr(static_cast<std::size_t>(i), 1)));
    }

    TempDir dir;
    FakePlatform platform;
    bool flashingAfterLoad = false;
    std::unique_ptr<Form1> window;
};

} // namespace cellwright::test
