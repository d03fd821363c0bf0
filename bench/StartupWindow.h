#pragma once

class QWidget;

// Runs the event loop until the window system shows `window` (its window is
// exposed: mapped under X11, at once offscreen) and its first frame has been
// drawn into it, then writes the processor time this process has taken so
// far, in milliseconds, as one line on the standard output: the start-up
// benchmark reads it, and the moment it comes, as the end of the start-up.
// False, and nothing written, when that has not happened in five seconds.
bool ReportOnceDrawn(QWidget& window);
