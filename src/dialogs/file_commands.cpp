// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/file_commands.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "controls/super_button.h"
#include "dialogs/load_save.h"
#include "dialogs/message_box.h"
#include "engine/calculator.h"
#include "files/clc_format.h"
#include "files/ordered_save.h"
#include "platform/folder_listing.h"

namespace tallimer {

bool normalFileExists(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.fileName().startsWith(u'.');
}

QString droppedClcFile(const QMimeData& mime) {
    const QList<QUrl> urls = mime.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return {};
    }
    const QString path = urls.front().toLocalFile();
    return path.contains(kClcExtension) ? path : QString();
}

FileCommands::FileCommands(Calculator& calc, QWidget& owner)
    : QObject(&owner), m_calc(calc), m_owner(owner) {
    showDialog = [](LoadSave& dialog) { dialog.exec(); };
    showFailure = [this] {
        showMessageBox(&m_owner,
                       QCoreApplication::translate("tallimer::FileCommands", kFileFailureText));
    };
    m_owner.setAcceptDrops(true);
    m_owner.installEventFilter(this);
}

FileCommands::~FileCommands() {
    m_owner.removeEventFilter(this);
    if (m_pending > 0) {
        QApplication::restoreOverrideCursor();  // a job still pending is forgotten
    }
}

LoadSave* FileCommands::dialog() const {
    return m_dialog.data();
}

LoadSave& FileCommands::loadSave() {
    if (m_dialog.isNull()) {
        m_dialog = new LoadSave(&m_owner, dialogSources);
    }
    return *m_dialog;
}

QString FileCommands::commandText(std::int16_t Index) {
    return Index == 0 ? tr("Open Calculation...") : tr("Save Calculation...");
}

void FileCommands::LD_Click(std::int16_t Index) {
    QString folder = processFolder();
    if (Index < 5) {
        LoadSave& dialog = loadSave();
        dialog.setWindowTitle(commandText(Index));
        dialog.Command1(1).setCaption(Index == 0 ? LoadSave::tr("Open") : LoadSave::tr("Save"));
        dialog.setCalcFilePath(CalcFilePath);
        showDialog(dialog);
        // The dialog's answer, read once it has closed; none if it went away meanwhile.
        CalcFilePath = m_dialog.isNull() ? QString() : m_dialog->calcFilePath();
        if (!m_dialog.isNull()) {
            folder = m_dialog->DriveList().folder();
        }
        if (!m_dialog.isNull() && m_dialog->unloaded()) {
            // Closed by its close box: the next use makes a new one.
            m_dialog->hide();
            m_dialog->deleteLater();
            m_dialog = nullptr;
        }
    }
    if (CalcFilePath.isEmpty()) {
        return;
    }
    const QString path = QDir::isAbsolutePath(CalcFilePath)
                             ? CalcFilePath
                             : QDir::cleanPath(folder + u'/' + CalcFilePath);
    if (Index == 0 || Index == 5) {
        openFile(path);
    } else if (Index == 1) {
        saveFile(path);
    }
}

namespace {

struct Opened {
    bool found = false;  // a normal file: anything else opens nothing and says nothing
    bool read = false;
    Tape tape;
};

}  // namespace

template <class Work, class Done>
QObject* FileCommands::startJob(Work work, Done done, AtQuit atQuit,
                                std::function<bool()> abandon) {
    // A requester of its own: a job never supersedes another.
    auto* job = new QObject(this);
    if (m_pending++ == 0) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    FileService::instance().run(
        job, {}, std::move(work),
        [this, job, done = std::move(done)](auto& result) mutable {
            jobEnded(job);
            done(result);
        },
        JobLimits{.timeLimit = FileService::timeLimit(),
                  .failed =
                      [this, job] {
                          jobEnded(job);
                          showFailure();
                      },
                  .abandon = std::move(abandon),
                  .heldAtQuit = atQuit == AtQuit::Wait});
    return job;
}

void FileCommands::jobEnded(QObject* job) {
    job->deleteLater();
    if (m_openJobs.erase(job) != 0 && m_openJobs.empty()) {
        emit openingChanged(false);
    }
    if (--m_pending == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void FileCommands::openFile(const QString& path) {
    const std::uint64_t open = ++m_newestOpen;
    QObject* job = startJob(
        [path, settings = m_calc.settings()] {
            Opened opened;
            opened.found = normalFileExists(path);
            // Read into a tape of its own: a file that fails part-way leaves the calculation
            // as it was.
            opened.read = opened.found && loadClc(path, settings, opened.tape, nullptr);
            return opened;
        },
        [this, open](Opened& opened) {
            if (open != m_newestOpen) {
                return;  // a newer open fills the tape
            }
            if (opened.read) {
                applyOpened(opened.tape);
            } else if (opened.found) {
                showFailure();
            }
        },
        AtQuit::Leave);
    m_openJobs.insert(job);
    if (m_openJobs.size() == 1) {
        emit openingChanged(true);
    }
}

void FileCommands::saveFile(const QString& path) {
    // Once the user has been told a save failed, it never replaces the file afterwards.
    auto order = std::make_shared<OrderedSave>(path);
    startJob([path, tape = m_calc.tape, settings = m_calc.settings(),
              order] { return saveClc(path, tape, settings, nullptr, *order); },
             [this](bool saved) {
                 if (!saved) {
                     showFailure();
                 }
             },
             AtQuit::Wait, [order] { return order->abandon(); });
}

void FileCommands::applyOpened(Tape& tape) {
    m_calc.tape = std::move(tape);
    m_calc.applyLayout(m_calc.LastRow);  // pads to the rows, sets the range, refreshes
    m_calc.MailCalc();
    emit tapeOpened();
}

void FileCommands::openStartupFile(const QStringList& arguments) {
    const QString commandLine = arguments.join(u' ');
    if (!commandLine.contains(kClcExtension)) {
        return;
    }
    CalcFilePath = QString(commandLine).remove(u'"');
    LD_Click(5);
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_owner) {
        return false;
    }
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData() != nullptr && !droppedClcFile(*drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path =
                drop->mimeData() != nullptr ? droppedClcFile(*drop->mimeData()) : QString();
            if (path.isEmpty()) {
                drop->ignore();
                return true;
            }
            drop->acceptProposedAction();
            // After the drop has ended, so a failure message does not hold the dragging program.
            QTimer::singleShot(0, this, [this, path] {
                CalcFilePath = path;
                LD_Click(5);
            });
            return true;
        }
        default:
            return false;
    }
}

}  // namespace tallimer
