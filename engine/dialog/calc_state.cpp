#include "dialog/calc_state.h"

CalcState g_calcState;
