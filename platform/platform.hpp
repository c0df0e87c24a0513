#pragma once

#include <QString>

#include <optional>
#include <string>

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

    // Paths are the bytes the file system holds: a folder whose name is not
    // valid UTF-8 must come back as it is, not re-encoded.

    // The directory that holds the program, without a trailing separator;
    // empty when it cannot be found.
    virtual std::string applicationDirectory() const = 0;
    // The user's own folder for the program's data, where boards go when the
    // program's folder cannot be written. It may not exist yet.
    virtual std::string userDataDirectory() const = 0;
    // The user's home folder, for names typed as "~/...".
    virtual std::string homeDirectory() const = 0;
    // Where the window makes its private folder for the solver's backups.
    virtual std::string temporaryDirectory() const = 0;
    // The program's arguments as one text, without the program's own name.
    virtual std::string commandLine() const = 0;
};

// A typed name as the bytes the file system is handed.
std::string fileNameBytes(const QString& name);

// Decimal text to number: one or more ASCII digits and nothing else (a text too
// long for an int fails too). Anything else, the empty text included, has no value.
std::optional<int> textToNumber(const QString& text);

} // namespace cellwright
