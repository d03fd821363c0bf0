#pragma once

class QWidget;

// Runs the event loop until the window system shows `window` (its window is
// exposed: mapped under X11, at once offscreen); false after five seconds.
bool WaitUntilMapped(QWidget& window);
