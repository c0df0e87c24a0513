#include "platform/qt_platform.hpp"
#include "ui/main_window.hpp"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool asksForHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* flag : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], flag) == 0)
                return true;
        }
    }
    return false;
}

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Cellwright, a Sudoku solver.\n\n"
        "Right-click a cell (or press Menu, Shift+F10) for hints, a solution check,\n"
        "the difficulty, undo and redo, and new puzzles. Keys in the window:\n"
        "  F12       next step             Ctrl+Z                undo\n"
        "  Ctrl+F12  hint: which digit     Ctrl+Shift+Z, Ctrl+Y  redo\n"
        "  Alt+F12   hint: where to look   Ctrl+N                new puzzle"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("board"), QStringLiteral("A board file to open."),
                                 QStringLiteral("[board]"));
}

bool hasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("cellwright"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CELLWRIGHT_VERSION));
    if (asksForHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCommandLineParser parser;
        describe(parser);
        parser.process(app); // prints and exits
        return 0;
    }
    if (!hasDisplay()) {
        std::fprintf(stderr, "cellwright: no display found (neither DISPLAY nor WAYLAND_DISPLAY is "
                             "set); try: xvfb-run -a cellwright [board]\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    cellwright::QtPlatform platform(argc, argv);
    cellwright::MainWindow window(platform);
    platform.setDialogParent(&window);
    window.start();
    return QApplication::exec();
}
