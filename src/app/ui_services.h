#pragma once
// Everything a window does that would block or leave the program (message boxes,
// file dialogs, the conflict message, web pages, external programs) goes through
// these callbacks, so tests can replace them and read what would have been shown.

#include <QString>
#include <QStringList>
#include <QUrl>

class QPainter;
class QRectF;

#include "model/failure.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace vendrix {

// What undoing or redoing a stored change does to the results of the last run.
enum class StepEffect {
    InvalidatesResults, // the run's inputs may have changed: results go, as after Modify Input Data
    KeepsResults, // only choices the run does not read (quantities, report options)
};

// Stores into the saved fields of the record as one undoable step named `step`.
using RecordCommit = std::function<void(const QString &step, const std::function<void()> &store,
                                        StepEffect effect)>;

struct UiServices
{
    // A plain message box with an OK button ("Please enter a number.").
    std::function<void(QWidget *parent, const QString &text)> message;
    // A message box with the error icon (data directory and file failures). When
    // left empty, `message` shows the text.
    std::function<void(QWidget *parent, const QString &text)> error;
    // The conflict message dialog with its error number ("Error No.101") and text,
    // both Windows-1252 as built by the rules.
    std::function<void(QWidget *parent, const std::string &errorNumberText,
                       const std::string &messageText)>
        conflict;
    // Yes / No / Cancel question; returns QMessageBox::StandardButton.
    std::function<int(QWidget *parent, const QString &text)> askYesNoCancel;
    // File dialogs; an empty result means cancelled.
    std::function<QString(QWidget *parent, const QString &caption, const QString &directory,
                          const QString &filter)>
        openFileName;
    std::function<QString(QWidget *parent, const QString &caption, const QString &suggestedPath,
                          const QString &filter)>
        saveFileName;
    std::function<bool(const QUrl &url)> openUrl;
    std::function<bool(const QString &program, const QStringList &arguments)> startProgram;
    // The one way a window stores into the fields the project file saves: call
    // commitStep() below. The open project's document sets it, so that each
    // store becomes an undoable step and marks the project modified.
    RecordCommit commitToRecord;
};

// Runs `store` (the assignments into the record a confirmed dialog makes)
// through services.commitToRecord; whatever it changed in the saved fields
// becomes one step, "Undo <step>". Without a document `store` simply runs.
void commitStep(const UiServices &services, const QString &step, const std::function<void()> &store,
                StepEffect effect = StepEffect::InvalidatesResults);

// The real dialogs and desktop services.
UiServices defaultUiServices();

// The folder a file dialog starts in: the project file's, else the last folder
// a file was chosen in during this run, else empty (the toolkit's choice).
QString startFolder(const std::filesystem::path &projectPath);
// The project file's name without folder and suffix, or `fallback` for a
// project never saved: the name a save dialog suggests for its outputs.
QString projectFileStem(const std::filesystem::path &projectPath, const char *fallback);

// The file a save dialog returned, with the suffix of the filter chosen in it
// when the name has none or still has the suggested one (a picture saved with
// "SVG pictures" chosen is an SVG file). Other typed suffixes are kept.
QString suffixForChosenFilter(const QString &path, const QString &suggestedSuffix,
                              const QString &chosenFilter);

// Remembers the folder of a chosen file for startFolder().
void rememberFolderOf(const QString &path);

// Asks where to save through services.saveFileName, suggesting `name` in the
// start folder; remembers the folder of the answer. Empty: cancelled.
QString askSaveFileName(const UiServices &services, QWidget *parent,
                        const std::filesystem::path &projectPath, const QString &caption,
                        const QString &name, const QString &filter);

// Shows `text` through `error`, or through `message` when no error box is set.
void showError(const UiServices &services, QWidget *parent, const QString &text);

// `path` with "." + `suffix` added when it has none; an empty path stays empty.
QString withDefaultSuffix(QString path, const char *suffix);

// Writes the file at `path` through `write`; an empty path means cancelled. A
// failure is shown with showError.
using FileWriter = std::function<std::optional<Failure>(const std::filesystem::path &path)>;
void writeChosenFile(const UiServices &services, QWidget *parent, const QString &path,
                     const FileWriter &write);

// Asks for a PNG or SVG file (suggesting `name`) and writes the chart that
// `draw` paints into a 900 x 560 picture there; a failure is shown.
using ChartDrawing = std::function<void(QPainter &, const QRectF &)>;
void saveChartPicture(const UiServices &services, QWidget *parent,
                      const std::filesystem::path &projectPath, const QString &caption,
                      const QString &name, const ChartDrawing &draw);

} // namespace vendrix
