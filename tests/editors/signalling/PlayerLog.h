// A player IO that records the tones and waits the player asks for, in the
// form "tone <hz> <ms>" and "wait <ms>". `onWait` and `onPump` play the user
// acting inside a wait or between tones; with `runEvents` the waits and pumps
// also run the application's events, as the sound card's IO does.
#pragma once

#include <QApplication>
#include <QStringList>
#include <functional>

#include "editors/settings/RogerBeepPlayer.h"

struct PlayerLog {
    QStringList log;
    std::function<void(int waitNo, int ms)> onWait;
    std::function<void(int pumpNo)> onPump;
    bool runEvents = false;
    int waits = 0;
    int pumps = 0;

    ulbrix::PlayerIO io() {
        return ulbrix::PlayerIO{[this](int hz, int ms) { log << QString("tone %1 %2").arg(hz).arg(ms); },
                                [this](int ms) {
                                    log << QString("wait %1").arg(ms);
                                    ++waits;
                                    if (onWait) onWait(waits, ms);
                                    if (runEvents) ulbrix::WaitWithEvents(1);  // a real nested loop
                                },
                                [this] {
                                    ++pumps;
                                    if (onPump) onPump(pumps);
                                    if (runEvents) QApplication::processEvents();
                                }};
    }
};
