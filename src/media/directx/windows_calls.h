#pragma once

#include <string>

#include "media/directx/ddraw_types.h"

namespace ridgeline {

// The pointer and multimedia calls made around start-up and shutdown. Their
// results are ignored by the game.

// Shows or hides the mouse pointer over the game's window.
int ShowCursor(bool show);

// Sends a command to a multimedia device. No device is ever opened here (the
// game keeps a MIDI file that it never plays), so every command fails with
// "device not open", as it would for a device that was never opened.
long mciSendStringA(const std::string& command, std::string& returnText, long returnLength,
                    HWND callback);

// Plays a sound file through the system's sound player; the game only calls it
// with no sound, to stop one that it never started.
long sndPlaySoundA(const std::string& sound, long flags);

}  // namespace ridgeline
