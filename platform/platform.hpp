#pragma once

#include <QString>

#include <optional>

namespace cellwright {

// The services the window takes from the toolkit and the operating system, in
// one place so that tests can replace them: no real dialog opens in a test, and
// the application directory can be a private temporary one.
class Platform {
  public:
    virtual ~Platform() = default;

    // Modal; the typed text, or the empty text on Cancel.
    virtual QString inputBox(const QString& prompt, const QString& title) = 0;
    // Modal, OK only, no icon; text may hold CR LF.
    virtual void messageBox(const QString& text, const QString& title) = 0;
    // The directory that holds the program, without a trailing separator.
    virtual QString applicationDirectory() const = 0;
    // Deletes every file in directory whose name matches a wildcard pattern
    // ("backup*.bak"); no match is not an error.
    virtual void deleteFiles(const QString& directory, const QString& pattern) = 0;
    // The program's arguments as one text, without the program's own name.
    virtual QString commandLine() const = 0;
};

// Decimal text to number: one or more ASCII digits and nothing else (a text too
// long for an int fails too). Anything else, the empty text included, has no value.
std::optional<int> textToNumber(const QString& text);

} // namespace cellwright
