// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include <QAccessible>
#include <QImage>
#include <QString>
#include <QWidget>

#include "controls/drive_entries.h"
#include "controls/drive_icons.h"
#include "platform/folder_listing.h"
#include "platform/volumes.h"

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPainter;
class QPaintEvent;
class QResizeEvent;

namespace tallimer {

class ScreenReaderNotice;
class VynVerticalScroll;

// The program's own drive, folder and file browser: drives, the home folder, "..", the
// folders and the filtered files of the current folder in large rows drawn by the control,
// with the scroll bar sFiles at the right edge. It keeps its folder as a path of its own,
// starting in the process's current folder, which it never changes; every listing is a job of
// the file service. Positions in its events are twips.
class DriveControl : public QWidget {
    Q_OBJECT

public:
    // Where the drives, the home folder and a folder's entries come from; tests hand in
    // fixed ones. `list` runs on a worker thread, as a hung file system may never answer; when
    // empty, the folder is read from the file system. `volumes` reads the mount tables only;
    // `volumeDetails`, when given, runs on a worker too and gives the same volumes with their
    // labels and kinds, which replace the drives shown once they arrive.
    struct Sources {
        std::function<std::vector<Volume>()> volumes;
        std::function<QString()> home;
        std::function<FolderListing(const QString& folder,
                                    const std::function<bool(QStringView)>& wantFile)>
            list{};
        std::function<std::vector<Volume>()> volumeDetails{};
    };
    static Sources systemSources();

    explicit DriveControl(QWidget* parent = nullptr, Sources sources = systemSources());

    // Lists the folder PathDir (relative to the folder listed); with "" the folder listed, whose
    // path is written back. The drives and the home entry are listed at once, the folder's own
    // entries when they have been read; a newer listing supersedes one still being read. A
    // folder that cannot be read leads back to the last one that could.
    void GetDir(QString& PathDir);
    // The folder listed or being listed, an absolute path.
    const QString& folder() const { return m_folder; }
    // The files of the folder's last listing that has arrived; none before one has.
    std::vector<QString> listedFiles() const {
        return m_finishedFolder == m_folder ? m_finishedFiles : std::vector<QString>{};
    }
    // True while the folder listed is still being read.
    bool listingPending() const { return m_pending; }
    // Sets the file filter and lists the current folder again.
    QString FileExtention(const QString& Pattern);

    QString DrivePathFile() const { return m_DrivePathFile; }
    QString FileName() const { return m_FileName; }
    QString SelectPath() const { return m_SelectPath; }

    // The listing as drawn, for the control's container and its tests.
    const std::vector<DriveEntry>& Entries() const { return m_entries.rows; }
    std::int32_t RowsVisible() const { return m_RowsVisible; }
    std::int32_t RowHeight() const { return m_RowHeight; }  // twips
    std::int32_t SelectedEntry() const { return m_SelectedEntry; }
    VynVerticalScroll& sFiles() const { return *m_sFiles; }
    // The surface as last drawn.
    const QImage& surface() const { return m_Surface; }
    // Where entry `index` is drawn, in pixels; empty while it is scrolled out of view.
    QRect entryRect(int index) const;
    // Does what a click on the entry's row does, MouseUp included; a screen reader's press.
    void pressEntry(int index);
    // The entry the keys work on, drawn while the list has the focus; a new listing starts
    // with its first entry, a click makes the clicked one current. -1 while nothing is listed.
    int currentEntry() const { return m_current; }

signals:
    void DblClick();
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
    void KeyPress(std::int16_t& KeyAscii);
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Drawing (drive_control.cpp).
    void layOut();
    void sFiles_Change();
    // Draws entry `index` with its top at `top` pixels; returns the next row's top.
    int drawRow(QPainter& painter, int index, int top, bool onSystemColour = false);
    // Repaints the visible rows over what is there, the band under the pointer in `highlight`.
    void paintFeedback(float x, float y, bool press);
    void clearSurface();
    double twipsPerPixel() const;
    int pixels(double twips) const;

    // Input (drive_control_input.cpp).
    // The click of a release at `y` twips; false when it hit no entry and raises no MouseUp.
    bool clickAt(float y);
    // Selects the entry (a screen reader told) and opens it.
    void chooseEntry(int index);
    void openEntry(int index);
    // Tells an assistive technology of a new listing or the chosen entry; costs nothing when
    // none is running.
    void announce(QAccessible::Event type, int index = 0);
    // PageUp, PageDown, Up and Down move the list; false for any other key.
    bool moveByKey(std::int16_t keyCode);
    // The keys of the current entry (drive_control_keys.cpp); false for any other key.
    bool currentByKey(const QKeyEvent& event);
    // Makes `index` current, scrolled into view, and tells a screen reader while focused.
    void setCurrent(int index);
    // The entry after the current one, round the list, whose name begins with `letter`.
    int nextStartingWith(QChar letter) const;
    // Opens the current entry as a click does; a file as a double click does with `confirm`.
    void pressCurrent(bool confirm);
    // The current entry to a screen reader, and the folder entered when `folderToo`.
    void tellCurrent(bool folderToo);
    // A name of the folder listed as a full path.
    QString inFolder(const QString& name) const;

    // Listing (drive_control_listing.cpp): draws the rows of `folder` when they arrive.
    void showListing(const QString& folder, bool opened, std::vector<DriveEntry>& rows,
                     std::vector<QString>& files);
    // The drives to show: the last details while they name the same mounts as the tables.
    std::vector<Volume> currentVolumes();
    void showVolumeDetails(std::vector<Volume>& details);

    Sources m_sources;
    DriveEntries m_entries;
    std::uint64_t m_generation = 0;  // of the listing last asked for
    bool m_pending = false;
    QString m_folder;               // listed, or being listed
    QString m_reachable;            // the last folder whose listing could be read
    std::vector<Volume> m_volumes;  // as shown
    std::vector<Volume> m_details;  // the last details that arrived
    QObject m_volumeJobs;           // asks for the details, apart from the listings
    QString m_home;
    QString m_finishedFolder;  // of the last listing that arrived, and its files
    std::vector<QString> m_finishedFiles;
    std::int32_t m_RowsVisible = 0;
    std::int32_t m_RowHeight = 0;
    std::int32_t m_SelectedEntry = -1;
    int m_current = -1;
    bool m_entered = false;  // a folder opened from the list, whose name is still to be told
    ScreenReaderNotice* m_notice = nullptr;  // made when first needed
    QString m_ExtFilter;
    QString m_DrivePathFile;
    QString m_FileName;
    QString m_SelectPath;

    VynVerticalScroll* m_sFiles = nullptr;
    std::array<QImage, kDriveIconCount> pImage;
    QImage m_Background;  // white with the grey strip at the right edge
    QImage m_Surface;
    int m_rowPixels = 0;
    bool m_DoubleClicked = false;
};

}  // namespace tallimer
