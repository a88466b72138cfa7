#include "shell/module1.h"

Module1State Module1;
