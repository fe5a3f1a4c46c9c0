#include "logic/ReglesChemin.h"
