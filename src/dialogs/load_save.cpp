// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/load_save.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

#include "controls/input_codes.h"
#include "controls/ole_color.h"
#include "controls/super_button.h"
#include "controls/widget_look.h"
#include "files/clc_format.h"
#include "files/strip_extension.h"
#include "platform/twips.h"

namespace tallimer {

namespace {

constexpr std::uint32_t kDialogBack = 0x00F0F0F0;
constexpr std::uint32_t kLabelText = 0x00404040;

// b.CLC and b.Clc are two files here, and the list shows ".Clc" files in any letter case: a
// name the listed folder holds only in another case names the file listed. Only a listing
// that has arrived says what the folder holds, never one still being read.
QString inListedCase(const QString& path, const std::vector<QString>& files) {
    if (path.contains(u'/') || std::find(files.begin(), files.end(), path) != files.end()) {
        return path;
    }
    const auto other = std::find_if(files.begin(), files.end(), [&path](const QString& name) {
        return name.compare(path, Qt::CaseInsensitive) == 0;
    });
    return other != files.end() ? *other : path;
}

}  // namespace

LoadSave::LoadSave(QWidget* owner, DriveControl::Sources sources)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
    setFont(arial(8.25, true));
    setAutoFillBackground(true);
    setColour(*this, QPalette::Window, kDialogBack);
    setFixedSize(pixels(7095), pixels(4665));
    // The controls keep their places in a right-to-left language; the label reads in its own.
    setLayoutDirection(Qt::LeftToRight);

    auto place = [this](QWidget& widget, int left, int top, int width, int height) {
        widget.setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
    };

    m_txtSearchSpec = new QLineEdit(this);
    place(*m_txtSearchSpec, 1575, 3480, 5355, 420);
    m_txtSearchSpec->setFont(arial(15.75, false));
    m_txtSearchSpec->installEventFilter(this);
    connect(m_txtSearchSpec, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_calcFilePath = text; });

    m_Label1 = new QLabel(tr("File Name:"), this);
    place(*m_Label1, 405, 3555, 1110, 270);
    m_Label1->setFont(arial(11.25, true));
    m_Label1->setLayoutDirection(m_Label1->text().isRightToLeft() ? Qt::RightToLeft
                                                                  : Qt::LeftToRight);
    m_Label1->setAutoFillBackground(true);
    setColour(*m_Label1, QPalette::Window, kSystemWindowBackground);
    QPalette labelLook = m_Label1->palette();
    labelLook.setColor(
        QPalette::WindowText,
        textOnSystemBackground(rgbFromOle(kLabelText), rgbFromOle(kSystemWindowBackground),
                               labelLook.color(QPalette::Text).rgb()));
    m_Label1->setPalette(labelLook);
    // Names the box for a screen reader; the caption has no mnemonic, so nothing shows.
    m_Label1->setBuddy(m_txtSearchSpec);

    const char* const captions[] = {QT_TR_NOOP("Open"), QT_TR_NOOP("Cancel")};
    const int lefts[] = {5400, 3825};
    for (int i = 0; i < 2; ++i) {
        auto* button = new SuperButton(this);
        place(*button, lefts[i], 4005, 1545, 555);
        // The button's own defaults, as a designed button without colours of its own has.
        button->setBackColor(SuperButton::kSavedBackColor);
        button->setRenderColor(SuperButton::kSavedRenderColor);
        button->setFont(arial(11.25, true));
        button->setCaption(tr(captions[i]));
        const int index = i + 1;
        connect(button, &SuperButton::Click, this, [this, index] { Command1_Click(index); });
        m_Command1[static_cast<std::size_t>(i)] = button;
    }

    m_DriveList = new DriveControl(this, std::move(sources));
    place(*m_DriveList, 90, 135, 6855, 3210);
    connect(m_DriveList, &DriveControl::MouseUp, this,
            [this](std::int16_t&, std::int16_t&, float&, float&) { DriveList_MouseUp(); });
    connect(m_DriveList, &DriveControl::DblClick, this, [this] { DriveList_DblClick(); });

    setTabOrder(m_txtSearchSpec, m_Command1[1]);
    setTabOrder(m_Command1[1], m_Command1[0]);
    setTabOrder(m_Command1[0], m_DriveList);
    m_txtSearchSpec->setFocus();
}

