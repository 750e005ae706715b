#pragma once
// The skinned labels: the plain label, the hyperlink label, the effect label and the edit
// field's caption label, all built on TsCustomLabel.
#include "skin/paint/TsCustomLabel.h"
#include "skin/paint/TsEditLabel.h"
#include "skin/paint/TsKind.h"
#include "skin/paint/TsLabel.h"
#include "skin/paint/TsLabelFX.h"
#include "skin/paint/TsShadow.h"
#include "skin/paint/TsWebLabel.h"
