#pragma once

class QComboBox;

namespace zodiac {

// Lets a screen reader say the new entry of a closed drop-down list that the user changes from
// the keyboard (arrows, Home, End, Page Up, Page Down, typed characters).
//
// Qt tells AT-SPI of such a change with a name change and a selection change of the list. Orca 43
// takes the name change of a list as redundant and looks for the selected entry through a
// selection interface, which Qt offers from 6.5 on (Qt 6.8 and Orca 48 say the entry so). Qt 6.4
// has none, and nothing is said. There, the entry that became current also becomes the current
// entry of the list's hidden view and takes the accessible focus, as Qt 6.4 itself does for typed
// characters, and Orca says it.
void SpeakClosedListChanges(QComboBox* list);

} // namespace zodiac
