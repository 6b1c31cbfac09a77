#include "tools/frmPopup.h"
