#include "Module1.h"

void Module1::Reset() { cnDatabase.Close(); }
