#pragma once
// The skinned labels: the plain label, the hyperlink label, the effect label and the edit
// field's caption label, all built on TsCustomLabel.
#include "skin/labels/TsCustomLabel.h"
#include "skin/labels/TsEditLabel.h"
#include "skin/labels/TsKind.h"
#include "skin/labels/TsLabel.h"
#include "skin/labels/TsLabelFX.h"
#include "skin/labels/TsShadow.h"
#include "skin/labels/TsWebLabel.h"
