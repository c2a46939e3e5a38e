// The one instantiation of the test widget's templates.
#include "framework/TestWidget.h"

KELVARA_DEFINE_KIND_AS(Widget, CWidgetID, true)
