#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// How a program names itself on the command line and to the desktop.
struct ProgramIdentity {
    QString name;        // the command; also the name of its cache folder and window class
    QString desktopId;   // the name of its desktop entry, metainfo and icon
    QString description; // the line under "Usage:" in the help
    QString fileSyntax;  // how the help shows the optional file, "[project.vv1]"
    QString fileHelp;    // what the file is for
    // When set, `--thumbnail INPUT OUTPUT SIZE` is offered, with this help.
    QString thumbnailHelp = {};
};

// What `--thumbnail INPUT OUTPUT SIZE` asks for: a picture of INPUT, at most SIZE
// pixels a side, written to OUTPUT.
struct ThumbnailRequest {
    // The largest thumbnail the freedesktop sizes ask for.
    static constexpr int kLargest = 1024;
    QString input;
    QString output;
    int size = 0;
};

// A program's command line: -h/--help, -v/--version and at most one file to open.
//
// Help, version and refusals are answered on the terminal without a window. As far
// as it can, main() answers them before the application object exists, so that
// they need no display; an argument that may be one of Qt's own options
// (-platform, -style ...) is left to the application object, which removes those.
class CommandLine {
public:
    enum class Action {
        Run,           // start the window, then open file() when there is one
        ShowHelp,      // print helpText() on standard output, exit 0
        ShowVersion,   // print versionText() on standard output, exit 0
        Refuse,        // print refusal() on standard error, exit 2
        Undecided,     // holds Qt's own options: ask again once the application took them
        MakeThumbnail, // write thumbnail() without a window
    };

    // Names the application (name, version, desktop entry) for Qt as well.
    explicit CommandLine(const ProgramIdentity& identity);

    // `qtOptionsRemoved` tells whether the application object has already taken
    // Qt's own options out of `arguments`. Until it has, an unknown option that is
    // not one of Qt's is refused at once (no display is needed for that), and one
    // of Qt's leaves the answer Undecided.
    Action parse(const QStringList& arguments, bool qtOptionsRemoved);

    // The file to open, as an absolute path; empty when none was given.
    QString file() const { return m_file; }
    QString refusal() const { return m_refusal; }
    const ThumbnailRequest& thumbnail() const { return m_thumbnailRequest; }
    QString helpText() const { return m_parser.helpText(); }
    QString versionText() const;

    // For main(). Before the application object exists: the exit status when the
    // command line is answered without a window.
    std::optional<int> answerBeforeApplication(int argc, char** argv);
    // Nothing when the window is to start or a thumbnail to be made.
    // Once the application object exists: the same for what it left undecided; also
    // gives the windows the program's icon.
    std::optional<int> answerWithApplication();

private:
    // Prints the answer to help, version or a refusal; returns the exit status.
    int answer(Action action) const;

    ProgramIdentity m_identity;
    QCommandLineOption m_help;
    QCommandLineOption m_thumbnail;
    QCommandLineParser m_parser;
    QString m_file;
    QString m_refusal;
    ThumbnailRequest m_thumbnailRequest;
};

} // namespace platform
