// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <unordered_set>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "controls/drive_control.h"
#include "engine/tape.h"
#include "platform/file_service.h"

class QMimeData;
class QWidget;

namespace tallimer {

class Calculator;
class LoadSave;

// The text of the one message every failed open or save shows.
inline constexpr char kFileFailureText[] =
    QT_TRANSLATE_NOOP("tallimer::FileCommands", "Cannot write to read only file or drive...");

// True for a regular file that is not hidden: what opening a calculation looks for. Touches
// the file system: call it off the GUI thread.
bool normalFileExists(const QString& path);

// The ".Clc" file a drop carries: one local file whose path contains ".Clc"; "" otherwise.
QString droppedClcFile(const QMimeData& mime);

// The open and save commands of the main window (its menu array LD) and the dialog they show.
// Also takes ".Clc" files dropped on the window. Every read and write is a job of the file
// service: the window answers meanwhile, under the busy cursor, and the tape changes only when
// a file has been read whole, by the newest open; while an open is pending the window takes no
// edits of the tape. No command waits for another's job; a job not ended within the time limit
// has failed, and its late answer is dropped: a save told failed never lands afterwards, and
// saves of one file land in the order they were made.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(Calculator& calc, QWidget& owner);
    ~FileCommands() override;

    // The file to open or save; "" for none. A relative path is in the dialog's folder, or for
    // the start-up file and a dropped one, in the folder the program started in. The dialog
    // starts from it and answers into it when it closes.
    QString CalcFilePath;

    // 0 opens through the dialog, 1 saves through it, 5 opens CalcFilePath without it.
    void LD_Click(std::int16_t Index);
    // The command's text, translated: the window's menu item and the dialog's title (0 or 1).
    static QString commandText(std::int16_t Index);
    // The start-up file: the program's arguments joined by blanks, when they name a ".Clc"
    // file, are opened with index 5.
    void openStartupFile(const QStringList& arguments);
    // True while a file is being read or written, within the time limit.
    bool busy() const { return m_pending > 0; }
    // True while a file is being opened: the tape takes no edits meanwhile.
    bool opening() const { return !m_openJobs.empty(); }

    // Shows the dialog modally; tests put their own answer in its place.
    std::function<void(LoadSave&)> showDialog;
    // Shows the failure message; tests count the calls instead.
    std::function<void()> showFailure;
    // Where the dialog's browser finds the drives and the home folder.
    DriveControl::Sources dialogSources = DriveControl::systemSources();

    // The dialog while it exists (after first use, until closed by its close box).
    LoadSave* dialog() const;

signals:
    // A file has been read onto the tape and its total shown.
    void tapeOpened();
    // An open has begun while none was pending (true), or the last pending one has ended.
    void openingChanged(bool opening);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LoadSave& loadSave();
    // Runs the command on CalcFilePath, an absolute path, as a job.
    void openFile(const QString& path);
    void saveFile(const QString& path);
    // Whether the program's end waits for a job.
    enum class AtQuit { Leave, Wait };
    // Runs `work` as a job of its own under the busy cursor; `done(result)` follows unless it
    // failed first, which shows the failure; `abandon` as in JobLimits. Returns the job (its
    // requester).
    template <class Work, class Done>
    QObject* startJob(Work work, Done done, AtQuit atQuit, std::function<bool()> abandon = {});
    // A job has ended, done or failed: the busy cursor goes with the last.
    void jobEnded(QObject* job);
    // A read file's tape becomes the calculation.
    void applyOpened(Tape& tape);

    Calculator& m_calc;
    QWidget& m_owner;
    QPointer<LoadSave> m_dialog;
    int m_pending = 0;                              // jobs neither ended nor failed
    std::unordered_set<const QObject*> m_openJobs;  // the opens among them
    std::uint64_t m_newestOpen = 0;                 // only this open may fill the tape
};

}  // namespace tallimer
