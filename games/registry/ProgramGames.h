#pragma once
#include "GameKinds.h"

// The variants this program is built with, in kind order.
TGameKinds ProgramGames();
