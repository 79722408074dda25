#pragma once
// The saved copy of the configuration (what the last load, save, File New or
// radio read left) and the test whether the working copy differs from it.
// There is no "modified" flag: a change is whatever this comparison finds.

// Saved copy := working copy (with the band plan of the data set from PCBand).
void SaveOldRadioData();
// Working copy := saved copy; the band plan, band edges and hyper ranges
// follow the data.
void LoadOldRadioData();
// True when the working copy equals the saved copy in everything the user
// can edit; Version, Band and the reserved DCS bits do not count, and normal
// channels are paired by number, not by position.
bool IsDataSame();
bool IsDataChanged();
