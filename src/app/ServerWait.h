#pragma once

#include <chrono>

class QObject;

// Waiting for a lost server without freezing the screens: the event loop
// runs, so windows repaint and the test screen's clock ticks on, but no
// keyboard or mouse input reaches any window, no window closes or hears that
// it came to the front, and no screen's timer fires but the ones marked to
// tick through waits, so no handler starts anew on the connection being
// waited for.
namespace ServerWait {

// Runs the event loop for `duration` as said above.
void KeepScreensAliveFor(std::chrono::milliseconds duration);

// Whether such a wait is running now (a timer that ticks through it asks).
bool Running();

// Lets a screen's timer fire during waits: its handler must then do nothing
// that needs the database.
void TickThroughWaits(QObject& timer);

}
