#include "sibling.h"
