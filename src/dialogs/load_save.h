// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QDialog>
#include <QString>

#include "controls/drive_control.h"

class QLabel;
class QLineEdit;

namespace tallimer {

class SuperButton;

// The program's own open and save dialog: the browser DriveList, the file-name box and the
// buttons Cancel (Command1(2)) and Open or Save (Command1(1)). Its one output is
// calcFilePath(), always ending in ".Clc", or "" when the user cancels or closes it. Confirm
// and Cancel only hide it; the close box unloads it (unloaded() tells the owner to make a new
// one next time).
class LoadSave : public QDialog {
    Q_OBJECT

public:
    explicit LoadSave(QWidget* owner,
                      DriveControl::Sources sources = DriveControl::systemSources());

    // The path: set by the owner before showing, followed by the box while it is edited.
    const QString& calcFilePath() const { return m_calcFilePath; }
    void setCalcFilePath(const QString& path) { m_calcFilePath = path; }

    DriveControl& DriveList() const { return *m_DriveList; }
    QLineEdit& txtSearchSpec() const { return *m_txtSearchSpec; }
    QLabel& Label1() const { return *m_Label1; }
    // Index 1 confirms, 2 cancels.
    SuperButton& Command1(int index) const;
    bool unloaded() const { return m_unloaded; }

    // Escape is Cancel.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // `list`: the folder is listed again.
    void Form_Activate(bool list);
    void Command1_Click(int index);
    void DriveList_MouseUp();
    void DriveList_DblClick();
    // Sets the box from code with the caret at the start, as typing in front of ".Clc" needs.
    void setSearchSpec(const QString& text);
    // The key-down and key-press stages of a key in the box; true when the key is used up.
    bool txtSearchSpec_Key(const QKeyEvent& event);
    int pixels(double twips) const;

    QString m_calcFilePath;
    DriveControl* m_DriveList = nullptr;
    QLineEdit* m_txtSearchSpec = nullptr;
    QLabel* m_Label1 = nullptr;
    std::array<SuperButton*, 2> m_Command1{};  // indexes 1 and 2
    bool m_unloaded = false;
    bool m_listedOnShow = false;  // until the activation that follows the showing
};

}  // namespace tallimer
