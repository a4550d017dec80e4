// Plays a roger-beep pattern of the working document so the user hears it
// before it goes to the radio. Audible tones block until they have ended;
// silent tones and the gap after each pass are waited out while the
// application's events run, so Stop, tab switches and closing the editor are
// handled during a playback. Stop is looked at before each tone.
#pragma once

#include <functional>

#include "core/Records.h"

namespace ulbrix {

// What the player needs of the outside world, injected so tests can record
// the exact sequence.
struct PlayerIO {
    std::function<void(int hz, int ms)> tone;  // sounds a tone, returns when it has ended
    std::function<void(int ms)> wait;          // waits while events run
    std::function<void()> pumpEvents;          // runs the pending events once
};

// The sound card, a wait on a monotonic deadline and the Qt event queue.
PlayerIO SoundCardIO();

// Waits `ms` milliseconds in a nested event loop against a monotonic deadline.
void WaitWithEvents(int ms);

// Limits of what is sounded, whatever a damaged pattern holds.
inline constexpr int MaxToneHz = 20000;
inline constexpr int MaxToneMs = 2550;
inline constexpr int MaxGapMs = 2550;

// What playback makes of a tone: its length in milliseconds (0: skipped) and
// its pitch in Hz (0: silent), each held to what can be sounded. The editor
// shows a pattern through these, so a value from a file is shown as it plays.
int PlayedToneMs(const RogerBeepTone& tone);
int PlayedToneHz(const RogerBeepTone& tone);
// The gap after each pass, as played, from the gap in milliseconds.
int PlayedGapMs(Long gapMs);

// Player state: one playback at a time, for the whole process.
struct RogerBeepPlayerState {
    Integer CurrentRBIndex = 1;   // pattern shown in the roger-beep editor
    Integer PlayingRBIndex = 0;   // pattern of the prepared playback
    Long PlayLoops = 0;           // passes of the prepared playback
    Long PlayIntervalMs = 0;      // gap after each pass
    bool StopPlay = false;        // asks a running playback to stop
    unsigned Generation = 0;      // raised by every PrepareRBPlay
};
inline RogerBeepPlayerState Player;

// Total tone time of pattern n in milliseconds (0 for a number outside 1..8);
// negative lengths count as none.
Long GetRBTotalLength(int n);

// Takes pattern n's passes and gap, clears StopPlay and starts a new
// playback generation. True when the pattern has 5 ms of tones or more.
bool PrepareRBPlay(int n);

// Plays the prepared pattern. Its tones are read as each is reached, so an
// edit made during the playback is heard from the next tone on; passes and
// gap stay as prepared. Returns when every pass and its gap are done, when
// StopPlay is found set, or when another playback has been prepared since
// (a stale playback ends silently).
void PlayRB(const PlayerIO& io);

// Asks a running playback to stop at its next tone.
inline void RequestStopPlay() { Player.StopPlay = true; }

}  // namespace ulbrix
