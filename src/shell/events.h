#pragma once

// Lets the window process its pending events once: every event waiting is
// handed to Form1's handlers, which may change the game, restart it or end
// the program before this returns.
void DoEvents();
