#include "app/ui/ShellHooks.h"

ShellHooks shellHooks;
