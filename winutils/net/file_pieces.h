// Reading the files of a form submission.
#pragma once
#include <vector>

#include "net/multipart.h"

// Each file's name and bytes; a file that cannot be read contributes no bytes. False only when
// memory runs out.
bool LoadFilePieces(const std::vector<FormFile>& files, std::vector<FilePiece>& pieces);