SuperButton& LoadSave::Command1(int index) const {
    return *m_Command1[index == 2 ? 1 : 0];
}

int LoadSave::pixels(double twips) const {
    return twipsToPixels(twips, twipsPerPixel(logicalDpiY()));
}

bool LoadSave::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::Show) {
        m_txtSearchSpec->setFocus(Qt::OtherFocusReason);  // first in the tab order
    }
    const bool shown = event->type() == QEvent::Show;
    if (shown || event->type() == QEvent::WindowActivate) {
        // The activation that follows a showing lists nothing more: the showing has listed.
        Form_Activate(shown || !m_listedOnShow);
    }
    m_listedOnShow = shown || (m_listedOnShow && event->type() != QEvent::WindowActivate &&
                               event->type() != QEvent::Hide);
    return handled;
}

void LoadSave::Form_Activate(bool list) {
    if (list) {
        m_DriveList->FileExtention(kClcExtension);
    }
    setSearchSpec(StripExtension(m_txtSearchSpec->text()) + kClcExtension);
}

void LoadSave::setSearchSpec(const QString& text) {
    m_txtSearchSpec->setText(text);
    m_txtSearchSpec->setCursorPosition(0);
}

void LoadSave::closeEvent(QCloseEvent* event) {
    m_unloaded = true;
    QDialog::closeEvent(event);  // rejects, which clears the path
}

void LoadSave::reject() {
    m_calcFilePath.clear();
    QDialog::reject();
}

void LoadSave::Command1_Click(int index) {
    if (index == 2) {
        reject();
        return;
    }
    if (m_calcFilePath.isEmpty()) {
        return;
    }
    const QString path = StripExtension(m_txtSearchSpec->text()) + kClcExtension;
    // ".Clc" alone, or a folder followed by it, names a hidden file that no listing shows and
    // no opening finds: nothing is chosen yet.
    if (QFileInfo(path).fileName().startsWith(u'.')) {
        return;
    }
    m_calcFilePath = inListedCase(path, m_DriveList->listedFiles());
    accept();
}

void LoadSave::DriveList_MouseUp() {
    setSearchSpec(StripExtension(m_DriveList->FileName()) + kClcExtension);
}

void LoadSave::DriveList_DblClick() {
    DriveList_MouseUp();
    // Only a file confirms: a double click that opened a folder or a drive has listed it, and
    // one below the last row chose nothing; the last file's name belongs to neither.
    const auto selected = static_cast<std::size_t>(m_DriveList->SelectedEntry());
    const std::vector<DriveEntry>& rows = m_DriveList->Entries();
    if (m_DriveList->SelectedEntry() > 0 && selected < rows.size() &&
        (rows[selected].type == kEntryFile || rows[selected].type == kEntryReadOnlyFile)) {
        Command1_Click(1);
    }
}

bool LoadSave::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtSearchSpec && event->type() == QEvent::KeyPress) {
        return txtSearchSpec_Key(static_cast<const QKeyEvent&>(*event));
    }
    return QDialog::eventFilter(watched, event);
}

bool LoadSave::txtSearchSpec_Key(const QKeyEvent& event) {
    switch (keyCodeOf(event)) {
        case kKeyPageUp:
        case kKeyPageDown:
        case kKeyUp:
        case kKeyDown:
            m_DriveList->setFocus(Qt::OtherFocusReason);
            return true;
        default:
            break;
    }
    const QString text = event.text();
    if (text == QStringLiteral("\r") || text == QStringLiteral("\n")) {
        Command1(1).setFocus(Qt::OtherFocusReason);
        return true;
    }
    return std::any_of(text.begin(), text.end(), discardedInFileName);
}

}  // namespace tallimer
