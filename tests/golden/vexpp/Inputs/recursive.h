#include "recursive.h"
