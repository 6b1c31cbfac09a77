#include "browser/modWWW.h"
