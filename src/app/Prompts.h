#pragma once
// The seam lives below the stores, which ask their own questions.
#include "base/Prompts.h"
