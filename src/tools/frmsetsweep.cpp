#include "tools/frmsetsweep.h"
