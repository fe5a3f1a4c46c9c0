#include "board/TIniFile.h"
