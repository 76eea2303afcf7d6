#pragma once

class QWidget;

// The end of the program, from the rooms screen's exit button: the
// configuration is saved first, whatever the device does; then, when the
// Zolvo is connected and its tables differ from the configuration, the user
// may send scenes, sun table and timer program before the program ends.
//
// A save that fails is reported and the program stays open, so nothing the
// user made is lost by ending; returns false then. Returns true once the
// application has been asked to quit.
bool runExitSequence(QWidget* mainWindow);

// The pause after sending, so the device has taken the last table before
// the program lets go of it.
inline constexpr int exitPauseAfterSendMs = 1000;
