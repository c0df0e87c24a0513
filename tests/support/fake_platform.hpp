#pragma once

#include "platform/platform.hpp"

#include <QDir>
#include <QStringList>

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

} // namespace cellwright::test
