#include "imaging/cx_file.h"

CxFile::~CxFile() = default;

bool CxFile::PutC(unsigned char c) {
    return Write(&c, 1, 1) == 1;
}
