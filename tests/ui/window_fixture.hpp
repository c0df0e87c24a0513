#pragma once

#include "support/fake_platform.hpp"
#include "support/temp_dir.hpp"
#include "ui/form1.hpp"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace cellwright::test {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A loaded, active window over the fake platform, with a private application
// directory; the user's data folder, home and temporary folder lie beside it.
struct WindowFixture {
    explicit WindowFixture(const std::string& arguments = {}) {
        platform.appDir = dir.path();
        platform.dataDir = home.file("data");
        platform.home = home.path();
        platform.tempDir = temp.path();
        platform.arguments = arguments;
        window = std::make_unique<Form1>(platform);
        window->Form_Load();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("window did not become active");
        flashingAfterLoad = window->flasher().isActive();
        window->flasher().stop(); // ticks are driven by hand
    }
    ~WindowFixture() {
        if (window)
            window->hide();
    }

    QPushButton* button(const char* name) const {
        return window->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString message() const { return window->label()->text(); }
    // The grid as 81 characters, '.' for an empty cell, '?' for anything else.
    QString grid() const {
        QString text;
        for (int i = 0; i < 81; ++i) {
            const QString cell = window->cell(i)->text();
            text += cell.isEmpty() || cell == QLatin1String(" ") ? QChar('.')
                    : cell.size() == 1                           ? cell[0]
                                                                 : QChar('?');
        }
        return text;
    }
    void setGrid(std::string_view line) {
        for (int i = 0; i < 81; ++i) {
            const char ch = line[static_cast<std::size_t>(i)];
            window->cell(i)->setText(ch == '.' ? QString() : QString(QChar(ch)));
        }
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    std::string file(const std::string& name) const { return dir.file(name); }
    // Where this window keeps the solver's backups; empty before the first.
    std::string backupDirectory() const { return window->solverHost().folder(); }

    TempDir dir;
    TempDir home;
    TempDir temp;
    FakePlatform platform;
    bool flashingAfterLoad = false;
    std::unique_ptr<Form1> window;
};

} // namespace cellwright::test
