// The audience's screen as a whole, on plain values: when the spotlight key starts or ends the spotlight, and
// when a spotlight ends by itself.
#pragma once

// The spotlight key ends a spotlight that is on, wherever it is pressed; otherwise it puts the
// spotlight on the window in front when that window's mirror is meant to show (ticked, not
// minimised), and is refused over any other window.
enum SpotlightPress { SPOTLIGHT_STARTS, SPOTLIGHT_ENDS, SPOTLIGHT_REFUSED };
SpotlightPress press_spotlight(bool on, bool front_mirrored);

// A spotlight holds while its window is listed, ticked and not minimised; it ends by itself when the
// window closes, is minimised or unticked, or leaves the list.
bool spotlight_holds(bool listed, bool ticked, bool minimised);
