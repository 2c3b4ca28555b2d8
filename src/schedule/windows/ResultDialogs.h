#pragma once
// The result dialogs and the value correction, for the main window's openers.
#include "ValueCorrection.h"
#include "uAUC.h"
#include "uAlb.h"
#include "uCSVDisp.h"
#include "uCollectPoint.h"
#include "uConcentration.h"
#include "uPKPD.h"
#include "uScale.h"
#include "uVmax.h"
