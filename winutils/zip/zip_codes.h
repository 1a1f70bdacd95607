// Result codes of the zip reader.
#pragma once

enum ZipCode : int {
    kZipOk = 0,
    kZipDamaged = 153,         // no end record, inconsistent counts, broken directory
    kZipOpenReadError = 255,   // a read failed while opening
    kZipCannotOpen = 0x200,    // archive or target file cannot be opened or created
    kZipReadWrite = 0x400,     // read/write failure or unusable entry data
    kZipLocalMismatch = 0x700, // local header missing or not matching the directory
    kZipLocalExtra = 0x800,    // local extra field cannot be read
    kZipBadIndex = 0x10000,
    kZipNotOpen = 0x80000,
    kZipInUse = 0x1000000,
};
