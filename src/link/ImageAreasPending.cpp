// Stand-ins for the signalling and embedded-information area codecs, which
// are built on another branch; this file goes when they arrive.
#include "link/ImageAreas.h"

void SetCommDataByDTMF() {}
void GetDTMFByCommData() {}
void SetCommDataBy2Tone() {}
void Get2ToneByCommData() {}
void SetCommDataBy5Tone() {}
void Get5ToneByCommData() {}
void GetEmbedInfoByCommData() {}
