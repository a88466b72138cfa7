#include "common/module1.h"

Module1State Module1;
