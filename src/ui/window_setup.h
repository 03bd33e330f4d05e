// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMainWindow;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class WindowInterface;

// The fixed parts of the window's creation: the hints of the min/max date
// labels and of the offset and drift controls, the original titles field
// read-only.
void set_fixed_texts(QWidget* surface);

// Texts that follow a caption: each folder label and its folder button take
// the folder as their hint, and the label a small font when the folder is
// too long for it; the listing button's hint follows the input mode.
void follow_captions(QWidget* surface, const Session& session, WindowInterface& ui);

// The window's size and place: the size its zones ask for where the screen
// allows (its frame and title bar included), else the free area, the zones
// then scrolling; centred, its top at a third of the free height.
void place_window(QMainWindow* window, const QWidget* zones);

}  // namespace talve::ui
