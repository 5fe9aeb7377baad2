#include "engine/RunStatus.h"
