// Stand-in for the start-up code's Setting.ini writer, which is not on this
// branch yet: it writes nothing and reports the failure that the main
// window's unload must ride over. Delete this file when the writer arrives.
bool SaveSettingFile() { return false; }
