// The audience's screen as a whole, on plain values: what the spotlight and zoom keys leave on, and when a
// spotlight ends by itself.
#pragma once

// The spotlight and the zoom end each other: a key leaves at most one of them on. The blank is no part of it: it
// stays as it is and wins over either while it lasts (lifting it returns to the spotlight or the zoom).
struct ScreenModes {
    bool spotlight;
    bool zoom;
};

// The spotlight key ends a spotlight that is on, wherever it is pressed; otherwise it puts the spotlight on
// the window in front when that window's mirror is meant to show (front_mirrored: ticked, not minimised); over
// any other window it is refused (the spotlight stays off). Whatever becomes of the spotlight, the zoom ends.
ScreenModes spotlight_key_pressed(const ScreenModes &now, bool front_mirrored);

// The zoom key turns the zoom on, or off where it is on; a spotlight ends.
ScreenModes zoom_key_pressed(const ScreenModes &now);

// A spotlight holds while its window is listed, ticked and not minimised; it ends by itself when the
// window closes, is minimised or unticked, or leaves the list.
bool spotlight_holds(bool listed, bool ticked, bool minimised);
