#include "TestEnv.h"

TestFolder::TestFolder() = default;
