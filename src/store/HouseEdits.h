#pragma once

#include "Records.h"

#include <cstddef>

class TLoadSave;

// Defined items: a room or appliance is in use when it has a name or a
// picture, a scene when it has a name. The defined ones are always the first
// slots; the first unused slot ends the count, whatever follows it.
inline bool inUse(const Ruimte& ruimte)
{
    return !ruimte.Omschrijving.empty() || ruimte.Afbeelding != -1;
}

inline bool inUse(const Apparaat& apparaat)
{
    return !apparaat.Omschrijving.empty() || apparaat.Afbeelding != -1;
}

inline bool inUse(const Scene& scene)
{
    return !scene.Omschrijving.empty();
}

template <class Slot, std::size_t N> int leadingSlotsInUse(const Slot (&entries)[N])
{
    int count = 0;
    for (const Slot& slot : entries) {
        if (!inUse(slot))
            break;
        ++count;
    }
    return count;
}

// An unused room: no name, no picture, and 16 unused appliance slots with
// the receiver defaults (no code, not dimmable, dim level 8).
void resetRuimte(Ruimte& ruimte);

// Deleting keeps the configuration consistent: later rooms or appliances
// move down one place, and the scene items and timer actions that named them
// follow. The caller holds the store's write lock. The item pictures of the
// deleted item stay in their list.

// Deletes room r (0..15; meant for a room without appliances): rooms after it
// move down, room 15 starts empty, and scene items and timer actions of later
// rooms are renumbered.
void deleteRuimte(TLoadSave& store, int r);

// Deletes appliance a (0..15) of room s: its scene items and timer actions go,
// later appliances move down, and the items that named them are renumbered.
// Slot 15 gets an empty name, no picture and no code; its receiver settings
// (code wheel, dimmer, dim level) stay as they were.
void deleteApparaat(TLoadSave& store, int s, int a);
