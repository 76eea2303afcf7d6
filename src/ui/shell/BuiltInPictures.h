#pragma once

#include "Picture.h"

class TLoadSave;

inline constexpr int builtInPictureCount = 32;

// The program's own pictures of rooms and appliances (0..31), 130 x 80,
// drawn from the artwork onto an opaque picture without mask. An index
// outside 0..31 gives a null picture.
Picture builtInRoomPicture(int index);
Picture builtInAppliancePicture(int index);

// Fills an empty room or appliance catalogue of the store with the 32
// built-in pictures; a catalogue that has pictures is left as it is.
// Takes the store's write lock.
void fillEmptyCatalogues(TLoadSave& store);
