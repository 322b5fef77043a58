#include "app/ShellHooks.h"

ShellHooks shellHooks;
