#pragma once
// How each of the program's two windows differs from a plain control table.
#include "app/frm1.h"
#include "select/frm2.h"
#include "win32/form_view.h"

FormSetup frm1_setup(frm1& form);
FormSetup frm2_setup(frm2& form);
