// The program's version, stored in the executable where FileVersionText finds
// it: the marker, the four numbers, a NUL.
extern const char kVersionStamp[];
[[gnu::used]] const char kVersionStamp[] = "VEDOMOST-FILE-VERSION=" VED_VERSION;
